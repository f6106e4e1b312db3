#pragma once
// A shared library loaded at run time and unloaded when the object goes.
#include <string>

namespace qv {

class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    ~TDynamicLibrary() { Unload(); }
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Loads path (a plain name goes through the system's library search); false with Error() set
    // when it cannot be loaded. A library already loaded is unloaded first.
    bool Load(const std::string& path);
    void Unload();
    bool Loaded() const { return FHandle != nullptr; }
    // The address of an exported symbol, or nullptr.
    void* Symbol(const char* name) const;
    const std::string& Error() const { return FError; }

private:
    void* FHandle = nullptr;
    std::string FError;
};

}  // namespace qv
