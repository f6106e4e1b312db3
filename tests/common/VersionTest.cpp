#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/TVersionBlock.h"
#include "common/version.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/TModuleResources.h"
#include "platform/TResourceUpdater.h"
#include "tests/text/CodePageScope.h"

namespace qv {
namespace {

// Blocks made by the MinGW resource compiler from the scripts beside them.
Bytes Block(const char* name) { return ReadWholeFile(std::string(QV_TEST_DATA "/valid/common/") + name + ".bin"); }

void ExpectVersion(const TVersion& v, int32_t major, int32_t minor, int32_t release, int32_t build,
                   const std::string& text, const std::string& what) {
    EXPECT_EQ(v.Major, major) << what;
    EXPECT_EQ(v.Minor, minor) << what;
    EXPECT_EQ(v.Release, release) << what;
    EXPECT_EQ(v.Build, build) << what;
    EXPECT_EQ(v.Text, text) << what;
}

class Version : public testing::Test {
protected:
    // Start from a filled AppVersion, so that "left empty" shows.
    void SetUp() override { AppVersion = TVersion{9, 9, 9, 9, "junk"}; }
    void TearDown() override { AppVersion = TVersion(); }
    test::CodePageScope FScope{"UTF-8"};
};

TEST_F(Version, StartUpReadsTheJapaneseFileVersion) {
    struct Case {
        const char* block;
        int32_t major, minor, release, build;
        const char* text;
    } cases[] = {
        {"version_ja", 1, 0, 1, 1, "1.0.1.1"},
        {"version_two_tables", 2, 3, 4, 5, "2.3.4.5"},  // not the English table before it
        {"version_ja_odd_text", 7, 0, 3, 0, "7.x.3"},
        {"version_en_only", 0, 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        AppVersion = TVersion{9, 9, 9, 9, "junk"};
        InitAppVersion(Block(c.block));
        ExpectVersion(AppVersion, c.major, c.minor, c.release, c.build, c.text, c.block);
    }
}

TEST_F(Version, DamagedBlocksLeaveAppVersionEmpty) {
    const Bytes good = Block("version_ja");
    ASSERT_EQ(good.size(), 456u);
    const auto with = [&](const std::function<void(Bytes&)>& damage) {
        Bytes b = good;
        damage(b);
        return b;
    };
    const auto put16 = [](Bytes& b, size_t at, uint16_t v) {
        b[at] = static_cast<uint8_t>(v);
        b[at + 1] = static_cast<uint8_t>(v >> 8);
    };
    // In this block: the root at 0, StringFileInfo at 0x5C, the table at 0x80, its first string
    // at 0x98, VarFileInfo at 0x184.
    struct Case {
        const char* name;
        Bytes block;
    } cases[] = {
        {"empty", {}},
        {"header only", Bytes(good.begin(), good.begin() + 6)},
        {"cut inside the fixed information", Bytes(good.begin(), good.begin() + 60)},
        {"one byte short", Bytes(good.begin(), good.end() - 1)},
        {"root longer than the data", with([&](Bytes& b) { put16(b, 0, 460); })},
        {"root shorter than a header", with([&](Bytes& b) { put16(b, 0, 4); })},
        {"root key without its zero", with([&](Bytes& b) { put16(b, 0, 20); })},
        {"not a version block", with([&](Bytes& b) { b[6] = 'W'; })},
        {"fixed information past the root", with([&](Bytes& b) { put16(b, 2, 0xFFFF); })},
        {"child past its parent", with([&](Bytes& b) { put16(b, 0x5C, 0x1FF); })},
        {"child shorter than a header", with([&](Bytes& b) { put16(b, 0x98, 3); })},
        {"string past its table", with([&](Bytes& b) { put16(b, 0x98, 0x100); })},
    };
    for (const Case& c : cases) {
        AppVersion = TVersion{9, 9, 9, 9, "junk"};
        InitAppVersion(c.block);
        ExpectVersion(AppVersion, 0, 0, 0, 0, "", c.name);
        TVersionBlock block;
        EXPECT_FALSE(block.Parse(c.block)) << c.name;
        EXPECT_TRUE(block.IsEmpty()) << c.name;
    }
    // Padding after the block, as a resource may carry it, is no damage.
    Bytes padded = good;
    padded.resize(good.size() + 8, 0);
    InitAppVersion(padded);
    ExpectVersion(AppVersion, 1, 0, 1, 1, "1.0.1.1", "padded");
}

// The start-up from the own module: the block as resource type 16, number 1 of a program file.
TEST_F(Version, StartUpFromTheOwnModuleResource) {
    struct Case {
        const char* block;  // nullptr: the module has no version resource
        const char* text;
    };
    const Case cases[] = {{"version_ja", "1.0.1.1"}, {"version_en_only", ""}, {nullptr, ""}};
    for (const Case& c : cases) {
        const std::string path = testing::TempDir() + "qv-version-module.bin";
        WriteWholeFile(path, Bytes{0x7F, 'E', 'L', 'F'});
        if (c.block) {
            auto update = TResourceUpdater::Begin(path);
            ASSERT_TRUE(update);
            const Bytes block = Block(c.block);
            update->Update(ResId::Number(16), ResId::Number(1), 1041, block.data(), block.size());
            ASSERT_TRUE(update->End());
        }
        TModuleResources::SetSelfFile(path);
        AppVersion = TVersion{9, 9, 9, 9, "junk"};
        InitAppVersionFromModule();
        TModuleResources::SetSelfFile("");
        if (std::string(c.text).empty())
            ExpectVersion(AppVersion, 0, 0, 0, 0, "", c.block ? c.block : "no block");
        else
            ExpectVersion(AppVersion, 1, 0, 1, 1, c.text, c.block);
    }
}

TEST(VersionBlock, QueriesFollowKeysWithoutRegardToCase) {
    TVersionBlock block;
    ASSERT_TRUE(block.Parse(Block("version_two_tables")));
    std::u16string text;
    EXPECT_TRUE(block.QueryString("\\StringFileInfo\\041103a4\\productname", text));
    EXPECT_EQ(text, u"QuorvaneBuilder");
    EXPECT_TRUE(block.QueryString("StringFileInfo\\040904B0\\FileVersion", text));
    EXPECT_EQ(text, u"9.9.9.9");
    EXPECT_FALSE(block.QueryString("StringFileInfo\\041103A4\\Comments", text));
    EXPECT_FALSE(block.QueryString("StringFileInfo\\041103A4\\FileVersion\\deeper", text));
    EXPECT_FALSE(block.QueryString("StringFileInfo\\04110000\\FileVersion", text));

    Bytes value;
    ASSERT_TRUE(block.QueryValue("\\", value));  // the fixed file information
    ASSERT_EQ(value.size(), 52u);
    EXPECT_EQ(value[0] | value[1] << 8 | value[2] << 16 | static_cast<uint32_t>(value[3]) << 24, 0xFEEF04BDu);
    EXPECT_EQ(Bytes(value.begin() + 8, value.begin() + 16), (Bytes{0, 0, 1, 0, 1, 0, 1, 0}));  // 1,0,1,1
    ASSERT_TRUE(block.QueryValue("VarFileInfo\\Translation", value));
    EXPECT_EQ(value, (Bytes{0x09, 0x04, 0xB0, 0x04, 0x11, 0x04, 0xA4, 0x03}));
}

TEST(VersionText, SplitsAtDotsAndCountsWhatIsNoNumberAsZero) {
    struct Case {
        const char* text;
        int32_t major, minor, release, build;
    } cases[] = {
        {"1.0.1.1", 1, 0, 1, 1},      {"2.5", 2, 5, 0, 0},           {"", 0, 0, 0, 0},
        {"1.2.3.4.5", 1, 2, 3, 4},    {" 3 . 4", 3, 4, 0, 0},         {"1..2", 1, 0, 2, 0},
        {"-1.99999999999.a.+7", -1, 0, 0, 7}, {"1, 0, 1, 1", 0, 0, 0, 0}, {"10.20.30.40.", 10, 20, 30, 40},
    };
    for (const Case& c : cases)
        ExpectVersion(ParseVersionText(c.text), c.major, c.minor, c.release, c.build, c.text, c.text);
}

}  // namespace
}  // namespace qv
