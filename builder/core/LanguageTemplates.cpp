#include "builder/core/LanguageTemplates.h"

#include <sys/stat.h>

#include "common/PathEdit.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TUnicodeStringList.h"

namespace qv {

const char16_t kMissingTemplateText[] = u"fontname=Tahoma\r\nfontsize=9";

std::string ResolveTemplatePath(const std::string& name, const std::string& programDir) {
    return DirectoryExists(ExtractFilePath(name)) ? name : programDir + name;
}

std::u16string ReadTemplateText(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        throw EFOpenError("Cannot open file \"" + path + "\". Not a regular file");
    TUnicodeStringList text;
    text.LoadFromFile(path);
    return text.Text();
}

}  // namespace qv
