#pragma once
// The resources of one module: its built-in ".qvres" section and its overlay. Lookups search the
// overlay first; the caller never chooses a language (the first match by type and name wins).
#include <memory>
#include <string>
#include <vector>

#include "platform/ResEntry.h"
#include "platform/ResId.h"
#include "platform/TStream.h"

namespace qv {

class TModuleResources {
public:
    // The running module: the overlay of its file, then the built-ins linked into it.
    static const TModuleResources& Self();
    // Points Self() at another file (tests, tools); an empty path restores the running module.
    static void SetSelfFile(const std::string& path);
    // The section and the overlay of any file. A damaged part contributes no resources.
    static TModuleResources FromFile(const std::string& path);

    const ResEntry* Find(const ResId& type, const ResId& name) const;
    // A read-only stream over exactly the resource's bytes, at position 0. Throws EResNotFound
    // naming the resource when there is none.
    std::unique_ptr<TStream> Open(const ResId& type, const ResId& name) const;

    const std::vector<ResEntry>& Overlay() const { return FOverlay; }
    const std::vector<ResEntry>& BuiltIn() const { return FBuiltIn; }

private:
    std::vector<ResEntry> FOverlay;
    std::vector<ResEntry> FBuiltIn;
};

}  // namespace qv
