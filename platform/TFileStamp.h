#pragma once
// What the file system says of a file without opening it: enough to tell that a file this
// program wrote has not been touched since.
#include <cstdint>
#include <string>

namespace qv {

class TFileStamp {
public:
    // The stamp of the regular file at path; an empty stamp when there is none.
    static TFileStamp Of(const std::string& path);

    bool Exists() const { return FExists; }
    bool operator==(const TFileStamp& other) const;
    bool operator!=(const TFileStamp& other) const { return !(*this == other); }

private:
    bool FExists = false;
    uint64_t FDevice = 0;
    uint64_t FInode = 0;
    int64_t FSize = 0;
    int64_t FModifiedSec = 0;
    int64_t FModifiedNsec = 0;
};

}  // namespace qv
