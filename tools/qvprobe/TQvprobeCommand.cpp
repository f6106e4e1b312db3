#include "tools/qvprobe/TQvprobeCommand.h"

#include "icon/TQVIcon.h"
#include "platform/ResId.h"
#include "platform/ResTypes.h"
#include "platform/TAnsiStringList.h"
#include "platform/TModuleResources.h"
#include "runtime/TPackageInfo.h"

namespace qv {

int TQvprobeCommand::Run(const std::vector<std::string>& args) {
    if (args.size() > 1 || (args.size() == 1 && (args[0].empty() || args[0][0] == '-'))) {
        FErr << "usage: qvprobe [PACKAGE]\n";
        return KUsage;
    }
    if (args.size() == 1) TModuleResources::SetSelfFile(args[0]);
    try {
        return Probe();
    } catch (const std::exception& e) {
        FErr << "qvprobe: " << e.what() << "\n";
        return KFailed;
    }
}

int TQvprobeCommand::Probe() {
    TAnsiStringList lines;
    lines.LoadFromStream(*TModuleResources::Self().Open(ResId::Number(RT_RCDATA), ResId::Name("ICONPACKINFO")));
    TPackageInfo info;
    info.Read(lines);
    FOut << "title: " << info.FPackName << "\n";
    // One icon at a time: a damaged count ends at the first missing group.
    for (int i = 0; i < info.FIconCount; ++i) {
        TQVIcon icon;
        icon.LoadFromResourceName("_ICONPACK" + std::to_string(i));
        FOut << "icon " << i << ": " << info.FIconNames[i] << " (" << icon.Count() << " images)\n";
    }
    return KOk;
}

}  // namespace qv
