// TEMPORARY: just the members of ResId and TModuleResources the icon container calls, over an
// in-memory table the tests fill. Not the real layer: no files, no section, no overlay parsing.
#include "TemporaryResourceStub.h"

#include "platform/Errors.h"
#include "platform/TByteSpanStream.h"
#include "platform/TModuleResources.h"

namespace qv {
namespace {

std::vector<ResEntry>& Table() {
    static std::vector<ResEntry> table;
    return table;
}

}  // namespace

ResId ResId::Number(uint16_t number) {
    ResId id;
    id.FIsNumber = true;
    id.FNumber = number;
    return id;
}

ResId ResId::Name(const std::string& name) {  // ASCII names are all the tests use
    std::u16string upper;
    for (char c : name) upper.push_back(char16_t(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    return Name(upper);
}

ResId ResId::Name(const std::u16string& name) {
    ResId id;
    id.FIsNumber = false;
    id.FName = name;
    return id;
}

std::string ResId::ToString() const {
    if (FIsNumber) return std::to_string(FNumber);
    return std::string(FName.begin(), FName.end());
}

const TModuleResources& TModuleResources::Self() {
    static TModuleResources self;
    self.FOverlay = Table();
    return self;
}

const ResEntry* TModuleResources::Find(const ResId& type, const ResId& name) const {
    for (const ResEntry& e : FOverlay)
        if (e.type == type && e.name == name) return &e;
    return nullptr;
}

std::unique_ptr<TStream> TModuleResources::Open(const ResId& type, const ResId& name) const {
    const ResEntry* e = Find(type, name);
    if (!e) throw EResNotFound("resource " + type.ToString() + "/" + name.ToString() + " not found");
    return std::make_unique<TByteSpanStream>(e->data.data(), e->data.size());
}

void stub::SetSelfResources(std::vector<ResEntry> entries) { Table() = std::move(entries); }

}  // namespace qv
