#include "tests/resources/ResTestSupport.h"

#include <fcntl.h>
#include <ftw.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/FileIO.h"

extern char** environ;

namespace qv::test {
namespace {

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return ::remove(path); }

std::string ReadText(const std::string& path) {
    const Bytes b = ReadWholeFile(path);
    return std::string(b.begin(), b.end());
}

}  // namespace

TTempDir::TTempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/qvres-test-XXXXXX";
    if (!::mkdtemp(&pattern[0])) throw std::runtime_error("mkdtemp failed");
    FPath = pattern;
}

TTempDir::~TTempDir() {
    ::chmod(FPath.c_str(), 0700);  // a test may have made it read-only
    ::nftw(FPath.c_str(), &RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

TRunResult Run(const std::vector<std::string>& argv) {
    TTempDir dir;
    const std::string outPath = dir.File("out"), errPath = dir.File("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    TRunResult result;
    if (rc != 0) return result;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadText(outPath);
    result.err = ReadText(errPath);
    return result;
}

std::string QvresPath() { return std::string(QV_BIN_DIR) + "/qvres"; }

std::string WindresPath() {
    for (const char* p : {"/usr/bin/i686-w64-mingw32-windres", "/usr/local/bin/i686-w64-mingw32-windres"})
        if (::access(p, X_OK) == 0) return p;
    return "";
}

std::string DataPath(const std::string& relative) { return std::string(QV_TEST_DATA) + "/" + relative; }

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

void CopyFile(const std::string& from, const std::string& to) {
    WriteWholeFile(to, ReadWholeFile(from));
    ::chmod(to.c_str(), FileMode(from));
}

unsigned FileMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 0;
    return st.st_mode & 07777;
}

ResEntry MakeEntry(const ResId& type, const ResId& name, uint16_t language, const Bytes& data) {
    ResEntry e;
    e.type = type;
    e.name = name;
    e.language = language;
    e.data = data;
    return e;
}

}  // namespace qv::test
