#pragma once
// Small helpers of the resource tests: a temporary folder, running a program, reading bytes.
#include <string>
#include <vector>

#include "platform/Bytes.h"
#include "platform/ResEntry.h"

namespace qv::test {

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it at the end.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::string& Path() const { return FPath; }
    std::string File(const std::string& name) const { return FPath + "/" + name; }

private:
    std::string FPath;
};

struct TRunResult {
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs argv[0] with the arguments (no shell), collecting standard output and error.
TRunResult Run(const std::vector<std::string>& argv);

// The program folder's qvres.
std::string QvresPath();
// The MinGW resource compiler, or "" when it is not installed.
std::string WindresPath();

std::string DataPath(const std::string& relative);
Bytes BytesOf(const std::string& text);
// Copies a file with its mode.
void CopyFile(const std::string& from, const std::string& to);
unsigned FileMode(const std::string& path);

ResEntry MakeEntry(const ResId& type, const ResId& name, uint16_t language, const Bytes& data);

}  // namespace qv::test
