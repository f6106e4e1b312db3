// The library's only two exported symbols; everything else is hidden.
#include <cstdint>
#include <new>

#include "compiler/QuorcompExports.h"
#include "compiler/TPackageCompiler.h"
#include "platform/ResId.h"
#include "platform/ResTypes.h"
#include "platform/TModuleResources.h"

extern "C" QV_EXPORT int32_t CompilePackage(const char* projectPath, const char* outputPath, int32_t /*reserved*/) {
    try {
        if (projectPath == nullptr || outputPath == nullptr) return qv::crFailed;
        const qv::ResEntry* runtime =
            qv::TModuleResources::Self().Find(qv::ResId::Number(qv::RT_RCDATA), qv::ResId::Name("ICONPACKBINARY"));
        if (runtime == nullptr) return qv::crFailed;
        qv::TPackageCompiler compiler(runtime->data);
        return compiler.Compile(projectPath, outputPath);
    } catch (...) {
        return qv::crFailed;  // nothing escapes the library
    }
}

extern "C" QV_EXPORT uint16_t GetVersion() { return 1002; }
