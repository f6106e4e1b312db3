#pragma once
// Adds or replaces resources in the overlay of a file: Begin reads the existing overlay and keeps
// every resource in it, Update adds or replaces (same type, name and language), End writes the
// file back as the bytes before the old overlay, the new stream and the trailer.
//
// End writes a temporary file in the same folder and swaps it in for the original (a rename
// where swapping is not supported), so that a failure at any point leaves the original
// untouched and a running program can be updated. The new file gets the original's mode (and
// owner, where allowed); a symbolic link is followed and stays a link. Like other tools that
// write executables, End does not wait for the disk (no fsync).
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ResEntry.h"
#include "platform/TResKey.h"

namespace qv {

class TResourceUpdater {
public:
    // nullptr when the file is missing, not a regular file, unreadable, or when it or its
    // folder is not writable.
    static std::unique_ptr<TResourceUpdater> Begin(const std::string& path);

    void Update(const ResId& type, const ResId& name, uint16_t language, const uint8_t* data, size_t size);
    // Takes the bytes over without copying them: the compiler adds thousands of icon images.
    void Update(const ResId& type, const ResId& name, uint16_t language, Bytes&& data);
    // Room for this many resources in all, so that a large build does not rehash as it grows.
    void Reserve(size_t resources);

    // false when the file could not be written; the original is then unchanged.
    bool End();
    // Why the last End failed.
    const std::string& Error() const { return FError; }

    const std::vector<ResEntry>& Entries() const { return FEntries; }

private:
    TResourceUpdater() = default;
    ResEntry& Slot(const ResId& type, const ResId& name, uint16_t language);
    void WriteFile();

    std::string FPath;         // the file itself, links resolved
    uint64_t FPrefixSize = 0;  // bytes before the old overlay
    std::vector<ResEntry> FEntries;
    std::unordered_map<TResKey, size_t, TResKey::Hash> FIndex;
    std::string FError;
};

}  // namespace qv
