#pragma once
// Lookup of resources by type and name (and, when asked, language) among many records: an
// open-addressing table over the records' positions, built once. Among records with the same key
// the earliest one wins.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/ResId.h"
#include "platform/TResView.h"

namespace qv {

class TResIndex {
public:
    static constexpr size_t KNone = static_cast<size_t>(-1);

    TResIndex() = default;
    // The records of first, then those of second, counted on from first's; both must stay as
    // they are for as long as the index is used.
    TResIndex(const std::vector<TResView>& first, const std::vector<TResView>& second);

    // The position of the first record with that type and name (of any language), or KNone.
    size_t Find(const ResId& type, const ResId& name) const;
    size_t Find(const ResId& type, const ResId& name, uint16_t language) const;

private:
    // Small, so that the table stays in the cache: the hash's high half (the low bits pick the
    // slot) and the position + 1.
    struct TSlot {
        uint32_t hash = 0;
        uint32_t position = 0;  // 0: empty
    };

    static uint64_t Hash(const ResId& type, const ResId& name);
    const TResView& Record(size_t position) const;
    void Insert(uint64_t hash, size_t position);
    // Walks the records of that type and name in the order they were added, until match says yes.
    template <class Match>
    size_t Probe(const ResId& type, const ResId& name, Match match) const;

    const std::vector<TResView>* FFirst = nullptr;
    const std::vector<TResView>* FSecond = nullptr;
    std::vector<TSlot> FSlots;
};

}  // namespace qv
