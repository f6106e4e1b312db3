#pragma once
// The message dialog's kinds, button bits and results as the viewer's questions use them.
#include <cstdint>

namespace qv::msg {

constexpr uint8_t kError = 1;
constexpr uint8_t kConfirmation = 3;

constexpr uint16_t kYes = 0x0001, kNo = 0x0002, kOk = 0x0004, kCancel = 0x0008, kNoToAll = 0x0100,
                   kYesToAll = 0x0200;

constexpr int kResultOk = 1, kResultCancel = 2, kResultYes = 6, kResultNo = 7, kResultNoToAll = 9, kResultYesToAll = 10;

}  // namespace qv::msg
