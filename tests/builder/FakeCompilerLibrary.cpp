// A stand-in for the compiler library in the builder's tests. CompilePackage returns the code
// in $QV_FAKE_COMPILE_RESULT (default 0); when the code is 0 it writes an executable package (a
// script naming its source that sleeps $QV_FAKE_PACKAGE_SLEEP seconds, default 30),
// and appends "source|output|watched" to $QV_FAKE_COMPILE_LOG, where watched tells whether the
// process $QV_FAKE_WATCH_PID still existed when it was called. GetVersion returns 12345.
// Built once with both exports and once without CompilePackage.
#include <signal.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>

#define QV_FAKE_EXPORT extern "C" __attribute__((visibility("default")))

#ifndef QV_FAKE_WITHOUT_COMPILE
namespace {

int EnvNumber(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

}  // namespace

QV_FAKE_EXPORT int32_t CompilePackage(const char* source, const char* output, int32_t) {
    const int result = EnvNumber("QV_FAKE_COMPILE_RESULT", 0);
    const int watched = EnvNumber("QV_FAKE_WATCH_PID", 0);
    if (const char* log = std::getenv("QV_FAKE_COMPILE_LOG")) {
        std::ofstream out(log, std::ios::app);
        out << source << '|' << output << '|' << (watched > 0 && kill(watched, 0) == 0 ? "alive" : "gone") << '\n';
    }
    if (result == 0) {
        std::ofstream(output) << "#!/bin/sh\n# package from " << source << "\nexec sleep ${QV_FAKE_PACKAGE_SLEEP:-30}\n";
        chmod(output, 0755);
    }
    return result;
}
#endif

QV_FAKE_EXPORT uint16_t GetVersion() { return 12345; }
