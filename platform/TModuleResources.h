#pragma once
// The resources of one module: its built-in ".qvres" section and its overlay. Lookups search the
// overlay first; the caller never chooses a language (the first match by type and name wins).
// The records are read in place: their data stays inside the file's bytes (mapped for the
// running program) and is copied only where a caller asks for owning entries.
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/ResEntry.h"
#include "platform/ResId.h"
#include "platform/TFileImage.h"
#include "platform/TResIndex.h"
#include "platform/TResView.h"
#include "platform/TSharedBytes.h"
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
    // The same for a file's bytes held in memory (they are copied once).
    static TModuleResources FromImage(const uint8_t* data, size_t size);

    // Owning copies of the records: the first call copies every record's data.
    const ResEntry* Find(const ResId& type, const ResId& name) const;
    const ResEntry* Find(const ResId& type, const ResId& name, uint16_t language) const;
    const std::vector<ResEntry>& Overlay() const;
    const std::vector<ResEntry>& BuiltIn() const;

    // The record in place, without copying; valid as long as this object (or a copy) is.
    const TResView* FindView(const ResId& type, const ResId& name) const;
    // The resource's bytes, keeping the resources alive. Throws EResNotFound naming it.
    TSharedBytes Data(const ResId& type, const ResId& name) const;
    // A read-only stream over exactly the resource's bytes, at position 0. Throws EResNotFound
    // naming the resource when there is none. The stream keeps the resources it reads alive.
    std::unique_ptr<TStream> Open(const ResId& type, const ResId& name) const;

    // One line for each damaged part (overlay, section) that was left out.
    const std::vector<std::string>& Problems() const { return FStore->problems; }

private:
    struct TStore {
        std::shared_ptr<const TFileImage> image;  // what the views of a file point into
        std::vector<TResView> overlayViews;
        std::vector<TResView> builtInViews;
        std::vector<std::string> problems;
        TResIndex index;
        // The owning copies, made on first demand.
        mutable std::once_flag copied;
        mutable std::vector<ResEntry> overlay;
        mutable std::vector<ResEntry> builtIn;
    };

    explicit TModuleResources(std::shared_ptr<const TStore> store);
    static TModuleResources Make(std::shared_ptr<const TFileImage> image, std::vector<TResView> overlay,
                                 std::vector<TResView> builtIn, std::vector<std::string> problems);
    static TModuleResources LoadSelf(const std::string& selfFile);
    const TStore& Copied() const;
    // Index positions count the overlay's records, then the built-ins.
    const ResEntry* Entry(size_t position) const;
    const TResView* View(size_t position) const;

    std::shared_ptr<const TStore> FStore;
};

}  // namespace qv
