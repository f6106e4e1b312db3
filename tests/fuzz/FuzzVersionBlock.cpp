// Any bytes given to the version-block reader parse or are refused whole; a parsed block answers
// queries, and the start-up either finds a version or leaves AppVersion empty.
#include <string>

#include "common/TVersionBlock.h"
#include "common/version.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qv::TVersionBlock block;
    const bool parsed = block.Parse(data, size);
    qv::Bytes value;
    if (parsed != block.QueryValue("\\", value)) __builtin_trap();
    std::u16string text;
    block.QueryString(qv::kAppVersionQuery, text);
    block.QueryString("VarFileInfo\\Translation", text);
    qv::InitAppVersion(data, size);
    if (!parsed && !qv::AppVersion.Text.empty()) __builtin_trap();
    return 0;
}
