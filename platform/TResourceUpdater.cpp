#include "platform/TResourceUpdater.h"

#include <cerrno>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Errors.h"
#include "platform/TFdGatherSink.h"
#include "platform/TOverlay.h"
#include "platform/TResStreamWriter.h"

namespace qv {
namespace {

std::string Folder(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw EFCreateError(what + " \"" + path + "\". " + std::strerror(errno));
}

// Closes the descriptor and, unless kept, removes the file under the temporary name on every
// path out (the new file after a failure, the old one after a successful swap).
struct TTempFile {
    int fd = -1;
    std::string path;
    bool keep = false;
    ~TTempFile() {
        if (fd >= 0) ::close(fd);
        if (!keep && !path.empty()) ::unlink(path.c_str());
    }
};

struct TSourceFile {
    int fd;
    ~TSourceFile() {
        if (fd >= 0) ::close(fd);
    }
};

// Copies the first size bytes of from into to, in the kernel where it can.
void CopyPrefix(int from, int to, uint64_t size, const std::string& path) {
    off_t offset = 0;
    while (static_cast<uint64_t>(offset) < size) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(size - offset, 1u << 30));
        const ssize_t n = ::copy_file_range(from, &offset, to, nullptr, want, 0);
        if (n > 0) continue;
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) {
            errno = EIO;
            Fail("File shrank while it was updated:", path);
        }
        break;  // not supported between these files: copy by hand from here
    }
    std::vector<uint8_t> buffer(1 << 20);
    while (static_cast<uint64_t>(offset) < size) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(size - offset, buffer.size()));
        const ssize_t n = ::pread(from, buffer.data(), want, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            Fail("Cannot read file", path);
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(to, buffer.data() + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w < 0) Fail("Cannot write file", path);
            done += w;
        }
        offset += n;
    }
}

}  // namespace

std::unique_ptr<TResourceUpdater> TResourceUpdater::Begin(const std::string& path) {
    char resolved[PATH_MAX];
    if (path.empty() || !::realpath(path.c_str(), resolved)) return nullptr;
    const int fd = ::open(resolved, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    TSourceFile source{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
    if (::access(resolved, W_OK) != 0 || ::access(Folder(resolved).c_str(), W_OK | X_OK) != 0) return nullptr;
    TOverlay::TInfo overlay = TOverlay::ReadFd(fd, resolved);
    std::unique_ptr<TResourceUpdater> updater(new TResourceUpdater());
    updater->FPath = resolved;
    // A damaged overlay is kept as part of the file: bytes we do not understand are not dropped.
    updater->FPrefixSize = overlay.prefixSize;
    updater->Reserve(overlay.entries.size());
    for (ResEntry& e : overlay.entries) {
        ResEntry& slot = updater->Slot(e.type, e.name, e.language);
        slot = std::move(e);
    }
    return updater;
}

void TResourceUpdater::Reserve(size_t resources) {
    FEntries.reserve(resources);
    FIndex.reserve(resources);
}

ResEntry& TResourceUpdater::Slot(const ResId& type, const ResId& name, uint16_t language) {
    const auto inserted = FIndex.emplace(TResKey{type, name, language}, FEntries.size());
    if (inserted.second) {
        FEntries.emplace_back();
        ResEntry& e = FEntries.back();
        e.type = type;
        e.name = name;
        e.language = language;
        return e;
    }
    return FEntries[inserted.first->second];
}

void TResourceUpdater::Update(const ResId& type, const ResId& name, uint16_t language, const uint8_t* data,
                              size_t size) {
    Bytes& bytes = Slot(type, name, language).data;
    if (size)
        bytes.assign(data, data + size);
    else
        bytes.clear();
}

void TResourceUpdater::Update(const ResId& type, const ResId& name, uint16_t language, Bytes&& data) {
    Slot(type, name, language).data = std::move(data);
}

void TResourceUpdater::WriteFile() {
    TResStreamWriter writer;
    writer.Reserve(FEntries.size());
    for (const ResEntry& e : FEntries) writer.Add(e);
    const Bytes trailer = TOverlay::Trailer(writer.Size());

    TSourceFile source{::open(FPath.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    if (source.fd < 0 || ::fstat(source.fd, &st) != 0) Fail("Cannot open file", FPath);
    if (static_cast<uint64_t>(st.st_size) < FPrefixSize) {
        errno = EIO;
        Fail("File shrank while it was updated:", FPath);
    }
    TTempFile temp;
    std::string pattern = Folder(FPath) + "/.qvres-XXXXXX";
    temp.fd = ::mkostemp(&pattern[0], O_CLOEXEC);
    if (temp.fd < 0) Fail("Cannot create a temporary file beside", FPath);
    temp.path = pattern;
    CopyPrefix(source.fd, temp.fd, FPrefixSize, FPath);
    TFdGatherSink sink(temp.fd, temp.path);
    writer.WriteTo(sink);
    sink.Put(trailer.data(), trailer.size());
    sink.Flush();
    // Owner before mode: a change of owner clears the set-id bits. Keeping the owner needs
    // privileges; without them the file simply belongs to us.
    if (::fchown(temp.fd, st.st_uid, st.st_gid) != 0) errno = 0;
    if (::fchmod(temp.fd, st.st_mode & 07777) != 0) Fail("Cannot set the mode of", temp.path);
    const int fd = temp.fd;
    temp.fd = -1;
    if (::close(fd) != 0) Fail("Cannot write file", temp.path);
    // Swapping the names replaces the file as atomically as a rename does; the old contents,
    // now under the temporary name, go with it. Unlike a rename over an existing file it does
    // not make ext4 start writing the whole new file to disk at once, which would hold up a
    // build of thousands of resources. Where swapping is not supported, a rename does the job.
    if (::renameat2(AT_FDCWD, temp.path.c_str(), AT_FDCWD, FPath.c_str(), RENAME_EXCHANGE) == 0) return;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) Fail("Cannot replace file", FPath);
    if (::rename(temp.path.c_str(), FPath.c_str()) != 0) Fail("Cannot replace file", FPath);
    temp.keep = true;
}

bool TResourceUpdater::End() {
    try {
        WriteFile();
        FError.clear();
        return true;
    } catch (const std::exception& e) {
        FError = e.what();
        return false;
    }
}

}  // namespace qv
