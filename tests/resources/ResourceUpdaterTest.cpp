// Updating the overlay of a file: begin keeps what is there, update adds or replaces by type,
// name and language, end writes the file back still runnable with its mode, and a failure
// leaves the original as it was.
#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <spawn.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileIO.h"
#include "platform/TOverlay.h"
#include "platform/TResourceUpdater.h"
#include "tests/resources/ResTestSupport.h"

extern char** environ;

namespace qv {
namespace {

using test::BytesOf;

class ResourceUpdater : public ::testing::Test {
protected:
    std::string Program(unsigned mode = 0751) {
        const std::string path = FDir.File("program.run");
        test::CopyFile("/bin/true", path);
        ::chmod(path.c_str(), mode);
        return path;
    }

    static std::vector<ResEntry> OverlayOf(const std::string& path) {
        const TOverlay::TInfo info = TOverlay::ReadFile(path);
        EXPECT_EQ(info.state, TOverlay::EState::Found) << info.error;
        return info.entries;
    }

    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        DIR* dir = ::opendir(FDir.Path().c_str());
        while (const dirent* d = dir ? ::readdir(dir) : nullptr) {
            const std::string name = d->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        if (dir) ::closedir(dir);
        return names;
    }

    test::TTempDir FDir;
};

TEST_F(ResourceUpdater, BeginFailsWhereTheFileCannotBeUpdated) {
    EXPECT_EQ(TResourceUpdater::Begin(""), nullptr);
    EXPECT_EQ(TResourceUpdater::Begin(FDir.File("missing")), nullptr);
    EXPECT_EQ(TResourceUpdater::Begin(FDir.Path()), nullptr);
    const std::string path = Program(0555);
    if (::geteuid() == 0) {
        // Permission bits do not bind the superuser, so a read-only mode is no refusal then.
        EXPECT_NE(TResourceUpdater::Begin(path), nullptr);
        return;
    }
    EXPECT_EQ(TResourceUpdater::Begin(path), nullptr);
    ::chmod(path.c_str(), 0755);
    ::chmod(FDir.Path().c_str(), 0555);
    EXPECT_EQ(TResourceUpdater::Begin(path), nullptr);
}

TEST_F(ResourceUpdater, AddsAndReplacesAndTheProgramStillRunsWithItsMode) {
    const std::string path = Program(0751);
    const Bytes original = ReadWholeFile(path);
    auto u = TResourceUpdater::Begin(path);
    ASSERT_NE(u, nullptr);
    u->Update(ResId::Number(10), ResId::Name("info"), 0, BytesOf("first").data(), 5);
    u->Update(ResId::Number(10), ResId::Name("INFO"), 1041, BytesOf("ja").data(), 2);
    u->Update(ResId::Number(3), ResId::Number(1), 0, nullptr, 0);
    u->Update(ResId::Number(10), ResId::Name("Info"), 0, BytesOf("second!").data(), 7);  // replaces the first
    ASSERT_TRUE(u->End()) << u->Error();

    const Bytes written = ReadWholeFile(path);
    ASSERT_GT(written.size(), original.size());
    EXPECT_TRUE(std::equal(original.begin(), original.end(), written.begin()));
    const std::vector<ResEntry> entries = OverlayOf(path);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, ResId::Name("INFO"));
    EXPECT_EQ(entries[0].language, 0);
    EXPECT_EQ(entries[0].data, BytesOf("second!"));
    EXPECT_EQ(entries[1].language, 1041);
    EXPECT_EQ(entries[1].data, BytesOf("ja"));
    EXPECT_EQ(entries[2].name, ResId::Number(1));
    EXPECT_TRUE(entries[2].data.empty());
    EXPECT_EQ(test::FileMode(path), 0751u);
    EXPECT_EQ(test::Run({path}).status, 0);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"program.run"});  // no temporary file left
}

TEST_F(ResourceUpdater, BeginKeepsEveryResourceAlreadyInTheOverlay) {
    const std::string path = Program();
    auto u = TResourceUpdater::Begin(path);
    u->Update(ResId::Number(10), ResId::Name("A"), 0, BytesOf("a").data(), 1);
    u->Update(ResId::Number(14), ResId::Number(2), 1033, BytesOf("bb").data(), 2);
    ASSERT_TRUE(u->End());
    const size_t firstSize = ReadWholeFile(path).size();

    u = TResourceUpdater::Begin(path);
    ASSERT_NE(u, nullptr);
    ASSERT_EQ(u->Entries().size(), 2u);
    u->Update(ResId::Number(10), ResId::Name("C"), 0, BytesOf("ccc").data(), 3);
    u->Update(ResId::Number(14), ResId::Number(2), 1033, BytesOf("BB").data(), 2);
    ASSERT_TRUE(u->End());
    const std::vector<ResEntry> entries = OverlayOf(path);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].data, BytesOf("a"));
    EXPECT_EQ(entries[1].data, BytesOf("BB"));
    EXPECT_EQ(entries[2].data, BytesOf("ccc"));
    // The old overlay was replaced, not stacked: one record (32-byte header, 4 bytes of data)
    // more than before.
    EXPECT_EQ(ReadWholeFile(path).size(), firstSize + 32 + 4);
    EXPECT_EQ(test::Run({path}).status, 0);
}

