#pragma once
// The overlay: resources added to a file after linking, stored at its end as a .res stream and
// the 16-byte trailer "QVRSRC01" + the stream's length (u64, little-endian). A trailer whose
// length points outside the file, or a damaged stream, counts as no overlay resources.
#include <string>
#include <vector>

#include "platform/ResEntry.h"
#include "platform/TResView.h"

namespace qv {

class TOverlay {
public:
    static constexpr size_t KTrailerSize = 16;
    static const char KMagic[8];

    enum class EState { None, Found, Damaged };

    struct TInfo {
        EState state = EState::None;
        uint64_t prefixSize = 0;  // the bytes before the overlay: the whole file unless Found
        uint64_t streamLength = 0;
        std::vector<ResEntry> entries;  // filled by Read, ReadFd and ReadFile
        std::vector<TResView> views;    // filled by ReadViews, pointing into the file's bytes
        std::string error;  // what is damaged, for Damaged
    };

    // A whole file held in memory.
    static TInfo Read(const uint8_t* file, size_t size);
    // The same without copying any data: the views are valid as long as the file's bytes are.
    static TInfo ReadViews(const uint8_t* file, size_t size);
    // An open file; only the trailer and the stream are read. path is for messages.
    static TInfo ReadFd(int fd, const std::string& path);
    // Throws EFOpenError when the file cannot be opened.
    static TInfo ReadFile(const std::string& path);

    static Bytes Trailer(uint64_t streamLength);

private:
    // From the last bytes of a file of fileSize bytes: where the stream is (entries not read).
    static TInfo Locate(const uint8_t* tail, size_t tailSize, uint64_t fileSize);
    static void Parse(TInfo& info, const uint8_t* stream, size_t size);
    static void CopyViews(TInfo& info);
};

}  // namespace qv
