#include "builder/core/TRecentProjects.h"

namespace qv {

const std::string& TRecentProjects::Entry(int index) const {
    static const std::string empty;
    return index >= 0 && index < kCount ? FEntries[index] : empty;
}

void TRecentProjects::SetEntry(int index, std::string path) {
    if (index >= 0 && index < kCount) FEntries[index] = std::move(path);
}

void TRecentProjects::Add(const std::string& path) {
    for (std::string& entry : FEntries)
        if (entry == path) entry.clear();
    for (int i = kCount - 1; i > 0; --i) FEntries[i] = std::move(FEntries[i - 1]);
    FEntries[0] = path;
}

}  // namespace qv
