#pragma once
// Whole-file reads and writes and the file-system questions the designs ask ("a file exists",
// "a folder exists", "make a folder with its parents"). Paths are byte strings (file names on
// Linux are bytes; the system code page decides what they mean).
#include <string>

#include "platform/Bytes.h"

namespace qv {

// Throws EFOpenError ("Cannot open file "<path>". <reason>") when the file cannot be read.
Bytes ReadWholeFile(const std::string& path);
// Creates or replaces the file; throws EFCreateError ("Cannot create file "<path>". <reason>").
void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size);
inline void WriteWholeFile(const std::string& path, const Bytes& data) {
    WriteWholeFile(path, data.data(), data.size());
}

bool FileExists(const std::string& path);       // a file, not a folder
bool DirectoryExists(const std::string& path);  // a folder
bool ForceDirectories(const std::string& path); // makes missing parents too; true when it exists after
bool DeleteFileIfExists(const std::string& path);

}  // namespace qv
