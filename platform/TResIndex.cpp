#include "platform/TResIndex.h"

#include <stdexcept>

namespace qv {
namespace {

// The final mix of splitmix64: spreads nearby numbers over the whole table.
uint64_t Mix(uint64_t h) {
    h ^= h >> 30;
    h *= 0xbf58476d1ce4e5b9ull;
    h ^= h >> 27;
    h *= 0x94d049bb133111ebull;
    return h ^ (h >> 31);
}

uint64_t HashId(const ResId& id) {
    if (id.IsNumber()) return Mix(id.AsNumber() | (uint64_t{1} << 32));
    uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a over the UTF-16 units
    for (char16_t c : id.AsName()) h = (h ^ c) * 0x100000001b3ull;
    return Mix(h);
}

}  // namespace

TResIndex::TResIndex(const std::vector<TResView>& first, const std::vector<TResView>& second)
    : FFirst(&first), FSecond(&second) {
    const size_t count = first.size() + second.size();
    if (count >= UINT32_MAX / 2) throw std::length_error("too many resources");
    // A power of two at least twice the records: probes stay short.
    size_t slots = 16;
    while (slots < 2 * count) slots *= 2;
    FSlots.resize(slots);
    for (size_t i = 0; i < count; ++i) Insert(Hash(Record(i).type, Record(i).name), i);
}

const TResView& TResIndex::Record(size_t position) const {
    return position < FFirst->size() ? (*FFirst)[position] : (*FSecond)[position - FFirst->size()];
}

void TResIndex::Insert(uint64_t hash, size_t position) {
    const size_t mask = FSlots.size() - 1;
    size_t at = size_t(hash) & mask;
    while (FSlots[at].position != 0) at = (at + 1) & mask;
    FSlots[at] = TSlot{uint32_t(hash >> 32), uint32_t(position + 1)};
}

uint64_t TResIndex::Hash(const ResId& type, const ResId& name) { return Mix(HashId(type) * 31 + HashId(name)); }

// Linear probing without removals: records of one key lie along the probe path in the order
// they were added.
template <class Match>
size_t TResIndex::Probe(const ResId& type, const ResId& name, Match match) const {
    if (FSlots.empty()) return KNone;
    const uint64_t hash = Hash(type, name);
    const size_t mask = FSlots.size() - 1;
    for (size_t at = size_t(hash) & mask; FSlots[at].position != 0; at = (at + 1) & mask) {
        const TSlot& slot = FSlots[at];
        if (slot.hash != uint32_t(hash >> 32)) continue;
        const TResView& record = Record(slot.position - 1);
        if (record.type == type && record.name == name && match(record)) return slot.position - 1;
    }
    return KNone;
}

size_t TResIndex::Find(const ResId& type, const ResId& name) const {
    return Probe(type, name, [](const TResView&) { return true; });
}

size_t TResIndex::Find(const ResId& type, const ResId& name, uint16_t language) const {
    return Probe(type, name, [language](const TResView& record) { return record.language == language; });
}

}  // namespace qv
