#include "platform/TFileStamp.h"

#include <sys/stat.h>

namespace qv {

TFileStamp TFileStamp::Of(const std::string& path) {
    TFileStamp stamp;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return stamp;
    stamp.FExists = true;
    stamp.FDevice = static_cast<uint64_t>(st.st_dev);
    stamp.FInode = static_cast<uint64_t>(st.st_ino);
    stamp.FSize = static_cast<int64_t>(st.st_size);
    stamp.FModifiedSec = static_cast<int64_t>(st.st_mtim.tv_sec);
    stamp.FModifiedNsec = static_cast<int64_t>(st.st_mtim.tv_nsec);
    return stamp;
}

bool TFileStamp::operator==(const TFileStamp& other) const {
    return FExists == other.FExists && FDevice == other.FDevice && FInode == other.FInode && FSize == other.FSize &&
           FModifiedSec == other.FModifiedSec && FModifiedNsec == other.FModifiedNsec;
}

}  // namespace qv
