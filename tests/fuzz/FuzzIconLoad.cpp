// Any bytes given to TQVIcon::LoadFromStream either load or fail with the load error; what loads
// saves, renders and draws without reading or writing out of bounds.
#include <cstddef>
#include <cstdint>

#include "icon/IconDrawing.h"
#include "icon/TQVIcon.h"
#include "platform/TBitmapSurface.h"
#include "platform/TByteSpanStream.h"
#include "platform/TMemoryStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qv::TQVIcon icon;
    qv::TByteSpanStream stream(data, size);
    try {
        icon.LoadFromStream(stream);
    } catch (const qv::EIconLoadError&) {
        return 0;
    }
    qv::TMemoryStream saved;
    icon.SaveToStream(saved);
    qv::TDIBitmap target(64, 64, 32);
    qv::TBitmapSurface surface(target);
    for (int i = 0; i < icon.Count() && i < 8; ++i) {
        auto image = icon.GetImageBitmap(i);
        auto mask = icon.GetMaskBitmap(i);
        if (image) qv::DrawBitmapBlended(*image, mask.get(), -3, 5, surface);
    }
    return 0;
}
