#pragma once
// A sink that writes to a file descriptor with gathered writes (writev), so that many small
// pieces and large blocks go out without being copied into one buffer first.
#include <string>
#include <sys/uio.h>
#include <vector>

#include "platform/TByteSink.h"

namespace qv {

class TFdGatherSink : public TByteSink {
public:
    // path is used in error messages only.
    TFdGatherSink(int fd, std::string path) : FFd(fd), FPath(std::move(path)) {}

    void Put(const uint8_t* data, size_t size) override;
    // Throws EFCreateError naming the file when a write fails.
    void Flush() override;

private:
    int FFd;
    std::string FPath;
    std::vector<iovec> FPending;
};

}  // namespace qv
