#pragma once
// The resources of one module: its built-in ".qvres" section and its overlay. Lookups search the
// overlay first; the caller never chooses a language (the first match by type and name wins).
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ResEntry.h"
#include "platform/ResId.h"
#include "platform/TResKey.h"
#include "platform/TStream.h"

namespace qv {

class TModuleResources {
public:
    // The running module: the overlay of its file, then the built-ins linked into it. Read once
    // and kept; a reference stays valid for the life of the program, even after SetSelfFile.
    static const TModuleResources& Self();
    // Points Self() at another file (tests, tools): that file's overlay, then its own section,
    // then the built-ins linked into the running module. An empty path restores the running
    // module. Self() reads again after every call.
    static void SetSelfFile(const std::string& path);
    // The section and the overlay of any file. A damaged part contributes no resources (see
    // Problems()). Throws EFOpenError when the file cannot be read.
    static TModuleResources FromFile(const std::string& path);
    // The same for a file's bytes held in memory.
    static TModuleResources FromImage(const uint8_t* data, size_t size);

    const ResEntry* Find(const ResId& type, const ResId& name) const;
    const ResEntry* Find(const ResId& type, const ResId& name, uint16_t language) const;
    // A read-only stream over exactly the resource's bytes, at position 0. Throws EResNotFound
    // naming the resource when there is none. The stream keeps the resources it reads alive.
    std::unique_ptr<TStream> Open(const ResId& type, const ResId& name) const;

    const std::vector<ResEntry>& Overlay() const { return FStore->overlay; }
    const std::vector<ResEntry>& BuiltIn() const { return FStore->builtIn; }
    // One line for each damaged part (overlay, section) that was left out.
    const std::vector<std::string>& Problems() const { return FStore->problems; }

private:
    struct TStore {
        std::vector<ResEntry> overlay;
        std::vector<ResEntry> builtIn;
        std::vector<std::string> problems;
        std::unordered_map<TResKey, const ResEntry*, TResKey::Hash> index;
    };

    explicit TModuleResources(std::shared_ptr<TStore> store);
    static TModuleResources Make(std::vector<ResEntry> overlay, std::vector<ResEntry> builtIn,
                                 std::vector<std::string> problems);
    static TModuleResources LoadSelf(const std::string& selfFile);
    const ResEntry* Lookup(TResKey key) const;

    std::shared_ptr<const TStore> FStore;
};

}  // namespace qv
