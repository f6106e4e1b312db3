// Any bytes load as a Unicode list and as an ANSI list, in one of three system code pages picked
// by the first byte. Loaded lines never hold a break or a NUL, and saving and loading them again
// gives the same lines.
#include <cstdlib>

#include "platform/CodePage.h"
#include "platform/TAnsiStringList.h"
#include "platform/TUnicodeStringList.h"

namespace {

template <class List>
void CheckList(const uint8_t* data, size_t size) {
    using Char = typename List::String::value_type;
    List list;
    list.LoadFromBytes(data, size);
    for (const auto& line : list.Lines())
        for (const Char c : line)
            if (c == Char('\r') || c == Char('\n') || c == Char(0) || (sizeof(Char) > 1 && c == Char(0x2028)))
                __builtin_trap();
    List again;
    again.LoadFromBytes(list.SaveToBytes());
    if (again.Lines() != list.Lines()) __builtin_trap();
    // The first line with a name is the one its name finds.
    for (int i = 0; i < list.Count(); ++i) {
        if (list[i].find(Char('=')) == List::String::npos) continue;
        if (list.Values(list.Names(i)) != list.ValueFromIndex(i)) __builtin_trap();
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const kCodePages[] = {"UTF-8", "CP932", "CP1252"};
    if (size == 0) return 0;
    setenv("QUORVANE_CODEPAGE", kCodePages[data[0] % 3], 1);
    qv::ResetSystemCodePage();
    CheckList<qv::TUnicodeStringList>(data + 1, size - 1);
    CheckList<qv::TAnsiStringList>(data + 1, size - 1);
    return 0;
}
