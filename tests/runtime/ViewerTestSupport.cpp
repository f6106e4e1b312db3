#include "ViewerTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QTest>

#include "common/ui/qvMessageDlgFormW.h"
#include "compiler/QuorcompExports.h"
#include "icon/TQVIcon.h"
#include "platform/FileIO.h"
#include "platform/TMemoryStream.h"
#include "platform/ResId.h"
#include "platform/TModuleResources.h"
#include "platform/TOverlay.h"
#include "platform/TResStreamWriter.h"

namespace qv::test {

Bytes Utf16Text(const std::u16string& text) {
    Bytes out{0xFF, 0xFE};
    for (char16_t c : text) {
        out.push_back(uint8_t(c & 0xFF));
        out.push_back(uint8_t(c >> 8));
    }
    return out;
}

Bytes AnsiText(const std::string& text) { return Bytes(text.begin(), text.end()); }

void EditPackage(const std::string& package, const std::function<void(TResources&)>& edit) {
    const Bytes file = ReadWholeFile(package);
    const TOverlay::TInfo overlay = TOverlay::Read(file.data(), file.size());
    ASSERT_EQ(overlay.state, TOverlay::EState::Found) << overlay.error;
    TResources resources = overlay.entries;
    edit(resources);
    Bytes out(file.begin(), file.begin() + ptrdiff_t(overlay.prefixSize));
    const Bytes stream = TResStreamWriter::Write(resources);
    out.insert(out.end(), stream.begin(), stream.end());
    const Bytes trailer = TOverlay::Trailer(stream.size());
    out.insert(out.end(), trailer.begin(), trailer.end());
    WriteWholeFile(package, out);
}

ResEntry* FindResource(TResources& resources, uint16_t type, const std::string& name) {
    for (ResEntry& e : resources)
        if (e.type == ResId::Number(type) && e.name == ResId::Name(name)) return &e;
    return nullptr;
}

void SetRawData(TResources& resources, const std::string& name, Bytes data) {
    if (ResEntry* e = FindResource(resources, RT_RCDATA, name)) {
        e->data = std::move(data);
        return;
    }
    ResEntry e;
    e.type = ResId::Number(RT_RCDATA);
    e.name = ResId::Name(name);
    e.data = std::move(data);
    resources.push_back(std::move(e));
}

void RemoveResource(TResources& resources, uint16_t type, const std::string& name) {
    const ResId t = ResId::Number(type), n = ResId::Name(name);
    resources.erase(std::remove_if(resources.begin(), resources.end(),
                                   [&](const ResEntry& e) { return e.type == t && e.name == n; }),
                    resources.end());
}

void ViewerTest::SetUp() {
    FScope = std::make_unique<TScopedSeams>(FSeams);
    FProject.WriteDefault();
}

void ViewerTest::TearDown() {
    FForm.reset();
    FreeMessageDlgForm();
    TModuleResources::SetSelfFile("");
    FScope.reset();
}

Bytes PackageIconFile(int index) {
    TQVIcon icon;
    icon.LoadFromResourceName("_ICONPACK" + std::to_string(index));
    TMemoryStream stream;
    icon.SaveToStream(stream);
    return stream.TakeData();
}

std::string ViewerTest::Build() {
    const std::string package = FProject.Path("package.run");
    const int result = CompilePackage(FProject.ProjectPath().c_str(), package.c_str(), 0);
    EXPECT_EQ(result, 0) << "the test project does not build";
    return package;
}

void ViewerTest::Create(const std::string& package) {
    FForm.reset();
    FreeMessageDlgForm();
    TModuleResources::SetSelfFile(package);
    FForm = std::make_unique<TtntfrmQuorvex>();
    FCopyTo = new TtntfrmIconPackCopyTo(FForm.get());
}

void ViewerTest::Open(const std::string& package) {
    Create(package);
    FForm->show();
    QCoreApplication::processEvents();
}

void ViewerTest::PickLanguage(int index) {
    FForm->tntcboIconPackLang->setCurrentIndex(index);
    emit FForm->tntcboIconPackLang->activated(index);
}

QStringList ViewerTest::ErrorBoxes() const {
    QStringList messages;
    for (const TSeamCall& call : FSeams.CallsOf(TSeamKind::ErrorBox)) messages << call.Args.value(0);
    return messages;
}

QStringList ViewerTest::OpenedUrls() const {
    QStringList urls;
    for (const TSeamCall& call : FSeams.CallsOf(TSeamKind::OpenUrl)) urls << call.Args.value(0);
    return urls;
}

QStringList ViewerTest::IconCaptions() const {
    QStringList captions;
    for (int i = 0; i < FForm->tntlvIcon->count(); ++i) captions << FForm->tntlvIcon->item(i)->text();
    return captions;
}

QColor ViewerTest::ListBackground() const { return FForm->tntlvIcon->palette().color(QPalette::Base); }

QImage ViewerTest::ShownTile(int index) const {
    const QImage& tile = FForm->imlIcon.Image(index);
    QImage shown(tile.size(), QImage::Format_ARGB32);
    shown.fill(ListBackground());
    QPainter painter(&shown);
    painter.drawImage(0, 0, tile);
    return shown;
}

}  // namespace qv::test
