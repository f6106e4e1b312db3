#include "platform/TOwnModule.h"

#include <link.h>
#include <sys/auxv.h>

// Framed by the section that qv_add_resources() links into a module. Weak, so that a module
// without built-in resources links (both are then null); hidden, so that a shared object sees
// its own section and not the program's.
extern "C" const unsigned char qv_builtin_res_begin[] __attribute__((weak, visibility("hidden")));
extern "C" const unsigned char qv_builtin_res_end[] __attribute__((weak, visibility("hidden")));

namespace qv {
namespace {

struct TSearch {
    uintptr_t address;
    const ElfW(Phdr)* mainPhdr;
    bool found = false;
    bool isMain = false;
};

int VisitObject(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<TSearch*>(data);
    for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& ph = info->dlpi_phdr[i];
        if (ph.p_type != PT_LOAD) continue;
        const uintptr_t start = info->dlpi_addr + ph.p_vaddr;
        if (search->address >= start && search->address - start < ph.p_memsz) {
            search->found = true;
            search->isMain = info->dlpi_phdr == search->mainPhdr;
            return 1;
        }
    }
    return 0;
}

}  // namespace

size_t TOwnModule::BuiltInSize() {
    // Compared as addresses: the two symbols frame one section but are distinct objects.
    const uintptr_t begin = reinterpret_cast<uintptr_t>(qv_builtin_res_begin);
    const uintptr_t end = reinterpret_cast<uintptr_t>(qv_builtin_res_end);
    return begin && end > begin ? static_cast<size_t>(end - begin) : 0;
}

const uint8_t* TOwnModule::BuiltInData() { return BuiltInSize() ? qv_builtin_res_begin : nullptr; }

bool TOwnModule::IsMainProgram() {
    // The main program's program headers are the ones the kernel handed over (AT_PHDR); the
    // object whose segments hold this very function is the module we are linked into.
    TSearch search{reinterpret_cast<uintptr_t>(&TOwnModule::IsMainProgram),
                   reinterpret_cast<const ElfW(Phdr)*>(::getauxval(AT_PHDR))};
    ::dl_iterate_phdr(&VisitObject, &search);
    return !search.found || search.isMain;
}

std::string TOwnModule::OverlayFile() { return IsMainProgram() ? "/proc/self/exe" : std::string(); }

}  // namespace qv
