#include "platform/TResStreamReader.h"

#include <limits>

#include "platform/EResFormatError.h"
#include "platform/TLeReader.h"

namespace qv {
namespace {

// DataSize, HeaderSize, two zero-length string ids, DataVersion .. Characteristics.
constexpr uint32_t KMinHeaderSize = 8 + 2 + 2 + 16;

ResId ReadId(TLeReader& r, const char* field) {
    const size_t start = r.Offset();
    if (r.ReadU16(field) == 0xFFFF) return ResId::Number(r.ReadU16(field));
    r.Seek(start, field);
    return ResId::Name(r.ReadZString16(field));
}

bool IsEmptyRecord(const TResView& e) {
    return e.type.IsNumber() && e.type.AsNumber() == 0 && e.name.IsNumber() && e.name.AsNumber() == 0 &&
           e.size == 0;
}

// One record at the reader's offset; leaves the reader at the next record.
TResView ReadRecord(TLeReader& r) {
    const size_t start = r.Offset();
    const uint32_t dataSize = r.ReadU32("DataSize");
    const uint32_t headerSize = r.ReadU32("HeaderSize");
    if (headerSize < KMinHeaderSize) r.Fail("HeaderSize " + std::to_string(headerSize) + " is too small", start);
    TLeReader header = r.Sub(start, headerSize, "resource header");
    header.Skip(8, "DataSize and HeaderSize");
    TResView e;
    e.type = ReadId(header, "TYPE");
    e.name = ReadId(header, "NAME");
    header.AlignTo(4, "padding after NAME");
    e.dataVersion = header.ReadU32("DataVersion");
    e.memoryFlags = header.ReadU16("MemoryFlags");
    e.language = header.ReadU16("LanguageId");
    e.version = header.ReadU32("Version");
    e.characteristics = header.ReadU32("Characteristics");
    // Bytes between the known fields and HeaderSize belong to the header and are skipped.
    r.Seek(start + uint64_t{headerSize}, "HeaderSize");
    e.data = r.ReadBytes(dataSize, "resource data (DataSize)");
    e.size = dataSize;
    // The padding after the last record may be missing.
    const size_t pad = (4 - r.Offset() % 4) % 4;
    r.Skip(pad < r.Remaining() ? pad : r.Remaining(), "padding after the data");
    return e;
}

// Where the records seem to start, from their two size fields alone: so that the views are
// allocated once and each record's header can be fetched ahead of its reading (records lie far
// apart in a large stream). Anything odd ends the list; the real read reports it.
std::vector<size_t> RecordStarts(const uint8_t* data, size_t size) {
    const auto u32 = [data](size_t at) {
        return uint32_t(data[at]) | uint32_t(data[at + 1]) << 8 | uint32_t(data[at + 2]) << 16 |
               uint32_t(data[at + 3]) << 24;
    };
    std::vector<size_t> starts;
    for (size_t at = 0; size - at >= KMinHeaderSize;) {
        const uint64_t length = uint64_t(u32(at)) + u32(at + 4);
        if (u32(at + 4) < KMinHeaderSize || length > size - at) break;
        starts.push_back(at);
        at += size_t(length);
        at += (4 - at % 4) % 4;
        if (at > size) break;
    }
    return starts;
}

}  // namespace

std::vector<TResView> TResStreamReader::ReadViews(const uint8_t* data, size_t size) {
    TLeReader r(data, size, ".res stream");
    if (r.Remaining() < KMinHeaderSize) r.Fail("too short for the leading empty record", 0);
    if (!IsEmptyRecord(ReadRecord(r))) r.Fail("the stream does not start with the empty record", 0);
    const std::vector<size_t> starts = RecordStarts(data, size);
    constexpr size_t KAhead = 8;
    std::vector<TResView> views;
    views.reserve(starts.size());
    while (!r.AtEnd()) {
        // starts[0] is the empty record, so the next record is starts[views.size() + 1].
        if (views.size() + 1 + KAhead < starts.size()) {
            const uint8_t* ahead = data + starts[views.size() + 1 + KAhead];
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + 63);
        }
        views.push_back(ReadRecord(r));
    }
    return views;
}

std::vector<ResEntry> TResStreamReader::Read(const uint8_t* data, size_t size) {
    return ToEntries(ReadViews(data, size));
}

std::vector<ResEntry> TResStreamReader::Read(TStream& stream) {
    const uint64_t remaining = stream.Remaining();
    if (remaining > std::numeric_limits<size_t>::max()) throw EResFormatError(".res stream: too large");
    Bytes data(static_cast<size_t>(remaining));
    if (!stream.ReadExact(data.data(), data.size())) throw EResFormatError(".res stream: short read");
    return Read(data);
}

}  // namespace qv
