#pragma once
// Writes a 32-bit Windows .res stream. Records are laid out as they are added (headers built,
// sizes checked), so writing is a single pass that copies each resource's bytes once.
#include <vector>

#include "platform/ResEntry.h"
#include "platform/TByteSink.h"

namespace qv {

class TResStreamWriter {
public:
    // Starts with the leading empty record.
    TResStreamWriter();

    // The entry is referenced, not copied: it must stay alive and unchanged until written.
    // Throws EResFormatError for what the format cannot hold (data of 4 GiB or more, a name with
    // a zero character).
    void Add(const ResEntry& entry);
    void Reserve(size_t entries);

    uint64_t Size() const { return FSize; }
    void WriteTo(TByteSink& sink) const;
    Bytes ToBytes() const;

    static Bytes Write(const std::vector<ResEntry>& entries);

private:
    struct TPiece {
        size_t headerOffset;
        size_t headerSize;
        const ResEntry* entry;  // nullptr for the leading empty record
        size_t padding;
    };

    void AddRecord(const ResEntry* entry, const ResEntry& fields);

    Bytes FHeaders;
    std::vector<TPiece> FPieces;
    uint64_t FSize = 0;
};

}  // namespace qv
