#pragma once
// A resource type or name: a 16-bit number, or a string stored upper-case (as the .res format
// and the resource services treat names).
#include <cstdint>
#include <string>

namespace qv {

class ResId {
public:
    static ResId Number(uint16_t number);
    // name is ASCII or UTF-8; it is stored upper-case as UTF-16.
    static ResId Name(const std::string& name);
    static ResId Name(const std::u16string& name);

    bool IsNumber() const { return FIsNumber; }
    uint16_t AsNumber() const { return FNumber; }
    const std::u16string& AsName() const { return FName; }
    // "14" for a number, the name in UTF-8 otherwise.
    std::string ToString() const;

    bool operator==(const ResId& other) const {
        return FIsNumber == other.FIsNumber && FNumber == other.FNumber && FName == other.FName;
    }
    bool operator!=(const ResId& other) const { return !(*this == other); }

private:
    bool FIsNumber = true;
    uint16_t FNumber = 0;
    std::u16string FName;
};

}  // namespace qv
