#include "builder/core/TIconFileStamps.h"

namespace qv {

bool TIconFileStamps::Current(const std::string& file, uint64_t iconSerial) const {
    const auto found = FFiles.find(file);
    if (found == FFiles.end() || found->second.IconSerial != iconSerial) return false;
    const TFileStamp now = TFileStamp::Of(file);
    return now.Exists() && now == found->second.Stamp;
}

void TIconFileStamps::Record(const std::string& file, uint64_t iconSerial) {
    const TFileStamp stamp = TFileStamp::Of(file);
    if (stamp.Exists())
        FFiles[file] = TWritten{iconSerial, stamp};
    else
        FFiles.erase(file);
}

}  // namespace qv
