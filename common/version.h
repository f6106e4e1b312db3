#pragma once
// The builder's own file version, read once at start-up and shown by the about dialog.
#include <cstdint>
#include <string>

#include "platform/Bytes.h"

namespace qv {

struct TVersion {
    int32_t Major = 0;
    int32_t Minor = 0;
    int32_t Release = 0;
    int32_t Build = 0;
    std::string Text;  // system code page
};

// All zeros and an empty text until start-up fills it, and stays so when the version block is
// missing, damaged or has no Japanese file version text.
extern TVersion AppVersion;

// The value the start-up reads: the file version of the Japanese (code page 932) string table.
extern const char* const kAppVersionQuery;

// Splits the text at every "." into Major, Minor, Release and Build; missing parts and parts that
// are not whole decimal numbers (blanks around them allowed) give 0. Text is the whole text.
TVersion ParseVersionText(const std::string& text);

// Reads the file version text of a version block; false when the block is damaged or lacks it.
bool ReadFileVersion(const uint8_t* data, size_t size, TVersion& version);

// The start-up: fills AppVersion from a version block.
void InitAppVersion(const uint8_t* data, size_t size);
inline void InitAppVersion(const Bytes& block) { InitAppVersion(block.data(), block.size()); }
// The start-up of a program: AppVersion from its own version resource (type 16, number 1).
void InitAppVersionFromModule();

}  // namespace qv
