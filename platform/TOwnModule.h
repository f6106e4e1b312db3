#pragma once
// The module (main program or shared object) that this copy of the platform layer is linked
// into: its built-in resource section and the file whose overlay belongs to it.
#include <cstddef>
#include <cstdint>
#include <string>

namespace qv {

class TOwnModule {
public:
    // The .qvres stream linked into this module; empty when the module has none.
    static const uint8_t* BuiltInData();
    static size_t BuiltInSize();
    // True when this code runs inside the main program rather than a shared object.
    static bool IsMainProgram();
    // "/proc/self/exe" for the main program. A shared object gets "": its file is never given
    // an overlay, and the program that loaded it has an overlay of its own that is not ours.
    static std::string OverlayFile();
};

}  // namespace qv
