#include "platform/SystemInfo.h"

#include <limits.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "platform/FileIO.h"

namespace qv {

namespace {

std::string EnvOrEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

const passwd* EffectiveUserEntry() {
    return getpwuid(geteuid());
}

// The value of one user-dirs.dirs line `NAME="value"`, with backslash escapes resolved; false
// when the line is not an assignment of `name` with a quoted value.
bool QuotedValueOf(const std::string& line, const std::string& name, std::string& value) {
    size_t pos = line.find_first_not_of(" \t");
    if (pos == std::string::npos || line.compare(pos, name.size(), name) != 0) return false;
    pos += name.size();
    if (pos + 1 >= line.size() || line[pos] != '=' || line[pos + 1] != '"') return false;
    value.clear();
    for (pos += 2; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') return true;
        if (c == '\\' && pos + 1 < line.size()) c = line[++pos];
        value += c;
    }
    return false;  // no closing quotation mark
}

std::string ReadTextFileOrEmpty(const std::string& path) {
    try {
        Bytes data = ReadWholeFile(path);
        return std::string(data.begin(), data.end());
    } catch (const std::exception&) {
        return std::string();
    }
}

}  // namespace

std::string GetTempDirectory() {
    std::string dir = EnvOrEmpty("TMPDIR");
    return dir.empty() ? std::string("/tmp") : WithoutTrailingSlashes(dir);
}

std::string GetHomeDirectory() {
    std::string home = EnvOrEmpty("HOME");
    if (home.empty()) {
        const passwd* entry = EffectiveUserEntry();
        if (entry && entry->pw_dir) home = entry->pw_dir;
    }
    return WithoutTrailingSlashes(home);
}

std::string DesktopDirFromUserDirs(const std::string& userDirsText, const std::string& home) {
    std::istringstream lines(userDirsText);
    std::string line, value, found;
    while (std::getline(lines, line)) {
        if (QuotedValueOf(line, "XDG_DESKTOP_DIR", value)) found = value;  // the last one counts
    }
    static const std::string homeVar = "$HOME";
    if (found.compare(0, homeVar.size(), homeVar) == 0) {
        std::string rest = found.substr(homeVar.size());
        if (!rest.empty() && rest[0] != '/') return std::string();  // "$HOMEX" is no home path
        if (home.empty() || WithoutTrailingSlashes(rest).size() <= 1) return std::string();
        return WithoutTrailingSlashes(home + rest);
    }
    if (found.empty() || found[0] != '/') return std::string();
    found = WithoutTrailingSlashes(found);
    return found == home ? std::string() : found;
}

std::string GetDesktopDirectory() {
    const std::string home = GetHomeDirectory();
    std::string config = EnvOrEmpty("XDG_CONFIG_HOME");
    if (config.empty() || config[0] != '/') config = home.empty() ? std::string() : home + "/.config";
    std::string desktop;
    if (!config.empty()) desktop = DesktopDirFromUserDirs(ReadTextFileOrEmpty(config + "/user-dirs.dirs"), home);
    if (desktop.empty() && !home.empty()) desktop = home + "/Desktop";
    return !desktop.empty() && DirectoryExists(desktop) ? desktop : std::string();
}

std::string GetLoginUserName() {
    const passwd* entry = EffectiveUserEntry();
    return entry && entry->pw_name ? std::string(entry->pw_name) : std::string();
}

std::string GetComputerName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0) return std::string();
    return std::string(name);
}

std::string GetProgramDir() {
    std::vector<char> buffer(PATH_MAX + 1);
    ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) return std::string();
    std::string exe(buffer.data(), static_cast<size_t>(length));
    size_t slash = exe.rfind('/');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash + 1);
}

}  // namespace qv
