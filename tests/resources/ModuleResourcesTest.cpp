// Reading the own module: the built-ins linked in by qv_add_resources (this test program has
// some), the overlay of the module's file first, streams over exactly a resource, the error
// naming a missing resource, and a shared object seeing only its own built-ins.
#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TModuleResources.h"
#include "platform/TOwnModule.h"
#include "platform/TResourceUpdater.h"
#include "tests/resources/ResTestSupport.h"

extern "C" long qv_test_plugin_read(const char* name, char* buffer, unsigned long capacity);
extern "C" int qv_test_plugin_is_main_program();

namespace qv {
namespace {

using test::DataPath;

Bytes ReadAll(TStream& s) {
    Bytes out(static_cast<size_t>(s.Size()));
    EXPECT_TRUE(s.ReadExact(out.data(), out.size()));
    return out;
}

// Points Self() at a file for one test and back at the running module afterwards.
class SelfFile : public ::testing::Test {
protected:
    void TearDown() override { TModuleResources::SetSelfFile(""); }

    // A copy of /bin/true with an overlay.
    std::string Package(const std::vector<ResEntry>& entries) {
        const std::string path = FDir.File("package.run");
        test::CopyFile("/bin/true", path);
        auto updater = TResourceUpdater::Begin(path);
        EXPECT_TRUE(updater);
        for (const ResEntry& e : entries)
            updater->Update(e.type, e.name, e.language, e.data.data(), e.data.size());
        EXPECT_TRUE(updater->End()) << updater->Error();
        return path;
    }

