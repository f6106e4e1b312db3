// qvversionblock OUT.bin VERSION NAME=VALUE...
// Writes the version block of a program at build time: file and product version VERSION
// ("1.0.0.2"), the Japanese string table (0411, code page 932) with the strings in the given order
// (UTF-8 arguments). Exit status 0 done, 1 the file cannot be written, 2 wrong arguments.
#include <cstdio>
#include <exception>
#include <string>

#include "common/TVersionBlockWriter.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

int main(int argc, char** argv) {
    qv::TVersionBlockWriter block;
    if (argc < 3 || !qv::TVersionBlockWriter::ParseVersion(argv[2], block.FileVersion)) {
        std::fprintf(stderr, "usage: qvversionblock OUT.bin MAJOR.MINOR.RELEASE.BUILD [NAME=VALUE...]\n");
        return 2;
    }
    block.ProductVersion = block.FileVersion;
    for (int i = 3; i < argc; ++i) {
        const std::string pair = argv[i];
        const size_t equals = pair.find('=');
        if (equals == std::string::npos || equals == 0) {
            std::fprintf(stderr, "qvversionblock: \"%s\" is not NAME=VALUE\n", argv[i]);
            return 2;
        }
        block.Strings.emplace_back(qv::Utf8ToUnicode(pair.substr(0, equals)), qv::Utf8ToUnicode(pair.substr(equals + 1)));
    }
    try {
        qv::WriteWholeFile(argv[1], block.Write());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qvversionblock: %s\n", e.what());
        return 1;
    }
    return 0;
}
