#pragma once
// Joining and expanding paths. Paths are system-code-page byte strings; the delimiter is '/'.
//
// The long form of a path has every component as the directory stores it. There are no short
// names here, so a component keeps its spelling, except on a file system that finds names
// without regard to case, where it takes the stored spelling. A component that does not exist
// gives an empty name at its place; a root ("/") comes back unchanged; a relative path stays
// relative (its first component is looked up in the working folder) and never gains a leading
// delimiter. Paths of any length are handled without recursion.
#include <string>

namespace qv {

constexpr char PathDelim = '/';

// The path ending in exactly one added or existing delimiter; the empty path gives "/".
std::string AppendBackslash(const std::string& path);

// The name of the file or folder as the directory stores it, or empty when there is none (a
// path ending in a delimiter names no entry).
std::string FindLongName(const std::string& path);
// The same folder with every component in its long form.
std::string ExpandLongPath(const std::string& path);
// The same path with every component in its long form; a final delimiter is dropped.
std::string ExpandLongFileName(const std::string& path);

// "/a/b.txt" -> "/a/" (up to and including the last delimiter; empty without one).
std::string ExtractFilePath(const std::string& path);
// "/a/b.txt" -> "/a", "/a/" -> "/a", "/a" -> "/", "a" -> "": the folder part without its final
// delimiter, a root kept whole.
std::string ExtractFileDir(const std::string& path);
// "/a/b.txt" -> "b.txt" (everything after the last delimiter).
std::string ExtractFileName(const std::string& path);
// "/a/b.txt" -> ".txt" (from the last "." of the file name; empty without one).
std::string ExtractFileExt(const std::string& path);
// Replaces the extension of the file name, or appends ext when it has none.
std::string ChangeFileExt(const std::string& path, const std::string& ext);
bool IsPathRoot(const std::string& path);  // one or more delimiters and nothing else

// A relative name read from a project file, with its '\' delimiters (projects written on Windows)
// turned into '/'. A '\' byte inside a double-byte character of the system code page (CP932
// "表" is 95 5C) is part of that character and stays.
std::string NormalizeRelativeName(const std::string& name);

}  // namespace qv
