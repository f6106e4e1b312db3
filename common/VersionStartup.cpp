// The start-up from the program's own resources, apart from the rest of the unit so that programs
// and tests that only read version blocks need not link the module-resource reader.
#include "common/version.h"
#include "platform/Errors.h"
#include "platform/TModuleResources.h"

namespace qv {

void InitAppVersionFromModule() {
    AppVersion = TVersion();
    try {
        if (const ResEntry* entry = TModuleResources::Self().Find(ResId::Number(16), ResId::Number(1)))
            InitAppVersion(entry->data);
    } catch (const EQVError&) {
        // A module whose resources cannot be read has no version: AppVersion stays empty.
    }
}

}  // namespace qv
