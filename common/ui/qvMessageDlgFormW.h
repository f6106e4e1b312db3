#pragma once
// The message dialog as the programs use it: one instance per program, reused for every message.
#include <QString>

#include <cstdint>

#include "common/ui/TfrmqvMessageDlgFormW.h"

namespace qv {

// The program's instance; nullptr until EnsureMessageDlgForm has made it.
extern TfrmqvMessageDlgFormW* frmqvMessageDlgFormW;

// Makes the instance, without an owner, when there is none yet; it lives until the application
// object ends (or FreeMessageDlgForm). A picture that cannot be loaded throws and leaves none.
void EnsureMessageDlgForm();
// Destroys the instance (tests start afresh with it); the next message makes a new one.
void FreeMessageDlgForm();

// Shows Msg modally with the picture of Kind (0 warning, 1 error, 2 information, 3 confirmation;
// other kinds show none), the buttons of the set Buttons and the caption Title. Returns the
// pressed button's result, or 2 when the window is closed. A message asked for while the
// instance is already showing one gets a dialog of its own with the same captions.
int MessageDlgW(const QString& Msg, uint8_t Kind, uint16_t Buttons, const QString& Title);

// Puts MessageDlgW behind the real seams' message questions (Seams().MessageDlg), so that every
// question a window program asks through the seams shows this dialog. Each program calls it at
// start; tests that put a test double in force are not affected.
void InstallMessageDlgW();

}  // namespace qv
