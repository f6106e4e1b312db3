#include "platform/TResStreamWriter.h"

#include <limits>

#include "platform/EResFormatError.h"

namespace qv {
namespace {

const uint8_t KZeros[4] = {0, 0, 0, 0};

void PutU16(Bytes& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(Bytes& out, uint32_t v) {
    PutU16(out, static_cast<uint16_t>(v));
    PutU16(out, static_cast<uint16_t>(v >> 16));
}

void PutU32At(Bytes& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

void PutId(Bytes& out, const ResId& id, const char* what) {
    if (id.IsNumber()) {
        PutU16(out, 0xFFFF);
        PutU16(out, id.AsNumber());
        return;
    }
    for (char16_t c : id.AsName()) {
        if (c == 0) throw EResFormatError(std::string(".res stream: the ") + what + " contains a zero character");
        PutU16(out, c);
    }
    PutU16(out, 0);
}

size_t PaddingTo4(uint64_t size) { return static_cast<size_t>((4 - size % 4) % 4); }

}  // namespace

TResStreamWriter::TResStreamWriter() {
    ResEntry empty;
    empty.type = ResId::Number(0);
    empty.name = ResId::Number(0);
    empty.memoryFlags = 0;
    AddRecord(nullptr, empty);
}

void TResStreamWriter::Reserve(size_t entries) {
    FPieces.reserve(entries + 1);
    FHeaders.reserve((entries + 1) * 64);
}

void TResStreamWriter::Add(const ResEntry& entry) { AddRecord(&entry, entry); }

void TResStreamWriter::AddRecord(const ResEntry* entry, const ResEntry& fields) {
    const uint64_t dataSize = entry ? entry->data.size() : 0;
    if (dataSize > std::numeric_limits<uint32_t>::max())
        throw EResFormatError(".res stream: resource " + fields.name.ToString() + " is 4 GiB or larger");
    const size_t start = FHeaders.size();
    PutU32(FHeaders, static_cast<uint32_t>(dataSize));
    PutU32(FHeaders, 0);  // HeaderSize, known once the names are in
    PutId(FHeaders, fields.type, "type name");
    PutId(FHeaders, fields.name, "resource name");
    FHeaders.insert(FHeaders.end(), PaddingTo4(FHeaders.size() - start), 0);
    PutU32(FHeaders, fields.dataVersion);
    PutU16(FHeaders, fields.memoryFlags);
    PutU16(FHeaders, fields.language);
    PutU32(FHeaders, fields.version);
    PutU32(FHeaders, fields.characteristics);
    const size_t headerSize = FHeaders.size() - start;
    if (headerSize > std::numeric_limits<uint32_t>::max())
        throw EResFormatError(".res stream: the names of resource " + fields.name.ToString() + " are too long");
    PutU32At(FHeaders, start + 4, static_cast<uint32_t>(headerSize));
    const size_t padding = PaddingTo4(dataSize);
    FPieces.push_back(TPiece{start, headerSize, entry, padding});
    FSize += headerSize + dataSize + padding;
}

void TResStreamWriter::WriteTo(TByteSink& sink) const {
    for (const TPiece& p : FPieces) {
        sink.Put(FHeaders.data() + p.headerOffset, p.headerSize);
        if (p.entry) sink.Put(p.entry->data.data(), p.entry->data.size());
        sink.Put(KZeros, p.padding);
    }
    sink.Flush();
}

Bytes TResStreamWriter::ToBytes() const {
    class TAppendSink : public TByteSink {
    public:
        explicit TAppendSink(Bytes& out) : FOut(out) {}
        void Put(const uint8_t* data, size_t size) override { FOut.insert(FOut.end(), data, data + size); }

    private:
        Bytes& FOut;
    };
    if (FSize > std::numeric_limits<size_t>::max()) throw EResFormatError(".res stream: too large");
    Bytes out;
    out.reserve(static_cast<size_t>(FSize));
    TAppendSink sink(out);
    WriteTo(sink);
    return out;
}

Bytes TResStreamWriter::Write(const std::vector<ResEntry>& entries) {
    TResStreamWriter writer;
    writer.Reserve(entries.size());
    for (const ResEntry& e : entries) writer.Add(e);
    return writer.ToBytes();
}

}  // namespace qv
