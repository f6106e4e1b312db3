#pragma once
// The commands of qvres:
//   qvres list FILE                            every resource of the overlay and the section
//   qvres extract FILE TYPE NAME [LANG]        the resource's bytes to standard output
//   qvres add FILE TYPE NAME LANG DATAFILE     adds or replaces a resource in the overlay
//   qvres pack OUT.res TYPE NAME LANG FILE...  writes a .res stream (the build's built-ins)
// TYPE, LANG and a numeric NAME are decimal numbers; other names are stored upper-case. For pack,
// the TYPE ICONGROUP takes an icon file and stores it as a resource compiler stores an icon: one
// icon resource (type 3) per image under identifiers not given otherwise, and the icon group
// (type 14) NAME naming them.
// Exit status: 0 done, 1 damaged or unreadable input (or no such resource), 2 usage error.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ResEntry.h"
#include "platform/ResId.h"

namespace qv {

class TQvresCommand {
public:
    static constexpr int KOk = 0;
    static constexpr int KFailed = 1;
    static constexpr int KUsage = 2;
    static constexpr const char* KIconGroupType = "ICONGROUP";

    TQvresCommand(std::ostream& out, std::ostream& err) : FOut(out), FErr(err) {}

    // args without the program name.
    int Run(const std::vector<std::string>& args);

    // "14" is the number 14, anything else a name; false for a number out of range or "".
    static bool ParseId(const std::string& text, ResId& id);
    static bool ParseNumber(const std::string& text, uint16_t& number);

private:
    using TArgs = std::vector<std::string>;

    int List(const TArgs& args);
    int Extract(const TArgs& args);
    int Add(const TArgs& args);
    int Pack(const TArgs& args);

    int Usage(const std::string& problem);
    int Failure(const std::string& message);
    void PrintEntries(const char* where, const std::vector<ResEntry>& entries);

    std::ostream& FOut;
    std::ostream& FErr;
};

}  // namespace qv
