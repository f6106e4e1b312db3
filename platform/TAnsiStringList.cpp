#include "platform/TAnsiStringList.h"

namespace qv {

void TAnsiStringList::LoadFromBytes(const uint8_t* data, size_t size) {
    SetText(std::string_view(reinterpret_cast<const char*>(data), size));
}

Bytes TAnsiStringList::SaveToBytes() const {
    const std::string text = Text();
    return Bytes(text.begin(), text.end());
}

}  // namespace qv
