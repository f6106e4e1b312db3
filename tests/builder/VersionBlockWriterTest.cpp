// The version-block writer against the committed default block (which the MinGW resource
// compiler makes of resources/builder/VERRESBIN.rc), read back through the block reader.
#include <gtest/gtest.h>

#include "common/TVersionBlock.h"
#include "common/TVersionBlockWriter.h"
#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"

namespace qv {
namespace {

TVersionBlockWriter DefaultProjectBlock() {
    TVersionBlockWriter w;
    w.FileVersion = w.ProductVersion = {1, 0, 0, 0};
    w.Strings = {{u"CompanyName", u""},
                 {u"FileDescription", u"IconPackage"},
                 {u"FileVersion", u"1.0.0.0"},
                 {u"InternalName", u"Quorvane.exe"},
                 {u"LegalCopyright", u""},
                 {u"LegalTrademarks", u""},
                 {u"OriginalFilename", u"Quorvane.exe"},
                 {u"ProductName", u"IconPackage"},
                 {u"ProductVersion", u"1.0.0.0"},
                 {u"Comments", u"IconPackage"}};
    return w;
}

uint32_t Le32(const Bytes& b, size_t at) {
    return uint32_t(b.at(at)) | uint32_t(b.at(at + 1)) << 8 | uint32_t(b.at(at + 2)) << 16 | uint32_t(b.at(at + 3)) << 24;
}

TEST(VersionBlockWriter, LaysTheDefaultBlockOutAsTheResourceCompilerDoes) {
    const Bytes committed = ReadWholeFile(std::string(QV_SOURCE_DIR) + "/resources/builder/VERRESBIN.bin");
    EXPECT_EQ(DefaultProjectBlock().Write(), committed);
}

TEST(VersionBlockWriter, TheDefaultBlockHoldsTheDesignedValues) {
    const Bytes block = ReadWholeFile(std::string(QV_SOURCE_DIR) + "/resources/builder/VERRESBIN.bin");
    TVersionBlock reader;
    ASSERT_TRUE(reader.Parse(block));
    Bytes fixed;
    ASSERT_TRUE(reader.QueryValue("\\", fixed));
    ASSERT_EQ(fixed.size(), 52u);
    const uint32_t expected[] = {0xFEEF04BD, 0x00010000, 0x00010000, 0, 0x00010000, 0, 0x3F, 0, 4, 1, 0, 0, 0};
    for (size_t i = 0; i < 13; ++i) EXPECT_EQ(Le32(fixed, 4 * i), expected[i]) << "field " << i;
    const std::pair<const char*, std::u16string> strings[] = {
        {"FileDescription", u"IconPackage"}, {"ProductName", u"IconPackage"}, {"Comments", u"IconPackage"},
        {"FileVersion", u"1.0.0.0"},         {"ProductVersion", u"1.0.0.0"},  {"InternalName", u"Quorvane.exe"},
        {"OriginalFilename", u"Quorvane.exe"}, {"CompanyName", u""},          {"LegalCopyright", u""},
        {"LegalTrademarks", u""}};
    for (const auto& [key, value] : strings) {
        std::u16string text;
        EXPECT_TRUE(reader.QueryString(std::string("StringFileInfo\\041103A4\\") + key, text)) << key;
        EXPECT_EQ(text, value) << key;
    }
    Bytes translation;
    ASSERT_TRUE(reader.QueryValue("VarFileInfo\\Translation", translation));
    EXPECT_EQ(translation, (Bytes{0x11, 0x04, 0xA4, 0x03}));
}

TEST(VersionBlockWriter, ParsesFourPartVersionsOnly) {
    const std::pair<const char*, bool> cases[] = {
        {"1.0.0.2", true}, {"65535.0.1.9", true}, {"1.0.0", false}, {"1.0.0.2.3", false},
        {"1.0.0.65536", false}, {"1..0.2", false}, {"1.0.0.-2", false}, {"", false}, {"a.b.c.d", false}};
    for (const auto& [text, valid] : cases) {
        std::array<uint16_t, 4> version{7, 7, 7, 7};
        EXPECT_EQ(TVersionBlockWriter::ParseVersion(text, version), valid) << text;
        if (!valid) {
            EXPECT_EQ(version, (std::array<uint16_t, 4>{7, 7, 7, 7})) << text;
        }
    }
    std::array<uint16_t, 4> version{};
    ASSERT_TRUE(TVersionBlockWriter::ParseVersion("1.0.0.2", version));
    EXPECT_EQ(version, (std::array<uint16_t, 4>{1, 0, 0, 2}));
}

TEST(VersionBlockWriter, RefusesEntriesTooLongForTheirLength) {
    TVersionBlockWriter w;
    w.Strings = {{u"Comments", std::u16string(40000, u'x')}};
    EXPECT_THROW(w.Write(), EQVError);
}

}  // namespace
}  // namespace qv
