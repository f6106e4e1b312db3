#include "compiler/cli/TQuorcompCommand.h"

#include <iostream>
#include <string>

#include "common/CompilerTexts.h"
#include "common/PathEdit.h"
#include "compiler/QuorcompExports.h"
#include "platform/CodePage.h"

namespace qv {

int TQuorcompCommand::Run(int argc, char** argv) { return Run(argc, argv, std::cout, std::cerr); }

int TQuorcompCommand::Run(int argc, char** argv, std::ostream& out, std::ostream& err) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 2 && first == "--version") {
        out << FormatCompilerVersion(GetVersion()) << '\n';
        return 0;
    }
    if (argc < 2 || argc > 3 || first.empty() || first[0] == '-') {
        err << "usage: quorcomp PROJECT.ipp [OUTPUT] | quorcomp --version\n";
        return 2;
    }
    const std::string output = argc == 3 ? argv[2] : ChangeFileExt(first, ".run");
    const int32_t code = CompilePackage(first.c_str(), output.c_str(), 0);
    // Status texts are the builder's own; the terminal gets them in the system code page.
    (code == 0 ? out : err) << UnicodeToAnsi(Utf8ToUnicode(CompileResultText(code))) << '\n';
    return code;
}

}  // namespace qv
