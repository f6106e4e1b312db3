// Loading the compiler library by file name, as the builder does for every build.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TestProject.h"
#include "common/CompilerTexts.h"
#include "common/TCompilerLibrary.h"
#include "platform/FileIO.h"

namespace qv::test {
namespace {

const std::string kProgramDir = std::string(QV_BIN_DIR) + "/";

TEST(CompilerLibraryTest, LoadsFromTheProgramFolderAndBuilds) {
    TCompilerLibrary library;
    ASSERT_TRUE(library.Load(kProgramDir)) << library.Error();
    ASSERT_TRUE(library.HasCompilePackage());
    EXPECT_EQ(FormatCompilerVersion(library.GetVersion()), "1.0.0.2");
    TestProject project;
    project.WriteDefault();
    EXPECT_EQ(library.CompilePackage(project.ProjectPath(), project.Path("out.run")), 0);
    EXPECT_TRUE(FileExists(project.Path("out.run")));
    library.Unload();
    EXPECT_EQ(library.GetVersion(), 0);  // unloaded: no export to call
}

TEST(CompilerLibraryTest, AFileThatIsNoLibraryOrLacksTheExportIsReported) {
    TestProject folder;
    folder.WriteText(TCompilerLibrary::kFileName, "not a library");
    TCompilerLibrary notLibrary;
    EXPECT_FALSE(notLibrary.Load(folder.Folder()));
    EXPECT_FALSE(notLibrary.Error().empty());
    EXPECT_FALSE(notLibrary.HasCompilePackage());
    EXPECT_EQ(notLibrary.CompilePackage("a", "b"), -1);

    // A real shared object without the export: the C library under the compiler's name.
    std::filesystem::copy_file("/lib/x86_64-linux-gnu/libm.so.6", folder.Path(TCompilerLibrary::kFileName),
                               std::filesystem::copy_options::overwrite_existing);
    TCompilerLibrary noExport;
    ASSERT_TRUE(noExport.Load(folder.Folder())) << noExport.Error();
    EXPECT_FALSE(noExport.HasCompilePackage());
    EXPECT_FALSE(noExport.HasGetVersion());
}

TEST(CompilerLibraryTest, CompileResultTextsAreTheBuildersStatusTexts) {
    const std::pair<int, const char*> cases[] = {{0, "コンパイル完了。"},
                                                 {1, "プロジェクトファイルが見つかりません"},
                                                 {2, "パッケージ情報が見つかりません"},
                                                 {4, "メインアイコンが見つかりません"},
                                                 {8, "リソースを更新できませんでした。"},
                                                 {16, "バージョン情報のファイルが見つかりません"},
                                                 {32, "バナー画像のファイルが見つかりません"},
                                                 {3, "不明なエラー コード: 3"},
                                                 {255, "不明なエラー コード: 255"}};
    for (const auto& [code, text] : cases) EXPECT_EQ(CompileResultText(code), text) << code;
    EXPECT_EQ(FormatCompilerVersion(12345), "12.3.4.5");
}

}  // namespace
}  // namespace qv::test
