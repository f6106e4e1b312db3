#pragma once
// The interface of libquorcomp.so, bound by name at run time by the builder (dlopen/dlsym).
#include <cstdint>

#define QV_EXPORT __attribute__((visibility("default")))

extern "C" {
// Builds the project at projectPath (system code page) into the package at outputPath.
// Returns one result code (0 success, 1, 2, 4, 8, 16, 32 or 255); never throws.
QV_EXPORT int32_t CompilePackage(const char* projectPath, const char* outputPath, int32_t reserved);
// The library's version, one decimal digit per component: 1002 is 1.0.0.2.
QV_EXPORT uint16_t GetVersion();

typedef int32_t (*TCompilePackageFunc)(const char*, const char*, int32_t);
typedef uint16_t (*TGetVersionFunc)();
}
