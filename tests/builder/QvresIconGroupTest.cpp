// qvres pack with the type ICONGROUP: an icon file becomes icon resources under free identifiers
// and the group naming them, which the icon container then loads like any icon group.
#include <gtest/gtest.h>

#include <sstream>

#include "icon/IconRecords.h"
#include "platform/FileIO.h"
#include "platform/TResStreamReader.h"
#include "tools/qvres/TQvresCommand.h"
#include "tests/text/TempFolder.h"

namespace qv {
namespace {

const std::string KIcon = std::string(QV_SOURCE_DIR) + "/resources/builder/MAINICONDEFAULT.ico";

int Pack(const std::vector<std::string>& args, std::string* err = nullptr) {
    std::ostringstream out, errors;
    std::vector<std::string> all{"pack"};
    all.insert(all.end(), args.begin(), args.end());
    const int status = TQvresCommand(out, errors).Run(all);
    if (err) *err = errors.str();
    return status;
}

TEST(QvresIconGroup, SplitsAnIconFileAroundIdentifiersGivenByNumber) {
    test::TempFolder folder;
    const std::string res = folder.Path() + "/out.res", raw = folder.Path() + "/raw.bin";
    WriteWholeFile(raw, Bytes{1, 2, 3});
    // Icon resource 1 is given explicitly, after the group: the group's images take 2, 3, 4.
    ASSERT_EQ(Pack({res, "ICONGROUP", "mainicondefault", "0", KIcon, "3", "1", "0", raw}), 0);
    const std::vector<ResEntry> entries = TResStreamReader::Read(ReadWholeFile(res));
    const Bytes ico = ReadWholeFile(KIcon);
    const TIconDir dir = TIconDir::Decode(ico.data());
    ASSERT_EQ(dir.Count, 3);

    const ResEntry* group = nullptr;
    std::map<uint16_t, const ResEntry*> icons;
    for (const ResEntry& e : entries) {
        if (e.type == ResId::Number(14)) group = &e;
        if (e.type == ResId::Number(3)) icons[e.name.AsNumber()] = &e;
    }
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->name, ResId::Name("MAINICONDEFAULT"));
    ASSERT_EQ(group->data.size(), TIconDir::kSize + 3 * TGroupIconDirEntry::kSize);
    EXPECT_TRUE(std::equal(ico.begin(), ico.begin() + 6, group->data.begin()));
    ASSERT_EQ(icons.size(), 4u);
    EXPECT_EQ(icons[1]->data, (Bytes{1, 2, 3}));
    for (size_t i = 0; i < dir.Count; ++i) {
        const TIconDirEntry entry = TIconDirEntry::Decode(ico.data() + 6 + 16 * i);
        const TGroupIconDirEntry g = TGroupIconDirEntry::Decode(group->data.data() + 6 + 14 * i);
        EXPECT_EQ(g.Id, i + 2);
        EXPECT_EQ(g.Entry.Width, entry.Width);
        EXPECT_EQ(g.Entry.BitCount, entry.BitCount);
        EXPECT_EQ(g.Entry.BytesInRes, entry.BytesInRes);
        const Bytes image(ico.begin() + entry.ImageOffset, ico.begin() + entry.ImageOffset + entry.BytesInRes);
        EXPECT_EQ(icons.at(g.Id)->data, image) << "image " << i;
    }
}

TEST(QvresIconGroup, DamagedIconFilesFailWithTheirName) {
    test::TempFolder folder;
    const Bytes ico = ReadWholeFile(KIcon);
    Bytes pastEnd = ico;
    pastEnd.resize(ico.size() - 1);  // the last image runs past the end
    Bytes noImages(ico.begin(), ico.begin() + 6);
    noImages[4] = 0;
    const std::vector<Bytes> damaged = {Bytes{0, 0, 1}, pastEnd, noImages, Bytes(6 + 15, 0)};
    for (size_t i = 0; i < damaged.size(); ++i) {
        const std::string file = folder.Path() + "/bad" + std::to_string(i) + ".ico";
        WriteWholeFile(file, damaged[i]);
        std::string err;
        EXPECT_EQ(Pack({folder.Path() + "/out.res", "ICONGROUP", "X", "0", file}, &err), TQvresCommand::KFailed) << i;
        EXPECT_NE(err.find(file), std::string::npos) << err;
    }
}

}  // namespace
}  // namespace qv
