#include "builder/core/TProjectFileNames.h"

#include "common/PathEdit.h"

namespace qv {

TProjectFileNames::TProjectFileNames(const std::string& projectPath)
    : Folder(ExtractFilePath(projectPath)), Base(ChangeFileExt(ExtractFileName(projectPath), "")) {}

}  // namespace qv
