#pragma once
// For timing and checking a package from outside: when QUORVEX_REPORT_SHOWN is set, the program
// prints what its window shows once the first showing has been handled, and then quits. Lines of
// "name: value" on standard output, the first one the moment of the report on the system's
// monotonic clock, so a caller that started the process can take the time from start to window.
#include <QString>

namespace qv {

class TtntfrmQuorvex;

class TShownReport {
public:
    static constexpr const char* kVariable = "QUORVEX_REPORT_SHOWN";

    static bool Requested();
    // Arranges for the report to be printed, and the program to quit, as soon as the events that
    // the showing posted have been handled.
    static void AfterFirstShowing(const TtntfrmQuorvex& window);
    // The report's lines: shown_us, title, application_title, banner, languages, language,
    // icons, readme_chars, agree_step.
    static QString Text(const TtntfrmQuorvex& window);
};

}  // namespace qv
