#include "builder/BuilderResources.h"

#include "platform/Errors.h"
#include "platform/ResId.h"
#include "platform/TModuleResources.h"

namespace qv {

Bytes BuilderRawResource(const char* name) {
    constexpr uint16_t kRawData = 10;
    const ResEntry* entry = TModuleResources::Self().Find(ResId::Number(kRawData), ResId::Name(name));
    if (!entry) throw EResNotFound(std::string("The resource ") + name + " was not found");
    return entry->data;
}

}  // namespace qv
