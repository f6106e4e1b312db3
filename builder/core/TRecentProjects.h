#pragma once
// The four most recently opened or saved project paths, newest first. An empty entry is an
// empty slot; slots keep their places and the list is never compacted.
#include <array>
#include <string>

namespace qv {

class TRecentProjects {
public:
    static constexpr int kCount = 4;

    // Entries 0 to 3; an index outside gives the empty text.
    const std::string& Entry(int index) const;
    void SetEntry(int index, std::string path);
    const std::array<std::string, kCount>& Entries() const { return FEntries; }

    // Empties every entry equal to the path (exact comparison), moves all entries down by one,
    // dropping the last, and puts the path first.
    void Add(const std::string& path);

private:
    std::array<std::string, kCount> FEntries;
};

}  // namespace qv
