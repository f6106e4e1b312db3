// The qvres command as a user runs it: on a copy of a real program, on this test program's
// built-in section, on damaged files, and with wrong arguments.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sstream>

#include "platform/FileIO.h"
#include "platform/TResStreamReader.h"
#include "tests/resources/ResTestSupport.h"
#include "tools/qvres/TQvresCommand.h"

namespace qv {
namespace {



test::TRunResult Qvres(std::vector<std::string> args) {
    args.insert(args.begin(), test::QvresPath());
    return test::Run(args);
}

class QvresTool : public ::testing::Test {
protected:
    std::string Data(const std::string& name, const std::string& content) {
        const std::string path = FDir.File(name);
        WriteWholeFile(path, test::BytesOf(content));
        return path;
    }

    test::TTempDir FDir;
};

TEST_F(QvresTool, AddListExtractReplaceOnACopyOfARealProgram) {
    const std::string program = FDir.File("true.run");
    test::CopyFile("/bin/true", program);
    ::chmod(program.c_str(), 0754);
    std::string binary(300, '\0');
    for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 31);
    const std::string info = Data("info.txt", "title=Test\r\n"), icon = Data("icon.bin", binary);

    ASSERT_EQ(Qvres({"add", program, "10", "IconPackInfo", "1041", info}).status, 0);
    ASSERT_EQ(Qvres({"add", program, "3", "7", "0", icon}).status, 0);
    EXPECT_EQ(test::Run({program}).status, 0);
    EXPECT_EQ(test::FileMode(program), 0754u);
    test::TRunResult list = Qvres({"list", program});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "overlay\t10\tICONPACKINFO\t1041\t12\noverlay\t3\t7\t0\t300\n");
    EXPECT_EQ(Qvres({"extract", program, "3", "7"}).out, binary);
    EXPECT_EQ(Qvres({"extract", program, "10", "iconpackinfo", "1041"}).out, "title=Test\r\n");
    EXPECT_EQ(Qvres({"extract", program, "10", "ICONPACKINFO", "1033"}).status, 1);

    // The same type, name and language again replaces; another language is another resource.
    const std::string info2 = Data("info2.txt", "title=Second\r\n");
    ASSERT_EQ(Qvres({"add", program, "10", "ICONPACKINFO", "1041", info2}).status, 0);
    ASSERT_EQ(Qvres({"add", program, "10", "ICONPACKINFO", "0", info}).status, 0);
    list = Qvres({"list", program});
    EXPECT_EQ(list.out,
              "overlay\t10\tICONPACKINFO\t1041\t14\noverlay\t3\t7\t0\t300\noverlay\t10\tICONPACKINFO\t0\t12\n");
    EXPECT_EQ(Qvres({"extract", program, "10", "ICONPACKINFO", "1041"}).out, "title=Second\r\n");
    EXPECT_EQ(Qvres({"extract", program, "3", "7"}).out, binary);
    EXPECT_EQ(test::Run({program}).status, 0);
    EXPECT_EQ(test::FileMode(program), 0754u);
}

TEST_F(QvresTool, ListsAndExtractsTheBuiltInSection) {
    const test::TRunResult list = Qvres({"list", "/proc/self/exe"});  // that is qvres itself
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "");
    char self[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const test::TRunResult mine = Qvres({"list", self});
    EXPECT_EQ(mine.status, 0) << mine.err;
    EXPECT_EQ(mine.out,
              "built-in\t10\tHELLO\t0\t32\nbuilt-in\t3\t1\t1033\t7\nbuilt-in\t14\tMAINICONDEFAULT\t0\t1150\n"
              "built-in\t10\t7\t1041\t14\n");
    EXPECT_EQ(Qvres({"extract", self, "10", "7"}).out,
              [] {
                  const Bytes b = ReadWholeFile(test::DataPath("valid/resources/info-ja.txt"));
                  return std::string(b.begin(), b.end());
              }());
}

TEST_F(QvresTool, PackWritesTheStreamTheBuildLinksIn) {
    const std::string out = FDir.File("out.res");
    const test::TRunResult r =
        Qvres({"pack", out, "10", "verresbin", "0", Data("v.bin", "version"), "14", "1", "1041", Data("g.bin", "g")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<ResEntry> entries = TResStreamReader::Read(ReadWholeFile(out));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, ResId::Name("VERRESBIN"));
    EXPECT_EQ(entries[0].data, test::BytesOf("version"));
    EXPECT_EQ(entries[1].type, ResId::Number(14));
    EXPECT_EQ(entries[1].name, ResId::Number(1));
    EXPECT_EQ(entries[1].language, 1041);
}

TEST_F(QvresTool, DamagedFilesGiveAClearErrorAndStatusOne) {
    const std::string folder = test::DataPath("invalid/resources");
    DIR* dir = ::opendir(folder.c_str());
    ASSERT_NE(dir, nullptr);
    std::vector<std::string> files;
    while (const dirent* d = ::readdir(dir)) {
        const std::string name = d->d_name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".bin") == 0) files.push_back(folder + "/" + name);
    }
    ::closedir(dir);
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const test::TRunResult list = Qvres({"list", file});
        EXPECT_EQ(list.status, 1);
        EXPECT_NE(list.err.find("qvres: " + file + ": "), std::string::npos) << list.err;
        const test::TRunResult extract = Qvres({"extract", file, "10", "HELLO"});
        EXPECT_EQ(extract.status, 1);
        EXPECT_NE(extract.err.find("no such resource (type 10, name HELLO)"), std::string::npos) << extract.err;
        EXPECT_EQ(extract.out, "");
    }
    EXPECT_EQ(Qvres({"list", FDir.File("missing")}).status, 1);
    EXPECT_EQ(Qvres({"add", FDir.File("missing"), "10", "A", "0", Data("d", "x")}).status, 1);
    EXPECT_EQ(Qvres({"add", Data("p", "x"), "10", "A", "0", FDir.File("missing")}).status, 1);
}

TEST(QvresCommand, WrongArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate", "x"},
        {"list"},
        {"list", "a", "b"},
        {"extract", "f", "10"},
        {"extract", "f", "10", "N", "english"},
        {"extract", "f", "10", "N", "65536"},
        {"extract", "f", "10", "70000"},
        {"extract", "f", "", "N"},
        {"add", "f", "10", "N", "0"},
        {"add", "f", "10", "N", "-1", "d"},
        {"pack"},
        {"pack", "out.res", "10", "N", "0"},
    };
    for (const auto& args : cases) {
        std::ostringstream out, err;
        TQvresCommand command(out, err);
        EXPECT_EQ(command.Run(args), TQvresCommand::KUsage) << (args.empty() ? "" : args[0]);
        EXPECT_NE(err.str().find("usage: qvres list FILE"), std::string::npos);
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(Qvres({"extract"}).status, 2);
}

TEST(QvresCommand, NumbersAndNamesAreParsedAsDocumented) {
    const struct {
        const char* text;
        bool ok;
        bool isNumber;
        const char* shown;
    } cases[] = {
        {"0", true, true, "0"},          {"65535", true, true, "65535"}, {"00014", true, true, "14"},
        {"65536", false, false, ""},     {"123456", false, false, ""},   {"", false, false, ""},
        {"abc", true, false, "ABC"},     {"14a", true, false, "14A"},    {"-1", true, false, "-1"},
        {"日本", true, false, "日本"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ResId id;
        ASSERT_EQ(TQvresCommand::ParseId(c.text, id), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(id.IsNumber(), c.isNumber);
        EXPECT_EQ(id.ToString(), c.shown);
    }
}

}  // namespace
}  // namespace qv
