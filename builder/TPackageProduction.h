#pragma once
// The builder's production commands: build the package through the compiler library, build and
// compress it with the external compressor, build it under a chosen name, start it as a test run
// and end that run. They work on the window's project and report through its status bar.
#include <QObject>
#include <QTimer>

#include <string>
#include <vector>

namespace qv {

class TfrmBuilderMain;

class TPackageProduction : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kCompressorPath = "upx/upx";  // inside the program folder
    static constexpr const char* kPackageExt = ".run";

    explicit TPackageProduction(TfrmBuilderMain& window);

    void Compile();
    void Compress();
    // The file name the compress-as dialog starts with: the package name of the project.
    std::string CompressAsFileName() const;
    // Builds and compresses as the chosen path; the project path and output folder come back
    // as they were, whatever happened on the way.
    void CompressAs(const std::string& chosen);
    void Run();
    void Kill();

    // The compressor's arguments (argv[0] is the compressor) for a package.
    static std::vector<std::string> CompressorArguments(const std::string& compressor, const std::string& package,
                                                        bool dontCompressIcons);
    // "a/b.ipp" -> "b.run": the file name part with the package extension.
    static std::string PackageName(const std::string& path);

    // True while the window waits for the compressor (also when waits are nested).
    bool Compressing() const { return FCompressing > 0; }

signals:
    // The last compressor wait of a nesting ended.
    void CompressingEnded();

private:
    bool ProjectFolderExists() const;
    // Where the package of the project is: in the output folder, else beside the project.
    std::string PackagePath() const;
    // A never-saved project without an output folder has its package on the desktop.
    std::string WithDesktopRule(const std::string& package) const;
    std::string OutputPath(const std::string& source) const;
    // The file the compiler reads: the project itself or its temporary save; "" when none.
    std::string BuildSource();
    void CompileFrom(const std::string& source, const std::string& output);
    void Fail(const char* status);
    void ShowLibraryError();
    void ReapTestRun();

    TfrmBuilderMain& FWindow;
    QTimer FReaper;
    int FCompressing = 0;
};

}  // namespace qv
