#pragma once
// Writes a small project file set into a fresh temporary folder, with every file under the
// test's control, so each case can damage or remove exactly one input.
#include <string>
#include <vector>

#include "platform/Bytes.h"

namespace qv::test {

class TestProject {
public:
    TestProject();
    ~TestProject();

    const std::string& Folder() const { return FFolder; }  // ends in '/'
    std::string ProjectPath() const { return FFolder + "demo.ipp"; }
    std::string Path(const std::string& name) const { return FFolder + name; }

    // The complete default set: two languages, three icons (icon/), banner, version block.
    void WriteDefault();
    // The default set with count icons instead: copies of iconFile named i0.ico, i1.ico, ... in
    // the icon folder, and an info file with the default scalar keys (no agreement step).
    void WriteManyIcons(int count, const Bytes& iconFile);
    void WriteProjectFile(const std::vector<std::string>& lines);
    void WriteInfo(const std::vector<std::string>& lines);
    void WriteFile(const std::string& name, const Bytes& data);
    void WriteText(const std::string& name, const std::string& text);
    void WriteUnicodeList(const std::string& name, const std::u16string& text);
    void Remove(const std::string& name);

    static Bytes Fixture(const std::string& relative);  // a file under tests/data/valid/compiler
    static std::vector<std::string> DefaultProjectLines();
    static std::vector<std::string> DefaultInfoLines();
    // Info lines with packname, showicon*, the icon count and iconname lines for names.
    static std::vector<std::string> InfoLinesForIcons(const std::vector<std::string>& names);

private:
    std::string FFolder;
};

}  // namespace qv::test
