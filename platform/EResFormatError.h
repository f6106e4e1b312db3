#pragma once
// A resource container (.res stream, overlay, ELF file) that is damaged. The message says what
// was being read and at which offset, so that a tool can report it as it stands.
#include "platform/Errors.h"

namespace qv {

class EResFormatError : public EQVError {
public:
    using EQVError::EQVError;
};

}  // namespace qv
