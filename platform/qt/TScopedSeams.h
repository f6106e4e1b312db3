#pragma once
// Puts another seam service in force for the lifetime of the object (tests put a
// TFakeSystemSeams there) and restores the previous one afterwards. Scopes nest.
#include "platform/qt/TSystemSeams.h"

namespace qv {

class TScopedSeams {
public:
    explicit TScopedSeams(TSystemSeams& seams);
    ~TScopedSeams();
    TScopedSeams(const TScopedSeams&) = delete;
    TScopedSeams& operator=(const TScopedSeams&) = delete;

private:
    TSystemSeams* FPrevious;
};

}  // namespace qv
