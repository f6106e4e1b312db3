#include "platform/TModuleResources.h"

#include <mutex>

#include "platform/EResFormatError.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TByteSpanStream.h"
#include "platform/TElfSectionFinder.h"
#include "platform/TOverlay.h"
#include "platform/TOwnModule.h"
#include "platform/TResStreamReader.h"

namespace qv {
namespace {

const char KSectionName[] = ".qvres";

// Self() and what it was read from. Replaced instances are kept so that references handed out
// earlier stay valid; only tests and tools replace it.
struct TSelfState {
    std::mutex lock;
    std::string file;
    std::unique_ptr<TModuleResources> current;
    std::vector<std::unique_ptr<TModuleResources>> retired;
};

TSelfState& SelfState() {
    static TSelfState state;
    return state;
}

void AppendTo(std::vector<ResEntry>& to, std::vector<ResEntry> from) {
    if (to.empty()) {
        to = std::move(from);
        return;
    }
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

// The section of a file image; a damaged section is reported and contributes nothing.
std::vector<ResEntry> ReadSection(const uint8_t* data, size_t size, std::vector<std::string>& problems) {
    const TElfSectionFinder::TSection s = TElfSectionFinder::Find(data, size, KSectionName);
    if (s.result == TElfSectionFinder::EResult::Damaged) problems.push_back(s.error);
    if (s.result != TElfSectionFinder::EResult::Found) return {};
    try {
        return TResStreamReader::Read(data + s.offset, static_cast<size_t>(s.size));
    } catch (const EResFormatError& e) {
        problems.push_back(std::string("section ") + KSectionName + ": " + e.what());
        return {};
    }
}

std::vector<ResEntry> ReadLinkedBuiltIns() {
    try {
        return TResStreamReader::Read(TOwnModule::BuiltInData(), TOwnModule::BuiltInSize());
    } catch (const EResFormatError&) {
        return {};  // a module without built-ins (or, impossibly, a damaged one): none
    }
}

std::string Describe(const ResId& type, const ResId& name) {
    const std::string shown = name.IsNumber() ? name.ToString() : "\"" + name.ToString() + "\"";
    return "Resource " + shown + " (type " + type.ToString() + ") not found";
}

}  // namespace

TModuleResources::TModuleResources(std::shared_ptr<TStore> store) : FStore(std::move(store)) {}

TModuleResources TModuleResources::Make(std::vector<ResEntry> overlay, std::vector<ResEntry> builtIn,
                                        std::vector<std::string> problems) {
    auto store = std::make_shared<TStore>();
    store->overlay = std::move(overlay);
    store->builtIn = std::move(builtIn);
    store->problems = std::move(problems);
    store->index.reserve(2 * (store->overlay.size() + store->builtIn.size()));
    // Overlay first: emplace keeps the first entry for a key, so the overlay wins.
    for (const auto* part : {&store->overlay, &store->builtIn}) {
        for (const ResEntry& e : *part) {
            store->index.emplace(TResKey{e.type, e.name, e.language}, &e);
            store->index.emplace(TResKey{e.type, e.name, TResKey::KAnyLanguage}, &e);
        }
    }
    return TModuleResources(std::move(store));
}

TModuleResources TModuleResources::FromImage(const uint8_t* data, size_t size) {
    std::vector<std::string> problems;
    TOverlay::TInfo overlay = TOverlay::Read(data, size);
    if (overlay.state == TOverlay::EState::Damaged) problems.push_back(overlay.error);
    std::vector<ResEntry> section = ReadSection(data, size, problems);
    return Make(std::move(overlay.entries), std::move(section), std::move(problems));
}

TModuleResources TModuleResources::FromFile(const std::string& path) {
    const Bytes image = ReadWholeFile(path);
    return FromImage(image.data(), image.size());
}

TModuleResources TModuleResources::LoadSelf(const std::string& selfFile) {
    if (!selfFile.empty()) {
        TModuleResources file = FromFile(selfFile);
        std::vector<ResEntry> builtIn = file.FStore->builtIn;
        AppendTo(builtIn, ReadLinkedBuiltIns());
        return Make(file.FStore->overlay, std::move(builtIn), file.FStore->problems);
    }
    std::vector<ResEntry> overlay;
    std::vector<std::string> problems;
    const std::string path = TOwnModule::OverlayFile();
    if (!path.empty()) {
        TOverlay::TInfo info = TOverlay::ReadFile(path);
        if (info.state == TOverlay::EState::Damaged) problems.push_back(info.error);
        overlay = std::move(info.entries);
    }
    return Make(std::move(overlay), ReadLinkedBuiltIns(), std::move(problems));
}

const TModuleResources& TModuleResources::Self() {
    TSelfState& state = SelfState();
    std::lock_guard<std::mutex> guard(state.lock);
    if (!state.current) {
        try {
            state.current = std::make_unique<TModuleResources>(LoadSelf(state.file));
        } catch (const EQVError& e) {
            // An unreadable file has no overlay; the built-ins still count.
            state.current = std::make_unique<TModuleResources>(Make({}, ReadLinkedBuiltIns(), {e.what()}));
        }
    }
    return *state.current;
}

void TModuleResources::SetSelfFile(const std::string& path) {
    TSelfState& state = SelfState();
    std::lock_guard<std::mutex> guard(state.lock);
    state.file = path;
    if (state.current) state.retired.push_back(std::move(state.current));
}

const ResEntry* TModuleResources::Lookup(TResKey key) const {
    const auto it = FStore->index.find(key);
    return it == FStore->index.end() ? nullptr : it->second;
}

const ResEntry* TModuleResources::Find(const ResId& type, const ResId& name) const {
    return Lookup(TResKey{type, name, TResKey::KAnyLanguage});
}

const ResEntry* TModuleResources::Find(const ResId& type, const ResId& name, uint16_t language) const {
    return Lookup(TResKey{type, name, language});
}

std::unique_ptr<TStream> TModuleResources::Open(const ResId& type, const ResId& name) const {
    const ResEntry* e = Find(type, name);
    if (!e) throw EResNotFound(Describe(type, name));
    return std::make_unique<TByteSpanStream>(e->data.data(), e->data.size(), FStore);
}

}  // namespace qv
