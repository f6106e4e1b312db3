// Finding the .qvres section through the section headers: in this test program itself (which
// carries built-in resources), in a stripped copy, and in damaged ELF files.
#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "platform/TElfSectionFinder.h"
#include "platform/TOwnModule.h"
#include "tests/resources/ResTestSupport.h"

namespace qv {
namespace {

using EResult = TElfSectionFinder::EResult;

Bytes SectionOf(const Bytes& file) {
    const TElfSectionFinder::TSection s = TElfSectionFinder::Find(file.data(), file.size(), ".qvres");
    EXPECT_EQ(s.result, EResult::Found) << s.error;
    if (s.result != EResult::Found) return {};
    return Bytes(file.begin() + s.offset, file.begin() + s.offset + s.size);
}

TEST(ElfSection, FindsTheLinkedSectionAlsoAfterStrip) {
    const Bytes linked(TOwnModule::BuiltInData(), TOwnModule::BuiltInData() + TOwnModule::BuiltInSize());
    ASSERT_FALSE(linked.empty());
    EXPECT_EQ(SectionOf(ReadWholeFile("/proc/self/exe")), linked);

    test::TTempDir dir;
    test::CopyFile("/proc/self/exe", dir.File("copy"));
    const test::TRunResult r = test::Run({"/usr/bin/strip", dir.File("copy")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(SectionOf(ReadWholeFile(dir.File("copy"))), linked);
}

TEST(ElfSection, OtherFilesHaveNoSection) {
    const Bytes program = ReadWholeFile("/bin/true");
    EXPECT_EQ(TElfSectionFinder::Find(program.data(), program.size(), ".qvres").result, EResult::NoSection);
    const TElfSectionFinder::TSection text = TElfSectionFinder::Find(program.data(), program.size(), ".text");
    EXPECT_EQ(text.result, EResult::Found);
    EXPECT_GT(text.size, 0u);
    const Bytes script = test::BytesOf("#!/bin/sh\nexit 0\n");
    EXPECT_EQ(TElfSectionFinder::Find(script.data(), script.size(), ".qvres").result, EResult::NotElf);
    EXPECT_EQ(TElfSectionFinder::Find(nullptr, 0, ".qvres").result, EResult::NotElf);
}

// Patches a little-endian field of a copy of a real program.
Bytes Patched(Bytes file, size_t at, uint64_t value, int width) {
    for (int i = 0; i < width; ++i) file[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return file;
}

TEST(ElfSection, DamagedHeadersAreReportedNotFollowed) {
    const Bytes good = ReadWholeFile("/bin/true");
    const uint64_t shoff = good[0x28] | (good[0x29] << 8) | (good[0x2a] << 16) | (uint64_t{good[0x2b]} << 24);
    const uint16_t shstrndx = static_cast<uint16_t>(good[0x3e] | (good[0x3f] << 8));
    const size_t strHeader = shoff + 64u * shstrndx;
    struct TCase {
        const char* what;
        Bytes file;
    } cases[] = {
        {"e_shoff past the end", Patched(good, 0x28, good.size() + 1, 8)},
        {"e_shoff wraps around", Patched(good, 0x28, ~0ull - 10, 8)},
        {"e_shentsize too small", Patched(good, 0x3a, 8, 2)},
        {"e_shnum past the end", Patched(good, 0x3c, 0xfffe, 2)},
        {"e_shstrndx out of range", Patched(good, 0x3e, 0xfff0, 2)},
        {"name table past the end", Patched(good, strHeader + 0x18, good.size() - 4, 8)},
        {"name table size overflows", Patched(good, strHeader + 0x20, ~0ull, 8)},
        {"header cut off", Bytes(good.begin(), good.begin() + static_cast<long>(shoff) + 100)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TElfSectionFinder::TSection s = TElfSectionFinder::Find(c.file.data(), c.file.size(), ".qvres");
        EXPECT_EQ(s.result, EResult::Damaged);
        EXPECT_NE(s.error.find("ELF file: "), std::string::npos) << s.error;
    }
}

}  // namespace
}  // namespace qv
