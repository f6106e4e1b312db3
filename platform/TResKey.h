#pragma once
// Type, name and language of a resource as one hashable key, for constant-time lookups among
// many resources (a package holds one record per icon image).
#include <cstddef>
#include <cstdint>
#include <functional>

#include "platform/ResId.h"

namespace qv {

struct TResKey {
    // Lookups by type and name alone use this in place of a language.
    static constexpr uint32_t KAnyLanguage = 0x10000;

    ResId type;
    ResId name;
    uint32_t language = KAnyLanguage;

    bool operator==(const TResKey& o) const { return language == o.language && type == o.type && name == o.name; }

    struct Hash {
        size_t operator()(const TResKey& key) const;
    };
};

}  // namespace qv
