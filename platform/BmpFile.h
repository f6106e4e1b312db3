#pragma once
// The reader of Windows bitmap files behind TDIBitmap::LoadFromBytes. Every size and offset in
// the file is checked against the bytes given before anything is allocated or read.
#include <cstddef>
#include <cstdint>

#include "platform/Bytes.h"

namespace qv {

class TDIBitmap;

// Fills out from the file in data; false (out unchanged) when the file is damaged or of a kind
// not read here (compressed other than by bit fields, a depth that is not a bitmap depth).
// owner, when given, is the buffer holding data; it may then become the bitmap's pixel store.
bool ReadBmp(const uint8_t* data, size_t size, TDIBitmap& out, Bytes* owner = nullptr);

}  // namespace qv
