// The overlay at the end of a file: found through its trailer, and every damaged or truncated
// form read as "no overlay resources" with the damage described.
#include <gtest/gtest.h>

#include <dirent.h>

#include "platform/FileIO.h"
#include "platform/TOverlay.h"
#include "platform/TResStreamWriter.h"
#include "tests/resources/ResTestSupport.h"

namespace qv {
namespace {

using test::MakeEntry;

Bytes WithOverlay(Bytes file, const Bytes& stream, uint64_t length) {
    file.insert(file.end(), stream.begin(), stream.end());
    const Bytes trailer = TOverlay::Trailer(length);
    file.insert(file.end(), trailer.begin(), trailer.end());
    return file;
}

const Bytes KPrefix = test::BytesOf("\x7f" "ELF and more program bytes");

Bytes SampleStream() {
    return TResStreamWriter::Write({MakeEntry(ResId::Number(10), ResId::Name("INFO"), 1041, test::BytesOf("abc")),
                                    MakeEntry(ResId::Number(3), ResId::Number(9), 0, Bytes(100, 7))});
}

TEST(Overlay, TrailerGivesTheStreamAndItsResources) {
    const Bytes stream = SampleStream();
    const Bytes file = WithOverlay(KPrefix, stream, stream.size());
    const TOverlay::TInfo info = TOverlay::Read(file.data(), file.size());
    ASSERT_EQ(info.state, TOverlay::EState::Found) << info.error;
    EXPECT_EQ(info.prefixSize, KPrefix.size());
    EXPECT_EQ(info.streamLength, stream.size());
    ASSERT_EQ(info.entries.size(), 2u);
    EXPECT_EQ(info.entries[0].name, ResId::Name("INFO"));
    EXPECT_EQ(info.entries[1].data, Bytes(100, 7));
    // The trailer's magic and little-endian length.
    const Bytes trailer = TOverlay::Trailer(0x0102030405060708ull);
    EXPECT_EQ(trailer, (Bytes{'Q', 'V', 'R', 'S', 'R', 'C', '0', '1', 8, 7, 6, 5, 4, 3, 2, 1}));
}

TEST(Overlay, FilesWithoutTrailerHaveNone) {
    for (const Bytes& file : {Bytes(), Bytes(15, 'Q'), KPrefix, test::BytesOf("QVRSRC0")}) {
        const TOverlay::TInfo info = TOverlay::Read(file.data(), file.size());
        EXPECT_EQ(info.state, TOverlay::EState::None);
        EXPECT_EQ(info.prefixSize, file.size());
        EXPECT_TRUE(info.entries.empty());
    }
}

TEST(Overlay, DamagedOverlaysGiveNoResourcesAndKeepTheWholeFileAsPrefix) {
    const Bytes stream = SampleStream();
    const Bytes cut(stream.begin(), stream.end() - 5);
    Bytes garbage = stream;
    garbage[0] = 1;
    struct TCase {
        const char* what;
        Bytes file;
        const char* message;
    } cases[] = {
        {"length past the start of the file", WithOverlay(KPrefix, stream, stream.size() + KPrefix.size() + 1),
         "points outside the file"},
        {"length at the maximum", WithOverlay(KPrefix, stream, ~0ull), "points outside the file"},
        {"length zero", WithOverlay(KPrefix, {}, 0), "too short"},
        {"stream cut short", WithOverlay(KPrefix, cut, cut.size()), "runs past the end"},
        {"length one short", WithOverlay(KPrefix, stream, stream.size() - 1), ".res stream"},
        {"garbage stream", WithOverlay(KPrefix, garbage, garbage.size()), "empty record"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TOverlay::TInfo info = TOverlay::Read(c.file.data(), c.file.size());
        EXPECT_EQ(info.state, TOverlay::EState::Damaged);
        EXPECT_TRUE(info.entries.empty());
        EXPECT_EQ(info.prefixSize, c.file.size());
        EXPECT_NE(info.error.find(c.message), std::string::npos) << info.error;
    }
}

TEST(Overlay, FileReadingAgreesWithMemoryReadingOnEveryDamagedSample) {
    const std::string folder = test::DataPath("invalid/resources");
    DIR* dir = ::opendir(folder.c_str());
    ASSERT_NE(dir, nullptr);
    int overlays = 0;
    while (const dirent* d = ::readdir(dir)) {
        const std::string name = d->d_name;
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".bin") != 0 || name.rfind("elf-", 0) == 0) continue;
        SCOPED_TRACE(name);
        ++overlays;
        const Bytes file = ReadWholeFile(folder + "/" + name);
        const TOverlay::TInfo fromFile = TOverlay::ReadFile(folder + "/" + name);
        const TOverlay::TInfo fromMemory = TOverlay::Read(file.data(), file.size());
        EXPECT_EQ(fromFile.state, TOverlay::EState::Damaged);
        EXPECT_EQ(fromFile.error, fromMemory.error);
        EXPECT_TRUE(fromFile.entries.empty());
        EXPECT_EQ(fromFile.prefixSize, file.size());
    }
    ::closedir(dir);
    EXPECT_GT(overlays, 0);
}

}  // namespace
}  // namespace qv
