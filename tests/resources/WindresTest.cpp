// The .res format checked against a real peer: i686-w64-mingw32-windres compiles a script that
// we read back, and converts a stream we wrote to a script and back without a change.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "platform/FileIO.h"
#include "platform/TResStreamReader.h"
#include "platform/TResStreamWriter.h"
#include "tests/resources/ResTestSupport.h"

namespace qv {
namespace {

using test::DataPath;
using test::MakeEntry;
using TKey = std::tuple<std::string, std::string, uint16_t>;  // type, name, language as text

TKey KeyOf(const ResEntry& e) { return TKey{e.type.ToString(), e.name.ToString(), e.language}; }

uint32_t U32At(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

// The one image of sample.ico and its group entry, as a resource compiler stores them.
struct TIconParts {
    Bytes image;
    Bytes groupEntry;  // 14 bytes without the trailing identifier
};

TIconParts SampleIcon() {
    const Bytes ico = ReadWholeFile(DataPath("valid/resources/sample.ico"));
    const uint32_t size = U32At(ico, 6 + 8), offset = U32At(ico, 6 + 12);
    TIconParts parts;
    parts.image.assign(ico.begin() + offset, ico.begin() + offset + size);
    parts.groupEntry.assign(ico.begin() + 6, ico.begin() + 6 + 12);
    return parts;
}

Bytes Group(const TIconParts& icon, uint16_t id) {
    static const uint8_t header[] = {0, 0, 1, 0, 1, 0};  // reserved, type 1 (icon), one entry
    Bytes g(std::begin(header), std::end(header));
    g.resize(sizeof header + icon.groupEntry.size());
    std::copy(icon.groupEntry.begin(), icon.groupEntry.end(), g.begin() + sizeof header);
    g.push_back(static_cast<uint8_t>(id));
    g.push_back(static_cast<uint8_t>(id >> 8));
    return g;
}

class Windres : public ::testing::Test {
protected:
    void SetUp() override {
        FWindres = test::WindresPath();
        if (FWindres.empty()) GTEST_SKIP() << "i686-w64-mingw32-windres is not installed (scripts/setup installs it)";
    }

    // windres with the host preprocessor: the MinGW compiler is not needed for plain scripts.
    test::TRunResult RunWindres(std::vector<std::string> args) const {
        args.insert(args.begin(), {FWindres, "--preprocessor=cpp", "-I", DataPath("valid/resources")});
        return test::Run(args);
    }

    std::vector<ResEntry> CompileSample() const {
        const std::string out = FDir.File("sample.res");
        const test::TRunResult r = RunWindres({"-J", "rc", "-O", "res", DataPath("valid/resources/sample.rc"), out});
        EXPECT_EQ(r.status, 0) << r.err;
        return TResStreamReader::Read(ReadWholeFile(out));
    }

    std::string FWindres;
    test::TTempDir FDir;
};

TEST_F(Windres, CompiledScriptReadsBackWithEveryTypeNameLanguageAndByte) {
    const Bytes info = ReadWholeFile(DataPath("valid/resources/info.txt"));
    const Bytes infoJa = ReadWholeFile(DataPath("valid/resources/info-ja.txt"));
    const Bytes raw = ReadWholeFile(DataPath("valid/resources/raw.bin"));
    const TIconParts icon = SampleIcon();
    const std::map<TKey, Bytes> expected = {
        {{"10", "ICONPACKINFO", 1033}, info},  {{"3", "1", 1033}, icon.image},
        {{"14", "1", 1033}, Group(icon, 1)},   {{"10", "ICONPACKINFO", 1041}, infoJa},
        {{"10", "LANG1_SYS", 1041}, info},     {{"3", "200", 1041}, raw},
        {{"14", "_ICONPACK0", 1041}, raw},     {{"10", "7", 0}, raw},
    };
    std::map<TKey, Bytes> got;
    const ResEntry* version = nullptr;
    const std::vector<ResEntry> entries = CompileSample();
    for (const ResEntry& e : entries) {
        EXPECT_TRUE(got.emplace(KeyOf(e), e.data).second) << "twice: " << e.name.ToString();
        if (e.type == ResId::Number(16)) version = &e;
    }
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(KeyOf(*version), (TKey{"16", "1", 0}));
    got.erase(KeyOf(*version));
    EXPECT_EQ(got, expected);

    // The version block: its length, key, signature and the file version 1.0.0.2.
    const Bytes& v = version->data;
    ASSERT_GE(v.size(), 56u);
    EXPECT_EQ(v[0] | (v[1] << 8), static_cast<int>(v.size()));
    const std::u16string key = u"VS_VERSION_INFO";
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(v.data() + 6), key.size()), key);
    EXPECT_EQ(U32At(v, 40), 0xFEEF04BDu);
    EXPECT_EQ(U32At(v, 48), 0x00010000u);
    EXPECT_EQ(U32At(v, 52), 0x00000002u);
}

TEST_F(Windres, StreamWeWriteSurvivesConversionToScriptAndBack) {
    const TIconParts icon = SampleIcon();
    const Bytes versionBlock = [&] {
        for (const ResEntry& e : CompileSample())
            if (e.type == ResId::Number(16)) return e.data;
        return Bytes();
    }();
    ASSERT_FALSE(versionBlock.empty());
    // In the order windres keeps: by type, names before numbers, then by language.
    std::vector<ResEntry> entries = {
        MakeEntry(ResId::Number(3), ResId::Number(1), 1033, icon.image),
        MakeEntry(ResId::Number(3), ResId::Number(2), 1041, icon.image),
        MakeEntry(ResId::Number(10), ResId::Name("ICONPACKINFO"), 1033, test::BytesOf("Title=Sample\r\n")),
        MakeEntry(ResId::Number(10), ResId::Name("ICONPACKINFO"), 1041, ReadWholeFile(DataPath("valid/resources/info-ja.txt"))),
        MakeEntry(ResId::Number(10), ResId::Name("LANG1_SYS"), 1041, ReadWholeFile(DataPath("valid/resources/raw.bin"))),
        MakeEntry(ResId::Number(10), ResId::Number(5), 0, {0, 1, 2, 0xFF}),
        MakeEntry(ResId::Number(14), ResId::Name("MAINICONDEFAULT"), 1033, Group(icon, 1)),
        MakeEntry(ResId::Number(14), ResId::Number(1), 1041, Group(icon, 2)),
        MakeEntry(ResId::Number(16), ResId::Number(1), 0, versionBlock),
    };
    // Version blocks carry no memory flags, as resource compilers write them (windres cannot
    // read flags back on a VERSIONINFO statement).
    entries.back().memoryFlags = 0;
    const Bytes ours = TResStreamWriter::Write(entries);
    WriteWholeFile(FDir.File("ours.res"), ours);
    test::TRunResult r = RunWindres({"-J", "res", "-O", "rc", FDir.File("ours.res"), FDir.File("ours.rc")});
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunWindres({"-J", "rc", "-O", "res", FDir.File("ours.rc"), FDir.File("back.res")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadWholeFile(FDir.File("back.res")), ours);
}

}  // namespace
}  // namespace qv
