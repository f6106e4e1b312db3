#include "builder/TFileDialogState.h"

namespace qv {

bool TFileDialogState::Execute() {
    TSystemSeams& seams = Seams();
    const TFileDialogResult result = FKind == TFileDialogKind::Save       ? seams.SaveFile(FRequest)
                                     : FKind == TFileDialogKind::OpenMany ? seams.OpenFiles(FRequest)
                                                                          : seams.OpenFile(FRequest);
    if (!result.Accepted || result.Files.isEmpty()) return false;
    FFiles = result.Files;
    FRequest.FileName = result.File();
    FRequest.FilterIndex = result.FilterIndex;
    return true;
}

}  // namespace qv
