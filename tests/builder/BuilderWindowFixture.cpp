#include "tests/builder/BuilderWindowFixture.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "builder/BuilderText.h"
#include "platform/FileIO.h"
#include "tests/builder/BuilderTestIcons.h"

namespace qv::test {

BuilderWindowTest::BuilderWindowTest() {
    for (const char* name : {"japanese_sys.dat", "english_sys.dat", "korean_sys.dat", "chinese_sys.dat"})
        WriteWholeFile(ProgramDir() + name, ReadWholeFile(std::string(QV_BIN_DIR) + "/" + name));
}

TBuilderPlaces BuilderWindowTest::Places() const { return TBuilderPlaces{ProgramDir(), FConfig.Path(), "tester"}; }

std::unique_ptr<TfrmBuilderMain> BuilderWindowTest::MakeWindow(std::vector<std::string> arguments) {
    auto window = std::make_unique<TfrmBuilderMain>(Places(), std::move(arguments));
    window->show();
    return window;
}

std::string BuilderWindowTest::Text(const std::string& path) {
    const Bytes b = ReadWholeFile(path);
    return std::string(b.begin(), b.end());
}

void BuilderWindowTest::WriteText(const std::string& path, const std::string& text) {
    WriteWholeFile(path, Bytes(text.begin(), text.end()));
}

Bytes BuilderWindowTest::UnicodeFile(const std::u16string& text) {
    Bytes data{0xFF, 0xFE};
    for (char16_t c : text) {
        data.push_back(uint8_t(c & 0xFF));
        data.push_back(uint8_t(c >> 8));
    }
    return data;
}

std::vector<std::string> BuilderWindowTest::Lines(const std::string& path) {
    std::vector<std::string> lines;
    const std::string text = Text(path);
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return lines;
}

std::string BuilderWindowTest::WriteIcon(const std::string& name,
                                         const std::vector<std::tuple<int, int, uint32_t>>& images) const {
    std::vector<TTestImage> solid;
    for (const auto& [size, bits, rgb] : images) solid.push_back(SolidImage(size, uint16_t(bits), rgb));
    const std::string path = Work() + name;
    WriteWholeFile(path, SolidIcon(solid));
    return path;
}

void BuilderWindowTest::DropFiles(QWidget* target, const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& p : paths) urls << QUrl::fromLocalFile(PathToQ(p));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

}  // namespace qv::test
