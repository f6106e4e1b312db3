#pragma once
// Reads a 32-bit Windows .res stream: the leading empty record, then one RESOURCEHEADER record
// per resource. Damaged input throws EResFormatError with the offset and the field concerned.
#include <vector>

#include "platform/ResEntry.h"
#include "platform/TResView.h"
#include "platform/TStream.h"

namespace qv {

class TResStreamReader {
public:
    // The records in place: each view's data points into data, so they live as long as it does.
    static std::vector<TResView> ReadViews(const uint8_t* data, size_t size);
    // The records with copies of their data.
    static std::vector<ResEntry> Read(const uint8_t* data, size_t size);
    static std::vector<ResEntry> Read(const Bytes& data) { return Read(data.data(), data.size()); }
    // The stream from its position to its end.
    static std::vector<ResEntry> Read(TStream& stream);
};

}  // namespace qv
