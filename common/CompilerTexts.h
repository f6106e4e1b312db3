#pragma once
// What the builder and the quorcomp command say about the compiler library: the status text of
// each result code and the packed library version.
#include <cstdint>
#include <string>

namespace qv {

// UTF-8 status text of a CompilePackage result code.
std::string CompileResultText(int32_t code);
// 1002 -> "1.0.0.2", 12345 -> "12.3.4.5": thousands, hundreds, tens and units.
std::string FormatCompilerVersion(uint16_t version);

}  // namespace qv
