#pragma once
// The language templates of the language list dialog: where a template name points and how a
// template file is read. A template is one language's interface text as name=value lines.
#include <string>

namespace qv {

// The interface text a language gets when its template is missing.
extern const char16_t kMissingTemplateText[];

// The name itself when its folder part names an existing folder; otherwise the name inside the
// program folder (programDir ends with its delimiter).
std::string ResolveTemplatePath(const std::string& name, const std::string& programDir);

// The whole text of a template file: a mark selects UTF-16LE, UTF-16BE or UTF-8, a file without
// one is read in the system code page; the text ends at its first NUL and every line ends with
// CR LF. Only a regular file is read: a pipe or device could block or never end. Throws
// EFOpenError naming the file when it cannot be read.
std::u16string ReadTemplateText(const std::string& path);

}  // namespace qv
