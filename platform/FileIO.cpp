#include "platform/FileIO.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Errors.h"

namespace qv {
namespace {

std::string Reason(int err) { return std::strerror(err); }

// Closes the descriptor on every path out of the caller.
struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

Bytes ReadWholeFile(const std::string& path) {
    Fd f{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    if (f.fd < 0 || ::fstat(f.fd, &st) != 0)
        throw EFOpenError("Cannot open file \"" + path + "\". " + Reason(errno));
    if (S_ISDIR(st.st_mode)) throw EFOpenError("Cannot open file \"" + path + "\". " + Reason(EISDIR));
    Bytes data;
    if (S_ISREG(st.st_mode)) data.reserve(static_cast<size_t>(st.st_size));
    uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(f.fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw EFOpenError("Cannot open file \"" + path + "\". " + Reason(errno));
        }
        if (n == 0) break;
        data.insert(data.end(), chunk, chunk + n);
    }
    return data;
}

void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size) {
    // Overwritten in place and cut to size afterwards: emptying a file that has blocks makes
    // ext4 flush it on close, which costs milliseconds for every small settings or text file.
    Fd f{::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666)};
    if (f.fd < 0) throw EFCreateError("Cannot create file \"" + path + "\". " + Reason(errno));
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(f.fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw EFCreateError("Cannot create file \"" + path + "\". " + Reason(errno));
        }
        done += static_cast<size_t>(n);
    }
    struct stat st {};
    if (::fstat(f.fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size != static_cast<off_t>(size) &&
        ::ftruncate(f.fd, static_cast<off_t>(size)) != 0)
        throw EFCreateError("Cannot create file \"" + path + "\". " + Reason(errno));
    const int fd = f.fd;
    f.fd = -1;
    if (::close(fd) != 0) throw EFCreateError("Cannot create file \"" + path + "\". " + Reason(errno));
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& path) {
    if (path.empty()) return false;
    std::string p = path;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    if (DirectoryExists(p)) return true;
    const size_t slash = p.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !ForceDirectories(p.substr(0, slash))) return false;
    return ::mkdir(p.c_str(), 0777) == 0 || (errno == EEXIST && DirectoryExists(p));
}

bool DeleteFileIfExists(const std::string& path) { return ::unlink(path.c_str()) == 0; }

}  // namespace qv
