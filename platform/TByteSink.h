#pragma once
// Where a writer puts its output piece by piece. A sink may keep the pointer until its Flush, so
// the bytes must stay alive and unchanged until then.
#include <cstddef>
#include <cstdint>

namespace qv {

class TByteSink {
public:
    virtual ~TByteSink() = default;
    virtual void Put(const uint8_t* data, size_t size) = 0;
    virtual void Flush() {}
};

}  // namespace qv
