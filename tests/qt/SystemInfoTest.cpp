#include "platform/SystemInfo.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/FileIO.h"

namespace qv {
namespace {

struct TUserDirsCase {
    const char* Text;
    const char* Expected;
};

TEST(SystemInfo, DesktopEntryOfUserDirs) {
    const TUserDirsCase cases[] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", "/home/u/Desktop"},
        {"# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n  XDG_DESKTOP_DIR=\"$HOME/デスクトップ/\"\n",
         "/home/u/デスクトップ"},
        {"XDG_DESKTOP_DIR=\"/data/desk/\"", "/data/desk"},
        {"XDG_DESKTOP_DIR=\"$HOME/a\"\nXDG_DESKTOP_DIR=\"$HOME/b\"\n", "/home/u/b"},  // last wins
        {"XDG_DESKTOP_DIR=\"$HOME/My \\\"Desk\\\"\"", "/home/u/My \"Desk\""},
        {"#XDG_DESKTOP_DIR=\"$HOME/Desktop\"", ""},
        {"XDG_DESKTOP_DIR=\"$HOME/\"", ""},        // the home folder itself: disabled
        {"XDG_DESKTOP_DIR=\"$HOME\"", ""},
        {"XDG_DESKTOP_DIR=\"/home/u\"", ""},
        {"XDG_DESKTOP_DIR=\"$HOMEDIR/x\"", ""},
        {"XDG_DESKTOP_DIR=\"Desktop\"", ""},       // relative
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop", ""},   // no closing quotation mark
        {"XDG_DESKTOP_DIR=$HOME/Desktop", ""},     // not quoted
        {"XDG_DESKTOP_DIRS=\"$HOME/Desktop\"", ""},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Docs\"", ""},
        {"", ""},
    };
    for (const TUserDirsCase& c : cases)
        EXPECT_EQ(DesktopDirFromUserDirs(c.Text, "/home/u"), c.Expected) << c.Text;
    EXPECT_EQ(DesktopDirFromUserDirs("XDG_DESKTOP_DIR=\"$HOME/Desktop\"", ""), "");
}

// Points HOME, XDG_CONFIG_HOME and TMPDIR at a scratch folder for one test.
class SystemInfoEnv : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/qvsysinfoXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        FRoot = pattern;
        Save("HOME");
        Save("XDG_CONFIG_HOME");
        Save("TMPDIR");
        setenv("HOME", FRoot.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override {
        for (const auto& saved : FSaved) {
            if (saved.second.first) setenv(saved.first.c_str(), saved.second.second.c_str(), 1);
            else unsetenv(saved.first.c_str());
        }
        std::string command = "rm -rf '" + FRoot + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    void Save(const char* name) {
        const char* value = std::getenv(name);
        FSaved.push_back({name, {value != nullptr, value ? value : ""}});
    }
    void WriteUserDirs(const std::string& configDir, const std::string& text) {
        ASSERT_TRUE(ForceDirectories(configDir));
        WriteWholeFile(configDir + "/user-dirs.dirs", reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }

    std::string FRoot;
    std::vector<std::pair<std::string, std::pair<bool, std::string>>> FSaved;
};

TEST_F(SystemInfoEnv, DesktopFolderOnlyWhenItExists) {
    EXPECT_EQ(GetDesktopDirectory(), "");  // neither a user-dirs entry nor ~/Desktop

    ASSERT_TRUE(ForceDirectories(FRoot + "/Desktop"));
    EXPECT_EQ(GetDesktopDirectory(), FRoot + "/Desktop");

    // The configured folder wins over ~/Desktop, and only counts while it exists.
    WriteUserDirs(FRoot + "/.config", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(GetDesktopDirectory(), "");
    ASSERT_TRUE(ForceDirectories(FRoot + "/Schreibtisch"));
    EXPECT_EQ(GetDesktopDirectory(), FRoot + "/Schreibtisch");

    // $XDG_CONFIG_HOME moves the file; a relative one is ignored.
    WriteUserDirs(FRoot + "/cfg", "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n");
    setenv("XDG_CONFIG_HOME", (FRoot + "/cfg").c_str(), 1);
    EXPECT_EQ(GetDesktopDirectory(), FRoot + "/Desktop");
    setenv("XDG_CONFIG_HOME", "cfg", 1);
    EXPECT_EQ(GetDesktopDirectory(), FRoot + "/Schreibtisch");
}

TEST_F(SystemInfoEnv, TempFolderFromTmpdir) {
    unsetenv("TMPDIR");
    EXPECT_EQ(GetTempDirectory(), "/tmp");
    setenv("TMPDIR", "", 1);
    EXPECT_EQ(GetTempDirectory(), "/tmp");
    setenv("TMPDIR", (FRoot + "//").c_str(), 1);
    EXPECT_EQ(GetTempDirectory(), FRoot);
    setenv("TMPDIR", "/", 1);
    EXPECT_EQ(GetTempDirectory(), "/");
}

std::string CommandOutput(const char* command) {
    std::string out;
    if (FILE* pipe = popen(command, "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
        pclose(pipe);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    return out;
}

TEST(SystemInfo, UserComputerAndProgramFolder) {
    EXPECT_EQ(GetLoginUserName(), CommandOutput("id -un"));
    std::ifstream hostFile("/proc/sys/kernel/hostname");
    std::string host;
    std::getline(hostFile, host);
    EXPECT_EQ(GetComputerName(), host);

    const std::string dir = GetProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(FileExists(dir + "qt_services_test"));
}

}  // namespace
}  // namespace qv
