#include "platform/TResKey.h"

#include <string>

namespace qv {
namespace {

size_t HashId(const ResId& id) {
    return id.IsNumber() ? std::hash<uint32_t>()(id.AsNumber()) : std::hash<std::u16string>()(id.AsName()) ^ 0x9e37;
}

}  // namespace

size_t TResKey::Hash::operator()(const TResKey& key) const {
    size_t h = HashId(key.type);
    h = h * 1000003u ^ HashId(key.name);
    return h * 1000003u ^ key.language;
}

}  // namespace qv
