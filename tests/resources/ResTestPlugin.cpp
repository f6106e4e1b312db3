// A shared object with its own built-in resources, loaded by the resource tests.
#include <cstring>

#include "platform/TModuleResources.h"
#include "platform/TOwnModule.h"

extern "C" __attribute__((visibility("default"))) long qv_test_plugin_read(const char* name, char* buffer,
                                                                           unsigned long capacity) {
    const qv::ResEntry* e = qv::TModuleResources::Self().Find(qv::ResId::Number(10), qv::ResId::Name(name));
    if (!e) return -1;
    const unsigned long n = e->data.size() < capacity ? e->data.size() : capacity;
    if (n) std::memcpy(buffer, e->data.data(), n);
    return static_cast<long>(e->data.size());
}

extern "C" __attribute__((visibility("default"))) int qv_test_plugin_is_main_program() {
    return qv::TOwnModule::IsMainProgram() ? 1 : 0;
}
