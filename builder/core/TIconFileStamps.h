#pragma once
// The icon files a temporary save wrote, each with the icon that went into it and the file's
// stamp afterwards: the next temporary save skips a file whose icon and stamp are unchanged
// instead of reading it back to compare.
#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/TFileStamp.h"

namespace qv {

class TIconFileStamps {
public:
    // True when file still holds what the icon numbered iconSerial was written as.
    bool Current(const std::string& file, uint64_t iconSerial) const;
    // Remembers that file now holds the icon numbered iconSerial.
    void Record(const std::string& file, uint64_t iconSerial);
    void Clear() { FFiles.clear(); }

private:
    struct TWritten {
        uint64_t IconSerial;
        TFileStamp Stamp;
    };
    std::unordered_map<std::string, TWritten> FFiles;
};

}  // namespace qv
