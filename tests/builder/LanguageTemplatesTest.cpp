// Language templates: where a template name points, and a template file read whole in whichever
// encoding its first bytes announce; files that cannot be read fail with the file's name.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "builder/core/LanguageTemplates.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "tests/text/CodePageScope.h"
#include "tests/text/TempFolder.h"

namespace qv {
namespace {

TEST(LanguageTemplates, ANameWithAnExistingFolderStandsAsItIsAndAnyOtherIsInTheProgramFolder) {
    test::TempFolder folder;
    const std::string dir = folder.Path() + "/";
    const struct {
        std::string Name;
        std::string Path;
    } cases[] = {
        {"english_sys.dat", "/prog/english_sys.dat"},
        {dir + "mine.dat", dir + "mine.dat"},  // the file need not exist
        {dir + "none/mine.dat", "/prog/" + dir + "none/mine.dat"},
        {"sub/x.dat", "/prog/sub/x.dat"},
        {"", "/prog/"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolveTemplatePath(c.Name, "/prog/"), c.Path) << c.Name;
}

TEST(LanguageTemplates, EveryEncodingIsReadWholeWithLinesEndingInCrLf) {
    test::TempFolder folder;
    const std::string path = folder.Path() + "/t.dat";
    const struct {
        const char* What;
        const char* CodePage;
        Bytes File;
        std::u16string Text;
    } cases[] = {
        {"UTF-8 with mark", "UTF-8", {0xEF, 0xBB, 0xBF, 'a', '=', 0xED, 0x95, 0x9C, '\n', 'b', '=', '1'}, u"a=\uD55C\r\nb=1\r\n"},
        {"UTF-8 without mark", "UTF-8", {'a', '=', 0xED, 0x95, 0x9C, '\r', 'b'}, u"a=\uD55C\r\nb\r\n"},
        {"UTF-16LE", "CP932", {0xFF, 0xFE, 'a', 0, '=', 0, 0x5C, 0xD5, '\r', 0, '\n', 0}, u"a=\uD55C\r\n"},
        {"UTF-16BE", "CP932", {0xFE, 0xFF, 0, 'a', 0, '=', 0xD5, 0x5C}, u"a=\uD55C\r\n"},
        {"system code page CP932", "CP932", {'a', '=', 0x82, 0xA0, '\n'}, u"a=\u3042\r\n"},
        {"binary: stops at NUL, bad bytes replaced", "UTF-8", {0xFF, 0x80, 'x', 0x00, 'y', 0x01}, u"\uFFFD\uFFFDx\r\n"},
        {"empty", "UTF-8", {}, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        test::CodePageScope codePage(c.CodePage);
        WriteWholeFile(path, c.File);
        EXPECT_EQ(ReadTemplateText(path), c.Text);
    }
}

TEST(LanguageTemplates, WhatCannotBeReadFailsNamingTheFileWithoutBlocking) {
    test::TempFolder folder;
    const std::string pipe = folder.Path() + "/pipe.dat";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {pipe, folder.Path(), folder.Path() + "/missing.dat", std::string("/proc/self/mem")}) {
        try {
            ReadTemplateText(path);
            ADD_FAILURE() << path << " was read";
        } catch (const EFOpenError& e) {
            EXPECT_NE(std::string(e.what()).find("\"" + path + "\""), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace qv
