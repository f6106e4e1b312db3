// The program start's own parts: the default application title and the application icon.
#include <QIcon>

#include "platform/TModuleResources.h"
#include "runtime/TQuorvexProgram.h"
#include "ViewerTestSupport.h"

namespace qv::test {
namespace {

TEST(QuorvexProgramTest, DefaultTitleIsTheFileNameUpToItsFirstDotFirstLetterKept) {
    struct Case {
        const char* path;
        const char* title;
    } cases[] = {{"/home/u/MyIcons.Pack.run", "Myicons"},
                 {"/a.b/PACKAGE", "Package"},
                 {"x", "x"},
                 {"/p/.hidden.run", ""},
                 {"/p/Ärger.run", "Ärger"},
                 {"/p/ÉCOLE.run", "École"}};
    for (const Case& c : cases)
        EXPECT_EQ(TQuorvexProgram::DefaultApplicationTitle(QString::fromUtf8(c.path)), QString::fromUtf8(c.title))
            << c.path;
}

using ApplicationIconTest = ViewerTest;

TEST_F(ApplicationIconTest, IsThePackagesMainIconWithAllItsSizes) {
    TModuleResources::SetSelfFile(Build());
    const QIcon icon = TQuorvexProgram::ApplicationIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    const QImage large = icon.pixmap(48, 48).toImage();
    EXPECT_EQ(large.size(), QSize(48, 48));

    TModuleResources::SetSelfFile(FProject.Path("demo.ipp"));  // a file without resources
    EXPECT_TRUE(TQuorvexProgram::ApplicationIcon().isNull());
}

}  // namespace
}  // namespace qv::test
