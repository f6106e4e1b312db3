#include "platform/Numbers.h"

#include <limits>

namespace qv {

bool TryStrToInt(std::string_view text, int32_t& value) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty()) return false;
    const int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
    int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return false;
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

}  // namespace qv
