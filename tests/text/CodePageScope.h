#pragma once
// Sets QUORVANE_CODEPAGE (and optionally LC_ALL) for one test and puts both back afterwards.
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/CodePage.h"

namespace qv::test {

class EnvironmentScope {
public:
    EnvironmentScope(const char* name, const char* value) : FName(name) {
        if (const char* old = std::getenv(name)) FOld = old;
        Set(value);
    }
    ~EnvironmentScope() { Set(FOld ? FOld->c_str() : nullptr); }
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
    void Set(const char* value) {
        if (value)
            setenv(FName.c_str(), value, 1);
        else
            unsetenv(FName.c_str());
    }
    std::string FName;
    std::optional<std::string> FOld;
};

// The system code page for one test; nullptr leaves only the locale to decide.
class CodePageScope {
public:
    explicit CodePageScope(const char* codePage, const char* locale = nullptr)
        : FCodePage("QUORVANE_CODEPAGE", codePage), FLocale("LC_ALL", locale ? locale : std::getenv("LC_ALL")) {
        ResetSystemCodePage();
    }
    ~CodePageScope() { ResetSystemCodePage(); }

private:
    EnvironmentScope FCodePage;
    EnvironmentScope FLocale;
};

}  // namespace qv::test
