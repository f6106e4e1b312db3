// This console program stands in for the package viewer until the viewer window exists: it opens
// its own package resources and prints the package's title and icon names, so that a built
// package can be checked from a terminal or a test.
#include <cstdio>
#include <string>

#include "icon/TQVIcon.h"
#include "platform/ResId.h"
#include "platform/TAnsiStringList.h"
#include "platform/TModuleResources.h"

namespace {

constexpr uint16_t RT_RCDATA = 10;

std::string InfoValue(const qv::TAnsiStringList& info, const std::string& key) { return info.Values(key); }

}  // namespace

int main() {
    try {
        const qv::ResEntry* entry =
            qv::TModuleResources::Self().Find(qv::ResId::Number(RT_RCDATA), qv::ResId::Name("ICONPACKINFO"));
        if (entry == nullptr) {
            std::fprintf(stderr, "Quorvex: this program carries no package\n");
            return 1;
        }
        qv::TAnsiStringList info;
        info.SetCaseSensitive(true);  // the runtime compares keys exactly, letter case included
        info.LoadFromBytes(entry->data);
        std::printf("title: %s\n", InfoValue(info, "packname").c_str());
        const int count = std::stoi(InfoValue(info, "iconcount"));
        for (int i = 0; i < count; ++i) {
            qv::TQVIcon icon;
            icon.LoadFromResourceName("_ICONPACK" + std::to_string(i));
            std::printf("icon %d: %s (%d images)\n", i, InfoValue(info, "iconname" + std::to_string(i)).c_str(),
                        icon.Count());
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Quorvex: %s\n", e.what());
        return 1;
    }
}
