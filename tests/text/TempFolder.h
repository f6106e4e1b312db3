#pragma once
// A new empty folder under /tmp for one test, removed with everything in it afterwards.
#include <gtest/gtest.h>

#include <limits.h>
#include <stdlib.h>

#include <cstdlib>
#include <string>

namespace qv::test {

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/qvtestXXXXXX";
        char resolved[PATH_MAX];
        if (mkdtemp(pattern) && realpath(pattern, resolved)) FPath = resolved;
        EXPECT_FALSE(FPath.empty()) << "cannot make a temporary folder";
    }
    ~TempFolder() {
        if (!FPath.empty()) std::system(("rm -rf '" + FPath + "'").c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

}  // namespace qv::test
