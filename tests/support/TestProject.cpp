#include "tests/support/TestProject.h"

#include <cstdlib>
#include <filesystem>

#include "platform/FileIO.h"

namespace qv::test {

TestProject::TestProject() {
    char pattern[] = "/tmp/qvcompXXXXXX";
    const char* made = ::mkdtemp(pattern);
    if (made == nullptr) throw std::runtime_error("mkdtemp failed");
    FFolder = std::string(made) + "/";
}

TestProject::~TestProject() {
    std::error_code ec;
    std::filesystem::remove_all(FFolder, ec);
}

Bytes TestProject::Fixture(const std::string& relative) {
    return ReadWholeFile(std::string(QV_TEST_DATA) + "/valid/compiler/" + relative);
}

std::vector<std::string> TestProject::DefaultProjectLines() {
    return {"[package]",
            "iconpackinfo=demo_iconpackinfo.txt",
            "iconpacklang=demo_iconpacklang.txt",
            "iconsrcdir=icon\\",  // written on Windows: the delimiter is accepted
            "mainicon=mainicon.ico",
            "outputdir=",
            "versioninfo=demo_versioninfo.bin",
            "bannerimage=demo_bannerimage.png"};
}

std::vector<std::string> TestProject::DefaultInfoLines() {
    return {"packname=Demo=Icons", "agreebutton=True", "bannerurl=https://example.org/", "showiconbit=32",
            "showiconwidth=32",    "showiconheight=32", "iconcount=3",       "iconname0=a.ico",
            "iconname1=b.ico",     "iconname2=c.ico"};
}

void TestProject::WriteDefault() {
    WriteProjectFile(DefaultProjectLines());
    WriteInfo(DefaultInfoLines());
    WriteUnicodeList("demo_iconpacklang.txt", u"日本語\r\nEnglish\r\n");
    WriteUnicodeList("demo_lang0_sys.txt", u"fontname=Noto Sans CJK JP\r\nfontsize=9\r\nbuttonYes=はい\r\n");
    WriteUnicodeList("demo_lang0_readme.txt", u"読んでください。\r\n");
    WriteUnicodeList("demo_lang1_sys.txt", u"fontname=Noto Sans\r\nfontsize=9\r\nbuttonYes=Yes\r\n");
    WriteUnicodeList("demo_lang1_readme.txt", u"Please read.\r\n");
    WriteFile("demo_versioninfo.bin", Fixture("versioninfo.bin"));
    WriteFile("demo_bannerimage.png", Fixture("banner.png"));
    WriteFile("mainicon.ico", Fixture("main3.ico"));
    std::filesystem::create_directory(FFolder + "icon");
    WriteFile("icon/a.ico", Fixture("five.ico"));
    WriteFile("icon/b.ico", Fixture("two.ico"));
    WriteFile("c.ico", Fixture("one.ico"));  // not in the icon folder: found in the project folder
}

std::vector<std::string> TestProject::InfoLinesForIcons(const std::vector<std::string>& names) {
    std::vector<std::string> lines = {"packname=Demo", "showiconbit=32", "showiconwidth=32", "showiconheight=32",
                                      "iconcount=" + std::to_string(names.size())};
    for (size_t i = 0; i < names.size(); ++i) lines.push_back("iconname" + std::to_string(i) + "=" + names[i]);
    return lines;
}

void TestProject::WriteManyIcons(int count, const Bytes& iconFile) {
    WriteDefault();
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back("i" + std::to_string(i) + ".ico");
        WriteFile("icon/" + names.back(), iconFile);
    }
    WriteInfo(InfoLinesForIcons(names));
}

void TestProject::WriteProjectFile(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    WriteText("demo.ipp", text);
}

void TestProject::WriteInfo(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    WriteText("demo_iconpackinfo.txt", text);
}

void TestProject::WriteFile(const std::string& name, const Bytes& data) { WriteWholeFile(FFolder + name, data); }

void TestProject::WriteText(const std::string& name, const std::string& text) {
    WriteFile(name, Bytes(text.begin(), text.end()));
}

void TestProject::WriteUnicodeList(const std::string& name, const std::u16string& text) {
    Bytes data{0xFF, 0xFE};
    for (char16_t c : text) {
        data.push_back(static_cast<uint8_t>(c & 0xFF));
        data.push_back(static_cast<uint8_t>(c >> 8));
    }
    WriteFile(name, data);
}

void TestProject::Remove(const std::string& name) { std::filesystem::remove(FFolder + name); }

}  // namespace qv::test
