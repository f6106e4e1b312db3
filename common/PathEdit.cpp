#include "common/PathEdit.h"

#include <dirent.h>
#include <limits.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "platform/CaseFold.h"
#include "platform/CodePage.h"

namespace qv {
namespace {

// Length of the folder part of path's first len bytes (see ExtractFileDir); always shorter than
// len unless those bytes are a root.
size_t FolderLength(const std::string& path, size_t len) {
    const size_t slash = path.rfind(PathDelim, len == 0 ? 0 : len - 1);
    if (len == 0 || slash == std::string::npos) return 0;
    size_t end = slash + 1;
    const size_t firstName = path.find_first_not_of(PathDelim);
    if (end <= firstName) return end;  // nothing but delimiters: a root
    while (end > 0 && path[end - 1] == PathDelim) --end;
    return end;
}

struct DirCloser {
    DIR* dir;
    ~DirCloser() {
        if (dir) closedir(dir);
    }
};

// The stored name of the entry that lstat found as st: the same name, else the entry with the
// same inode (a file system that matched without regard to case), else the name as given.
std::string StoredName(const std::string& folder, const std::string& name, const struct stat& st) {
    const DirCloser d{opendir(folder.c_str())};
    if (!d.dir) return name;
    std::string sameInode;
    while (const dirent* entry = readdir(d.dir)) {
        if (name == entry->d_name) return name;
        if (entry->d_ino != st.st_ino) continue;
        if (SameTextIgnoreCase(std::string_view(entry->d_name), name)) return entry->d_name;
        if (sameInode.empty()) sameInode = entry->d_name;
    }
    return sameInode.empty() ? name : sameInode;
}

}  // namespace

std::string AppendBackslash(const std::string& path) {
    return !path.empty() && path.back() == PathDelim ? path : path + PathDelim;
}

bool IsPathRoot(const std::string& path) {
    return !path.empty() && path.find_first_not_of(PathDelim) == std::string::npos;
}

std::string ExtractFilePath(const std::string& path) {
    const size_t slash = path.rfind(PathDelim);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExtractFileDir(const std::string& path) { return path.substr(0, FolderLength(path, path.size())); }

std::string ExtractFileName(const std::string& path) {
    const size_t slash = path.rfind(PathDelim);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtractFileExt(const std::string& path) {
    const std::string name = ExtractFileName(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    const size_t nameStart = path.size() - ExtractFileName(path).size();
    const size_t dot = path.rfind('.');
    return (dot == std::string::npos || dot < nameStart ? path : path.substr(0, dot)) + ext;
}

std::string FindLongName(const std::string& path) {
    if (path.empty() || path.back() == PathDelim || path.size() >= PATH_MAX) return {};
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return {};
    const std::string folder = ExtractFilePath(path);
    return StoredName(folder.empty() ? "." : folder, ExtractFileName(path), st);
}

std::string ExpandLongPath(const std::string& path) {
    // The folder parts down to a root or to nothing, as prefix lengths; then up again, one stored
    // name at a time.
    std::vector<size_t> lengths;
    size_t len = path.size();
    const size_t firstName = path.find_first_not_of(PathDelim);
    while (len > 0 && len > firstName) {
        lengths.push_back(len);
        len = FolderLength(path, len);
    }
    std::string result = path.substr(0, len);
    for (auto it = lengths.rbegin(); it != lengths.rend(); ++it) {
        if (!result.empty() && result.back() != PathDelim) result += PathDelim;
        if (*it < PATH_MAX) result += FindLongName(path.substr(0, *it));
    }
    return result;
}

std::string ExpandLongFileName(const std::string& path) {
    const std::string folder = ExpandLongPath(ExtractFileDir(path));
    if (ExtractFileName(path).empty()) return folder;
    return (folder.empty() ? folder : AppendBackslash(folder)) + FindLongName(path);
}

std::string NormalizeRelativeName(const std::string& name) {
    std::string out = name;
    if (name.find('\\') == std::string::npos) return out;
    if (SystemCodePageIsUtf8() || IsAscii(name)) {
        std::replace(out.begin(), out.end(), '\\', PathDelim);
        return out;
    }
    for (size_t i = 0; i < out.size(); i += std::max<size_t>(1, AnsiCharLength(name, i)))
        if (out[i] == '\\') out[i] = PathDelim;
    return out;
}

}  // namespace qv
