// Any bytes given to the bitmap file reader either load or are refused; what loads converts to
// 32 bits and copies without reading or writing out of bounds.
#include <cstddef>
#include <cstdint>

#include "platform/TDIBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qv::TDIBitmap bitmap;
    if (!bitmap.LoadFromBytes(data, size)) return 0;
    qv::TDIBitmap copy(8, 8, bitmap.BitCount());
    copy.CopyRect(bitmap, 1, 1, 9, 9, -2, 0);
    bitmap.SetPixelFormat(32);
    return 0;
}
