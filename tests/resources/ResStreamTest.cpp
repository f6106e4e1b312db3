// The .res stream reader and writer: exact layout, round trips of every field, and damaged
// streams that must fail with a message naming the field and offset.
#include <gtest/gtest.h>

#include "platform/EResFormatError.h"
#include "platform/TMemoryStream.h"
#include "platform/TResStreamReader.h"
#include "platform/TResStreamWriter.h"
#include "tests/resources/ResTestSupport.h"

namespace qv {
namespace {

using test::MakeEntry;

Bytes Hex(const std::string& hex) {
    Bytes out;
    for (size_t i = 0; i + 1 < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        out.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
        i += 2;
    }
    return out;
}

const char KEmptyRecord[] = "00000000 20000000 ffff0000 ffff0000 00000000 00000000 00000000 00000000 ";

void ExpectSame(const ResEntry& a, const ResEntry& b) {
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.language, b.language);
    EXPECT_EQ(a.dataVersion, b.dataVersion);
    EXPECT_EQ(a.memoryFlags, b.memoryFlags);
    EXPECT_EQ(a.version, b.version);
    EXPECT_EQ(a.characteristics, b.characteristics);
    EXPECT_EQ(a.data, b.data);
}

TEST(ResStream, WriterLaysOutTheRecordByteForByte) {
    ResEntry e = MakeEntry(ResId::Number(10), ResId::Name("ab"), 1041, test::BytesOf("xyz"));
    e.dataVersion = 1;
    e.version = 2;
    e.characteristics = 3;
    const Bytes expected = Hex(std::string(KEmptyRecord) +
                               "03000000 24000000 ffff0a00 41004200 0000 0000 01000000 3010 1104 02000000 "
                               "03000000 78797a 00");
    EXPECT_EQ(TResStreamWriter::Write({e}), expected);
    EXPECT_EQ(TResStreamWriter::Write({}), Hex(KEmptyRecord));
}

TEST(ResStream, RoundTripKeepsEveryFieldForEveryNameLengthAndPadding) {
    std::vector<ResEntry> entries;
    // Names of 0 to 4 characters and data of 0 to 5 bytes hit every padding case.
    const char* names[] = {"", "A", "Bc", "def", "GHIJ"};
    for (int n = 0; n < 5; ++n) {
        for (int size = 0; size <= 5; ++size) {
            ResEntry e = MakeEntry(ResId::Name(names[n]), ResId::Name(std::string(names[n]) + "x"),
                                   static_cast<uint16_t>(1000 + size), Bytes(size, static_cast<uint8_t>(n * 7 + size)));
            e.dataVersion = 0x01020304u + size;
            e.memoryFlags = static_cast<uint16_t>(0x1010 + n);
            e.version = 0xA0B0C0D0u;
            e.characteristics = 0xFFFFFFFFu - size;
            entries.push_back(e);
            entries.push_back(MakeEntry(ResId::Number(static_cast<uint16_t>(n)),
                                        ResId::Number(static_cast<uint16_t>(65535 - size)), 0, e.data));
        }
    }
    const Bytes stream = TResStreamWriter::Write(entries);
    EXPECT_EQ(stream.size() % 4, 0u);
    const std::vector<ResEntry> back = TResStreamReader::Read(stream);
    ASSERT_EQ(back.size(), entries.size());
    for (size_t i = 0; i < back.size(); ++i) ExpectSame(back[i], entries[i]);
}

TEST(ResStream, NamesAreStoredUpperCaseAndKeepUnicode) {
    EXPECT_EQ(ResId::Name("iconPackInfo").ToString(), "ICONPACKINFO");
    EXPECT_EQ(ResId::Name(u"lang1_sys"), ResId::Name("LANG1_SYS"));
    EXPECT_EQ(ResId::Name("日本語").ToString(), "日本語");
    EXPECT_EQ(ResId::Name("\xff").ToString(), "\xef\xbf\xbd");  // broken UTF-8 becomes U+FFFD
    EXPECT_NE(ResId::Name("14"), ResId::Number(14));
    const std::vector<ResEntry> back =
        TResStreamReader::Read(TResStreamWriter::Write({MakeEntry(ResId::Number(10), ResId::Name("日本"), 0, {})}));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].name.AsName(), u"日本");
}

TEST(ResStream, ReadsFromAStreamPosition) {
    const Bytes stream = TResStreamWriter::Write({MakeEntry(ResId::Number(3), ResId::Number(1), 0, {1, 2, 3})});
    Bytes withPrefix = {9, 9, 9};
    withPrefix.insert(withPrefix.end(), stream.begin(), stream.end());
    TMemoryStream s(withPrefix);
    s.SetPosition(3);
    const std::vector<ResEntry> back = TResStreamReader::Read(s);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].data, (Bytes{1, 2, 3}));
}

TEST(ResStream, WriterRejectsWhatTheFormatCannotHold) {
    const ResEntry zero = MakeEntry(ResId::Number(10), ResId::Name(std::string("A\0B", 3)), 0, {});
    EXPECT_THROW(TResStreamWriter::Write({zero}), EResFormatError);
}

struct TDamage {
    const char* what;
    std::string hex;  // after the leading empty record, unless it says otherwise
    bool withEmpty;
    const char* message;
};

TEST(ResStream, DamagedStreamsFailWithFieldAndOffset) {
    const TDamage cases[] = {
        {"empty input", "", false, "too short for the leading empty record at offset 0"},
        {"first record is not the empty one", "05000000 20000000 ffff0a00 ffff0100 00000000 30100000 00000000 00000000 "
                                              "6162636465000000",
         false, "does not start with the empty record at offset 0"},
        {"header cut short", "05000000 20000000 ffff0a00", true, "runs past the end"},
        {"DataSize far past the end", "ffffffff 20000000 ffff0a00 ffff0100 00000000 30100000 00000000 00000000 61",
         true, "resource data (DataSize) runs past the end (4294967295 bytes wanted, 1 left) at offset 64"},
        {"HeaderSize that overflows", "00000000 fcffffff ffff0a00 ffff0100 00000000 30100000 00000000 00000000", true,
         "resource header (4294967292 bytes) runs past the end at offset 32"},
        {"HeaderSize below the minimum", "00000000 08000000 ffff0a00 ffff0100 00000000 30100000 00000000 00000000",
         true, "HeaderSize 8 is too small at offset 32"},
        {"name without terminating zero", "00000000 20000000 ffff0a00 41004200 43004400 45004600 47004800 49004a00",
         true, "NAME has no terminating zero at offset 44"},
        {"type without terminating zero", "00000000 20000000 41004200 43004400 45004600 47004800 49004a00 4b004c00",
         true, "TYPE has no terminating zero at offset 40"},
        {"names leave no room for the fixed fields",
         "00000000 1c000000 41004200 00004300 44004500 00000000 00000000", true, "runs past the end"},
    };
    for (const TDamage& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes stream = Hex((c.withEmpty ? std::string(KEmptyRecord) : "") + c.hex);
        try {
            TResStreamReader::Read(stream);
            ADD_FAILURE() << "no error";
        } catch (const EResFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace qv
