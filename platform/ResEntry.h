#pragma once
// One resource as a .res stream record holds it, with its own copy of the data: what is edited
// and written.
#include "platform/Bytes.h"
#include "platform/ResHeader.h"

namespace qv {

struct ResEntry : ResHeader {
    Bytes data;
};

}  // namespace qv
