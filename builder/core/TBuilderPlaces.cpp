#include "builder/core/TBuilderPlaces.h"

#include <unistd.h>

#include <cstdlib>

#include "common/PathEdit.h"
#include "platform/FileIO.h"
#include "platform/SystemInfo.h"

namespace qv {
namespace {

// The user name is asked with a buffer of 128 characters: a longer name cannot be told.
constexpr size_t kUserNameBuffer = 128;

std::string ConfigHomeFromEnvironment() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return config;
    const std::string home = GetHomeDirectory();
    return home.empty() ? std::string() : AppendBackslash(home) + ".config";
}

// A folder that does not exist yet can be made when its nearest existing ancestor is a folder
// we may write into (a file on the way makes it impossible).
bool CanBeMade(const std::string& dir) {
    std::string probe = ExtractFileDir(dir);
    while (!probe.empty() && !IsPathRoot(probe) && !DirectoryExists(probe) && !FileExists(probe))
        probe = ExtractFileDir(probe);
    return DirectoryExists(probe) && ::access(probe.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

TBuilderPlaces TBuilderPlaces::FromSystem() {
    TBuilderPlaces places;
    places.ProgramDir = GetProgramDir();
    places.ConfigHome = ConfigHomeFromEnvironment();
    places.UserName = GetLoginUserName();
    if (places.UserName.size() >= kUserNameBuffer) places.UserName.clear();
    return places;
}

std::string TBuilderPlaces::SettingsFileName() const { return UserName + ".ini"; }

std::string TBuilderPlaces::ProgramSettingsDir() const {
    return ProgramDir.empty() ? std::string() : AppendBackslash(ProgramDir) + "user/";
}

std::string TBuilderPlaces::ConfigSettingsDir() const {
    return ConfigHome.empty() ? std::string() : AppendBackslash(ConfigHome) + "quorvane/";
}

std::string TBuilderPlaces::SettingsFileToRead() const {
    const std::string own = ProgramSettingsDir();
    if (!own.empty() && (DirectoryExists(own) || CanBeMade(own))) return own + SettingsFileName();
    const std::string config = ConfigSettingsDir();
    return config.empty() ? std::string() : config + SettingsFileName();
}

std::string TBuilderPlaces::SettingsFileToWrite() const {
    for (const std::string& dir : {ProgramSettingsDir(), ConfigSettingsDir()})
        if (!dir.empty() && ForceDirectories(dir)) return dir + SettingsFileName();
    return std::string();
}

}  // namespace qv
