// Any bytes parse as an INI text and come back byte for byte; a key written into a section that
// the text names, or into a new one, reads back, and deleting it or the section takes it away.
#include <string>

#include "platform/TIniDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qv::TIniDocument document;
    document.Parse(data, size);
    if (document.ToBytes() != qv::Bytes(data, data + size)) __builtin_trap();

    const auto sections = document.SectionNames();
    const std::string section = sections.empty() ? std::string("fuzz") : sections.front();
    const auto keys = document.KeyNames(section);
    const std::string key = keys.empty() ? std::string("key") : keys.front();
    std::string value;
    document.WriteValue(section, key, "written");
    if (!document.ReadValue(section, key, value) || value != "written") __builtin_trap();
    document.DeleteKey(section, key);
    if (document.ReadValue(section, key, value)) __builtin_trap();
    document.EraseSection(section);
    if (document.SectionExists(section)) __builtin_trap();
    return 0;
}
