#include "platform/TFdGatherSink.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <unistd.h>

#include "platform/Errors.h"

namespace qv {
namespace {

#ifdef IOV_MAX
constexpr size_t KMaxPieces = IOV_MAX;
#else
constexpr size_t KMaxPieces = 1024;
#endif

}  // namespace

void TFdGatherSink::Put(const uint8_t* data, size_t size) {
    if (size == 0) return;
    FPending.push_back(iovec{const_cast<uint8_t*>(data), size});
    if (FPending.size() >= KMaxPieces) Flush();
}

void TFdGatherSink::Flush() {
    size_t first = 0;
    while (first < FPending.size()) {
        const size_t count = FPending.size() - first < KMaxPieces ? FPending.size() - first : KMaxPieces;
        const ssize_t n = ::writev(FFd, FPending.data() + first, static_cast<int>(count));
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            FPending.clear();
            throw EFCreateError("Cannot write file \"" + FPath + "\". " + std::strerror(err));
        }
        // Drop what was written; a partial write leaves the rest of a piece for the next round.
        size_t done = static_cast<size_t>(n);
        while (done && first < FPending.size()) {
            iovec& v = FPending[first];
            if (done >= v.iov_len) {
                done -= v.iov_len;
                ++first;
            } else {
                v.iov_base = static_cast<uint8_t*>(v.iov_base) + done;
                v.iov_len -= done;
                done = 0;
            }
        }
    }
    FPending.clear();
}

}  // namespace qv
