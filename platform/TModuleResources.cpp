#include "platform/TModuleResources.h"

#include "platform/EResFormatError.h"
#include "platform/Errors.h"
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

void AppendTo(std::vector<TResView>& to, const std::vector<TResView>& from) {
    to.insert(to.end(), from.begin(), from.end());
}


// The section of a file image; a damaged section is reported and contributes nothing.
std::vector<TResView> ReadSection(const uint8_t* data, size_t size, std::vector<std::string>& problems) {
    const TElfSectionFinder::TSection s = TElfSectionFinder::Find(data, size, KSectionName);
    if (s.result == TElfSectionFinder::EResult::Damaged) problems.push_back(s.error);
    if (s.result != TElfSectionFinder::EResult::Found) return {};
    try {
        return TResStreamReader::ReadViews(data + s.offset, static_cast<size_t>(s.size));
    } catch (const EResFormatError& e) {
        problems.push_back(std::string("section ") + KSectionName + ": " + e.what());
        return {};
    }
}

// The linked section lives as long as the module, so its views need no owner.
std::vector<TResView> ReadLinkedBuiltIns() {
    try {
        return TResStreamReader::ReadViews(TOwnModule::BuiltInData(), TOwnModule::BuiltInSize());
    } catch (const EResFormatError&) {
        return {};  // a module without built-ins (or, impossibly, a damaged one): none
    }
}

// The overlay of a file's bytes; a damaged one is reported and contributes nothing.
std::vector<TResView> ReadOverlay(const TFileImage& image, std::vector<std::string>& problems) {
    TOverlay::TInfo overlay = TOverlay::ReadViews(image.Data(), image.Size());
    if (overlay.state == TOverlay::EState::Damaged) problems.push_back(overlay.error);
    return std::move(overlay.views);
}

std::string Describe(const ResId& type, const ResId& name) {
    const std::string shown = name.IsNumber() ? name.ToString() : "\"" + name.ToString() + "\"";
    return "Resource " + shown + " (type " + type.ToString() + ") not found";
}

}  // namespace

TModuleResources::TModuleResources(std::shared_ptr<const TStore> store) : FStore(std::move(store)) {}

TModuleResources TModuleResources::Make(std::shared_ptr<const TFileImage> image, std::vector<TResView> overlay,
                                        std::vector<TResView> builtIn, std::vector<std::string> problems) {
    auto store = std::make_shared<TStore>();
    store->image = std::move(image);
    store->overlayViews = std::move(overlay);
    store->builtInViews = std::move(builtIn);
    store->problems = std::move(problems);
    // Overlay first: the earliest record of a key wins, so the overlay does.
    store->index = TResIndex(store->overlayViews, store->builtInViews);
    return TModuleResources(std::move(store));
}

TModuleResources TModuleResources::FromImage(const uint8_t* data, size_t size) {
    std::shared_ptr<const TFileImage> image = TFileImage::Copy(data, size);
    std::vector<std::string> problems;
    std::vector<TResView> overlay = ReadOverlay(*image, problems);
    std::vector<TResView> section = ReadSection(image->Data(), image->Size(), problems);
    return Make(std::move(image), std::move(overlay), std::move(section), std::move(problems));
}

TModuleResources TModuleResources::FromFile(const std::string& path) {
    std::shared_ptr<const TFileImage> image = TFileImage::Read(path);
    std::vector<std::string> problems;
    std::vector<TResView> overlay = ReadOverlay(*image, problems);
    std::vector<TResView> section = ReadSection(image->Data(), image->Size(), problems);
    return Make(std::move(image), std::move(overlay), std::move(section), std::move(problems));
}

TModuleResources TModuleResources::LoadSelf(const std::string& selfFile) {
    if (!selfFile.empty()) {
        const TModuleResources file = FromFile(selfFile);
        const TStore& s = *file.FStore;
        std::vector<TResView> builtIn = s.builtInViews;
        AppendTo(builtIn, ReadLinkedBuiltIns());
        return Make(s.image, s.overlayViews, std::move(builtIn), s.problems);
    }
    std::shared_ptr<const TFileImage> image;
    std::vector<TResView> overlay;
    std::vector<std::string> problems;
    const std::string path = TOwnModule::OverlayFile();
    if (!path.empty()) {
        // The running program's own file: mapped, so only the pages of what is read are touched.
        image = TFileImage::Map(path);
        overlay = ReadOverlay(*image, problems);
    }
    return Make(std::move(image), std::move(overlay), ReadLinkedBuiltIns(), std::move(problems));
}

const TModuleResources& TModuleResources::Self() {
    TSelfState& state = SelfState();
    std::lock_guard<std::mutex> guard(state.lock);
    if (!state.current) {
        try {
            state.current = std::make_unique<TModuleResources>(LoadSelf(state.file));
        } catch (const EQVError& e) {
            // An unreadable file has no overlay; the built-ins still count.
            state.current = std::make_unique<TModuleResources>(Make({}, {}, ReadLinkedBuiltIns(), {e.what()}));
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

const TModuleResources::TStore& TModuleResources::Copied() const {
    const TStore& s = *FStore;
    std::call_once(s.copied, [&s] {
        s.overlay = ToEntries(s.overlayViews);
        s.builtIn = ToEntries(s.builtInViews);
    });
    return s;
}

const std::vector<ResEntry>& TModuleResources::Overlay() const { return Copied().overlay; }

const std::vector<ResEntry>& TModuleResources::BuiltIn() const { return Copied().builtIn; }

const ResEntry* TModuleResources::Entry(size_t position) const {
    if (position == TResIndex::KNone) return nullptr;
    const TStore& s = Copied();
    const size_t overlay = s.overlay.size();
    return position < overlay ? &s.overlay[position] : &s.builtIn[position - overlay];
}

const TResView* TModuleResources::View(size_t position) const {
    if (position == TResIndex::KNone) return nullptr;
    const TStore& s = *FStore;
    const size_t overlay = s.overlayViews.size();
    return position < overlay ? &s.overlayViews[position] : &s.builtInViews[position - overlay];
}

const ResEntry* TModuleResources::Find(const ResId& type, const ResId& name) const {
    return Entry(FStore->index.Find(type, name));
}

const ResEntry* TModuleResources::Find(const ResId& type, const ResId& name, uint16_t language) const {
    return Entry(FStore->index.Find(type, name, language));
}

const TResView* TModuleResources::FindView(const ResId& type, const ResId& name) const {
    return View(FStore->index.Find(type, name));
}

TSharedBytes TModuleResources::Data(const ResId& type, const ResId& name) const {
    const TResView* view = FindView(type, name);
    if (!view) throw EResNotFound(Describe(type, name));
    return TSharedBytes(view->data, view->size, FStore);
}

std::unique_ptr<TStream> TModuleResources::Open(const ResId& type, const ResId& name) const {
    const TSharedBytes bytes = Data(type, name);
    return std::make_unique<TByteSpanStream>(bytes.data(), bytes.size(), FStore);
}

}  // namespace qv
