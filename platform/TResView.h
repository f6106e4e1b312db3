#pragma once
// One resource of a .res stream read in place: its header fields and where its data lies inside
// bytes that someone else holds (a mapped file, a linked section). Valid while those bytes are.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/ResEntry.h"
#include "platform/ResHeader.h"

namespace qv {

struct TResView : ResHeader {
    const uint8_t* data = nullptr;
    size_t size = 0;

    // The same record with its own copy of the data.
    ResEntry ToEntry() const;
};

// Every record with its own copy of the data.
std::vector<ResEntry> ToEntries(const std::vector<TResView>& views);

}  // namespace qv
