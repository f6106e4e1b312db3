// qvunicodelist IN.txt OUT
// Turns a UTF-8 text file into a Unicode list as the builder writes them (FF FE, UTF-16LE, CR LF
// after every line): the language templates are kept readable in the sources and delivered in
// the form the builder and the language list dialog read.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/TUnicodeStringList.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qvunicodelist IN.txt OUT\n");
        return 2;
    }
    try {
        const qv::Bytes input = qv::ReadWholeFile(argv[1]);
        qv::TUnicodeStringList list;
        list.SetText(qv::Utf8ToUnicode(std::string(input.begin(), input.end())));
        list.SaveToFile(argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qvunicodelist: %s\n", e.what());
        return 1;
    }
    return 0;
}