TEST_F(ResourceUpdater, DamagedOverlayStaysAsBytesAndANewOneFollows) {
    const std::string path = FDir.File("damaged.bin");
    test::CopyFile(test::DataPath("invalid/resources/trailer-outside.bin"), path);
    const Bytes original = ReadWholeFile(path);
    auto u = TResourceUpdater::Begin(path);
    ASSERT_NE(u, nullptr);
    EXPECT_TRUE(u->Entries().empty());
    u->Update(ResId::Number(10), ResId::Name("NEW"), 0, BytesOf("x").data(), 1);
    ASSERT_TRUE(u->End());
    const Bytes written = ReadWholeFile(path);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), written.begin()));
    const std::vector<ResEntry> entries = OverlayOf(path);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, ResId::Name("NEW"));
}

TEST_F(ResourceUpdater, SymbolicLinkIsFollowedAndStaysALink) {
    const std::string target = Program();
    const std::string link = FDir.File("link.run");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    auto u = TResourceUpdater::Begin(link);
    ASSERT_NE(u, nullptr);
    u->Update(ResId::Number(10), ResId::Name("A"), 0, BytesOf("a").data(), 1);
    ASSERT_TRUE(u->End());
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(OverlayOf(target).size(), 1u);
}

TEST_F(ResourceUpdater, UpdatesAProgramWhileItRuns) {
    const std::string path = FDir.File("sleeper.run");
    test::CopyFile("/bin/sleep", path);
    char arg0[] = "sleeper", arg1[] = "30";
    char* argv[] = {arg0, arg1, nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ), 0);
    auto u = TResourceUpdater::Begin(path);
    ASSERT_NE(u, nullptr);
    u->Update(ResId::Number(10), ResId::Name("A"), 0, BytesOf("a").data(), 1);
    const bool ended = u->End();
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ASSERT_TRUE(ended) << u->Error();  // a file being executed cannot be opened for writing
    EXPECT_EQ(OverlayOf(path).size(), 1u);
}

TEST_F(ResourceUpdater, FailedEndLeavesTheFileAsItWas) {
    const std::string path = Program();
    auto u = TResourceUpdater::Begin(path);
    ASSERT_NE(u, nullptr);
    // Someone else cuts the file down between begin and end.
    WriteWholeFile(path, BytesOf("short"));
    u->Update(ResId::Number(10), ResId::Name("A"), 0, BytesOf("a").data(), 1);
    EXPECT_FALSE(u->End());
    EXPECT_NE(u->Error().find("shrank"), std::string::npos) << u->Error();
    EXPECT_EQ(ReadWholeFile(path), BytesOf("short"));
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"program.run"});
}

TEST_F(ResourceUpdater, ThousandsOfResourcesKeepTheirOrderAndLatestBytes) {
    const std::string path = Program();
    auto u = TResourceUpdater::Begin(path);
    ASSERT_NE(u, nullptr);
    const int count = 5000;
    u->Reserve(count);
    for (int i = 0; i < count; ++i)
        u->Update(ResId::Number(3), ResId::Number(static_cast<uint16_t>(i + 1)), 0, Bytes(i % 50, static_cast<uint8_t>(i)));
    for (int i = 0; i < count; i += 2)
        u->Update(ResId::Number(3), ResId::Number(static_cast<uint16_t>(i + 1)), 0, Bytes(3, 0xEE));
    ASSERT_TRUE(u->End());
    const std::vector<ResEntry> entries = OverlayOf(path);
    ASSERT_EQ(entries.size(), static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        ASSERT_EQ(entries[i].name, ResId::Number(static_cast<uint16_t>(i + 1)));
        ASSERT_EQ(entries[i].data, i % 2 ? Bytes(i % 50, static_cast<uint8_t>(i)) : Bytes(3, 0xEE)) << i;
    }
}

}  // namespace
}  // namespace qv
