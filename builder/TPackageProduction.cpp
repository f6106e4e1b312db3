#include "builder/TPackageProduction.h"

#include <QAction>
#include <QStatusBar>

#include "builder/BuilderText.h"
#include "builder/TfrmBuilderMain.h"
#include "common/CompilerTexts.h"
#include "common/PathEdit.h"
#include "common/TCompilerLibrary.h"
#include "platform/FileIO.h"
#include "platform/SystemInfo.h"
#include "platform/qt/TSystemSeams.h"

namespace qv {
namespace {

constexpr int kReapIntervalMs = 500;
constexpr uint8_t kError = 1;
constexpr uint16_t kOK = 4;

// Puts the project path and output folder back when it goes out of scope.
class TProjectPlaceGuard {
public:
    TProjectPlaceGuard(std::string& path, std::string& outputDir)
        : FPath(path), FOutputDir(outputDir), FSavedPath(path), FSavedOutputDir(outputDir) {}
    ~TProjectPlaceGuard() {
        FPath = FSavedPath;
        FOutputDir = FSavedOutputDir;
    }
    TProjectPlaceGuard(const TProjectPlaceGuard&) = delete;
    TProjectPlaceGuard& operator=(const TProjectPlaceGuard&) = delete;

private:
    std::string& FPath;
    std::string& FOutputDir;
    std::string FSavedPath;
    std::string FSavedOutputDir;
};

}  // namespace

TPackageProduction::TPackageProduction(TfrmBuilderMain& window) : QObject(&window), FWindow(window) {
    // A test run the user closed is reaped here, so that no zombie waits for the next build.
    FReaper.setInterval(kReapIntervalMs);
    connect(&FReaper, &QTimer::timeout, this, &TPackageProduction::ReapTestRun);
}

std::string TPackageProduction::PackageName(const std::string& path) {
    return ChangeFileExt(ExtractFileName(path), kPackageExt);
}

std::vector<std::string> TPackageProduction::CompressorArguments(const std::string& compressor,
                                                                 const std::string& package, bool dontCompressIcons) {
    std::vector<std::string> argv{compressor, "-9"};
    if (dontCompressIcons) argv.push_back("--compress-icons=0");
    argv.push_back(package);
    return argv;
}

bool TPackageProduction::ProjectFolderExists() const {
    const std::string folder = ExtractFilePath(FWindow.FProjectPath);
    return !folder.empty() && DirectoryExists(folder);
}

std::string TPackageProduction::PackagePath() const {
    if (!FWindow.FOutputDir.empty()) return AppendBackslash(FWindow.FOutputDir) + PackageName(FWindow.FProjectPath);
    return ChangeFileExt(FWindow.FProjectPath, kPackageExt);
}

std::string TPackageProduction::WithDesktopRule(const std::string& package) const {
    if (!FWindow.FOutputDir.empty() || ProjectFolderExists()) return package;
    const std::string desktop = GetDesktopDirectory();
    return desktop.empty() ? package : AppendBackslash(desktop) + ExtractFileName(package);
}

std::string TPackageProduction::OutputPath(const std::string& source) const {
    if (!FWindow.FOutputDir.empty()) return AppendBackslash(FWindow.FOutputDir) + PackageName(source);
    const bool folderExists = ProjectFolderExists();
    const std::string desktop = folderExists ? std::string() : GetDesktopDirectory();
    if (!desktop.empty()) return AppendBackslash(desktop) + PackageName(source);
    if (folderExists) return ChangeFileExt(FWindow.FProjectPath, kPackageExt);
    return ChangeFileExt(source, kPackageExt);
}

std::string TPackageProduction::BuildSource() {
    if (!FWindow.FModified && ProjectFolderExists()) return FWindow.FProjectPath;
    const std::string temp = GetTempDirectory();
    if (temp.empty()) return std::string();
    const std::string source = AppendBackslash(ExpandLongFileName(temp)) + ExtractFileName(FWindow.FProjectPath);
    FWindow.SaveProject(source, true);
    return source;
}

void TPackageProduction::Fail(const char* status) {
    Seams().Beep();
    FWindow.SetStatusText(QString::fromUtf8(status));
}

void TPackageProduction::ShowLibraryError() {
    Seams().MessageDlg(QString::fromUtf8("ライブラリの読み込みに失敗しました。"), kError, kOK, QString::fromUtf8("エラー"));
}

void TPackageProduction::Compile() {
    Kill();
    const std::string source = BuildSource();
    if (source.empty() || !FileExists(source)) return Fail("プロジェクトが保存されていません。");
    CompileFrom(source, OutputPath(source));
}

void TPackageProduction::CompileFrom(const std::string& source, const std::string& output) {
    TCompilerLibrary library;
    if (!library.Load(FWindow.ProgramDir())) return ShowLibraryError();
    if (!library.HasCompilePackage()) {
        ShowLibraryError();
        library.Unload();
        return;
    }
    FWindow.SetStatusText(QString::fromUtf8("コンパイル中です..."));
    FWindow.stbMain->repaint();
    const int32_t code = library.CompilePackage(source, output);
    FWindow.SetStatusText(QString::fromStdString(CompileResultText(code)));
    library.Unload();
}

void TPackageProduction::Compress() {
    const std::string compressor = FWindow.ProgramDir() + kCompressorPath;
    if (!FileExists(compressor)) return Fail("UPXが見つかりません。");
    std::string package = PackagePath();
    Compile();
    package = WithDesktopRule(package);
    if (!FileExists(package)) return Fail("パッケージが作成されていません。");
    FWindow.SetStatusText(QString::fromUtf8("圧縮中です..."));
    const bool dontIcons = FWindow.Action("actCompressOptDontIcon")->isChecked();
    ++FCompressing;
    const TProcessRun run = Seams().RunProcessAndWait(CompressorArguments(compressor, package, dontIcons), "");
    --FCompressing;
    if (run.Start.Started())
        FWindow.SetStatusText(QString::fromUtf8("圧縮完了。"));
    else
        FWindow.SetStatusText(QStringLiteral("Exec Error %1").arg(run.Start.Error));
    if (FCompressing == 0) emit CompressingEnded();
}

std::string TPackageProduction::CompressAsFileName() const { return PackageName(FWindow.FProjectPath); }

void TPackageProduction::CompressAs(const std::string& chosen) {
    TProjectPlaceGuard guard(FWindow.FProjectPath, FWindow.FOutputDir);
    FWindow.FOutputDir = ExtractFilePath(chosen);
    FWindow.FProjectPath = ChangeFileExt(ExtractFileName(chosen), ".ipp");
    Compress();
}

void TPackageProduction::Run() {
    std::string package = PackagePath();
    Compile();
    package = WithDesktopRule(package);
    const TProcessStart start = Seams().StartProcess({package}, "");
    if (!start.Started()) return;
    FWindow.FTestProcess = start.Pid;
    FReaper.start();
}

void TPackageProduction::Kill() {
    FReaper.stop();
    if (FWindow.FTestProcess == 0) return;
    Seams().KillProcess(FWindow.FTestProcess);
    FWindow.FTestProcess = 0;
}

void TPackageProduction::ReapTestRun() {
    const int pid = FWindow.FTestProcess;
    if (pid == 0 || Seams().IsProcessRunning(pid)) return;
    // Ended on its own: reaping it keeps the pid ours, so a later kill leaves it alone.
    Seams().KillProcess(pid);
    FReaper.stop();
}

}  // namespace qv