    test::TTempDir FDir;
};

TEST(ModuleResources, BuiltInsOfThisModuleOpenAsExactReadOnlyStreams) {
    struct {
        ResId type, name;
        const char* file;
    } cases[] = {
        {ResId::Number(10), ResId::Name("HELLO"), "hello.txt"},
        {ResId::Number(10), ResId::Name("hello"), "hello.txt"},
        {ResId::Number(3), ResId::Number(1), "raw.bin"},
        {ResId::Number(14), ResId::Name("MAINICONDEFAULT"), "sample.ico"},
        {ResId::Number(10), ResId::Number(7), "info-ja.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Bytes expected = ReadWholeFile(DataPath(std::string("valid/resources/") + c.file));
        std::unique_ptr<TStream> s = TModuleResources::Self().Open(c.type, c.name);
        EXPECT_EQ(s->Position(), 0u);
        EXPECT_EQ(s->Size(), expected.size());
        uint8_t byte = 0;
        EXPECT_EQ(s->Write(&byte, 1), 0u);
        EXPECT_EQ(ReadAll(*s), expected);
        EXPECT_EQ(s->Read(&byte, 1), 0u);  // nothing beyond the resource
    }
    const ResEntry* e = TModuleResources::Self().Find(ResId::Number(10), ResId::Number(7));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->language, 1041);
    EXPECT_TRUE(TModuleResources::Self().Overlay().empty());
    EXPECT_EQ(TModuleResources::Self().BuiltIn().size(), 4u);
}

TEST(ModuleResources, MissingResourceErrorNamesIt) {
    const struct {
        ResId type, name;
        const char* message;
    } cases[] = {
        {ResId::Number(10), ResId::Name("BannerImage"), "Resource \"BANNERIMAGE\" (type 10) not found"},
        {ResId::Number(3), ResId::Number(4242), "Resource 4242 (type 3) not found"},
        {ResId::Number(14), ResId::Name("HELLO"), "Resource \"HELLO\" (type 14) not found"},
    };
    for (const auto& c : cases) {
        try {
            TModuleResources::Self().Open(c.type, c.name);
            ADD_FAILURE() << "opened " << c.message;
        } catch (const EResNotFound& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(ModuleResources, SharedObjectSeesItsOwnBuiltInsOnly) {
    char buffer[64] = {};
    const Bytes plugin = ReadWholeFile(DataPath("valid/resources/plugin.txt"));
    ASSERT_EQ(qv_test_plugin_read("PLUGIN", buffer, sizeof buffer), static_cast<long>(plugin.size()));
    EXPECT_EQ(Bytes(buffer, buffer + plugin.size()), plugin);
    EXPECT_EQ(qv_test_plugin_read("HELLO", buffer, sizeof buffer), -1);
    EXPECT_EQ(TModuleResources::Self().Find(ResId::Number(10), ResId::Name("PLUGIN")), nullptr);
    EXPECT_EQ(qv_test_plugin_is_main_program(), 0);
    EXPECT_TRUE(TOwnModule::IsMainProgram());
    EXPECT_EQ(TOwnModule::OverlayFile(), "/proc/self/exe");
}

TEST(ModuleResources, FromFileReadsTheSectionOfAProgram) {
    const TModuleResources file = TModuleResources::FromFile("/proc/self/exe");
    ASSERT_EQ(file.BuiltIn().size(), TModuleResources::Self().BuiltIn().size());
    for (size_t i = 0; i < file.BuiltIn().size(); ++i) {
        EXPECT_EQ(file.BuiltIn()[i].name, TModuleResources::Self().BuiltIn()[i].name);
        EXPECT_EQ(file.BuiltIn()[i].data, TModuleResources::Self().BuiltIn()[i].data);
    }
    EXPECT_TRUE(file.Problems().empty());
    EXPECT_THROW(TModuleResources::FromFile(DataPath("no-such-file")), EFOpenError);
}

TEST_F(SelfFile, OverlayComesFirstAndBuiltInsStayVisible) {
    const std::string path = Package({test::MakeEntry(ResId::Number(10), ResId::Name("HELLO"), 0, test::BytesOf("new")),
                                      test::MakeEntry(ResId::Number(10), ResId::Name("ICONPACKINFO"), 1041,
                                                      test::BytesOf("[info]"))});
    TModuleResources::SetSelfFile(path);
    const TModuleResources& self = TModuleResources::Self();
    EXPECT_EQ(self.Overlay().size(), 2u);
    EXPECT_EQ(ReadAll(*self.Open(ResId::Number(10), ResId::Name("HELLO"))), test::BytesOf("new"));
    EXPECT_EQ(ReadAll(*self.Open(ResId::Number(10), ResId::Name("IconPackInfo"))), test::BytesOf("[info]"));
    EXPECT_EQ(ReadAll(*self.Open(ResId::Number(3), ResId::Number(1))), ReadWholeFile(DataPath("valid/resources/raw.bin")));
}

TEST_F(SelfFile, StreamsAndReferencesOutliveARepointedSelf) {
    const std::string path = Package({test::MakeEntry(ResId::Number(10), ResId::Name("HELLO"), 0, test::BytesOf("one"))});
    TModuleResources::SetSelfFile(path);
    const TModuleResources& before = TModuleResources::Self();
    std::unique_ptr<TStream> s = before.Open(ResId::Number(10), ResId::Name("HELLO"));
    TModuleResources::SetSelfFile("");
    // Self() reads again: the running module's own HELLO is back.
    EXPECT_EQ(ReadAll(*TModuleResources::Self().Open(ResId::Number(10), ResId::Name("HELLO"))),
              ReadWholeFile(DataPath("valid/resources/hello.txt")));
    EXPECT_EQ(ReadAll(*s), test::BytesOf("one"));
    EXPECT_NE(before.Find(ResId::Number(10), ResId::Name("HELLO")), nullptr);
}

TEST_F(SelfFile, DamagedOrMissingFileLeavesTheBuiltIns) {
    for (const std::string& path : {DataPath("invalid/resources/datasize-overflow.bin"),
                                    DataPath("invalid/resources/trailer-outside.bin"), FDir.File("missing")}) {
        SCOPED_TRACE(path);
        TModuleResources::SetSelfFile(path);
        const TModuleResources& self = TModuleResources::Self();
        EXPECT_TRUE(self.Overlay().empty());
        EXPECT_FALSE(self.Problems().empty());
        EXPECT_THROW(self.Open(ResId::Number(10), ResId::Name("NOPE")), EResNotFound);
        EXPECT_EQ(ReadAll(*self.Open(ResId::Number(10), ResId::Name("HELLO"))),
                  ReadWholeFile(DataPath("valid/resources/hello.txt")));
    }
}

}  // namespace
}  // namespace qv
