// Feeds bytes to the resource readers three ways: as a .res stream, as a whole file (its tail
// holding an overlay, its headers an ELF section table), and as a stream behind a valid
// overlay trailer. Whatever reads without error must write back and read again unchanged.
#include <cstdlib>

#include "platform/EResFormatError.h"
#include "platform/TModuleResources.h"
#include "platform/TOverlay.h"
#include "platform/TResStreamReader.h"
#include "platform/TResStreamWriter.h"

namespace {

bool Same(const qv::ResEntry& a, const qv::ResEntry& b) {
    return a.type == b.type && a.name == b.name && a.language == b.language && a.dataVersion == b.dataVersion &&
           a.memoryFlags == b.memoryFlags && a.version == b.version && a.characteristics == b.characteristics &&
           a.data == b.data;
}

void CheckRoundTrip(const std::vector<qv::ResEntry>& entries) {
    const std::vector<qv::ResEntry> again = qv::TResStreamReader::Read(qv::TResStreamWriter::Write(entries));
    if (again.size() != entries.size()) std::abort();
    for (size_t i = 0; i < entries.size(); ++i)
        if (!Same(entries[i], again[i])) std::abort();
}

// Read in place, every record's data lies inside the input.
void CheckViewsInside(const uint8_t* data, size_t size) {
    for (const qv::TResView& v : qv::TResStreamReader::ReadViews(data, size))
        if (v.data < data || v.size > size || size_t(v.data - data) > size - v.size) std::abort();
}

void ReadAsStream(const uint8_t* data, size_t size) {
    try {
        CheckViewsInside(data, size);
        CheckRoundTrip(qv::TResStreamReader::Read(data, size));
    } catch (const qv::EResFormatError&) {
    }
}

void ReadAsFile(const uint8_t* data, size_t size) {
    const qv::TModuleResources res = qv::TModuleResources::FromImage(data, size);
    for (const auto* part : {&res.Overlay(), &res.BuiltIn()})
        for (const qv::ResEntry& e : *part) {
            const qv::ResEntry* found = res.Find(e.type, e.name);
            // The record in place and its copy agree.
            if (!found || res.Data(e.type, e.name).ToBytes() != found->data) std::abort();
        }
}

void ReadBehindTrailer(const uint8_t* data, size_t size) {
    qv::Bytes file(data, data + size);
    const qv::Bytes trailer = qv::TOverlay::Trailer(size);
    file.insert(file.end(), trailer.begin(), trailer.end());
    const qv::TOverlay::TInfo info = qv::TOverlay::Read(file.data(), file.size());
    if (info.state == qv::TOverlay::EState::None) std::abort();
    if (info.state == qv::TOverlay::EState::Found) CheckRoundTrip(info.entries);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReadAsStream(data, size);
    ReadAsFile(data, size);
    ReadBehindTrailer(data, size);
    return 0;
}
