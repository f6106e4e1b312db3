#pragma once
// Reads a 32-bit Windows .res stream: the leading empty record, then one RESOURCEHEADER record
// per resource. Damaged input throws EResFormatError with the offset and the field concerned.
#include <vector>

#include "platform/ResEntry.h"
#include "platform/TStream.h"

namespace qv {

class TResStreamReader {
public:
    static std::vector<ResEntry> Read(const uint8_t* data, size_t size);
    static std::vector<ResEntry> Read(const Bytes& data) { return Read(data.data(), data.size()); }
    // The stream from its position to its end.
    static std::vector<ResEntry> Read(TStream& stream);
};

}  // namespace qv
