#include "platform/TDynamicLibrary.h"

#include <dlfcn.h>

namespace qv {

bool TDynamicLibrary::Load(const std::string& path) {
    Unload();
    dlerror();
    // RTLD_LOCAL: nothing of the library leaks into the caller's symbol lookups.
    FHandle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (FHandle == nullptr) {
        const char* why = dlerror();
        FError = why ? why : "cannot load " + path;
        return false;
    }
    FError.clear();
    return true;
}

void TDynamicLibrary::Unload() {
    if (FHandle != nullptr) ::dlclose(FHandle);
    FHandle = nullptr;
}

void* TDynamicLibrary::Symbol(const char* name) const {
    return FHandle != nullptr ? ::dlsym(FHandle, name) : nullptr;
}

}  // namespace qv
