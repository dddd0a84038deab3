// Where the editor finds its programs and its help page: beside itself (the
// build tree), then in the install it stands in, wherever that was put.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "converters/common/tests/TempFolder.hpp"
#include "editor/commands/InstalledFolders.hpp"
#include "editor/commands/tests/TestFiles.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {
namespace {

using converters::testing::TempFolder;

const std::vector<std::string> kPrograms = {"QlM2e",  "QlMetr", "QlEngl", "Ql2Cmb",
                                            "QlCamb", "QlStFi", "QlPrCo"};

const InstallLayout kLayout{"/usr/local", "bin", "share/quillon"};

void WritePrograms(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const std::string& name : kPrograms) WriteFile(folder / name, "program\n");
}

struct PrefixCase {
    std::string name;
    std::string appFolder;
    InstallLayout layout;
    std::string prefix;
};

class InstallPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(InstallPrefix, IsTheEditorsFolderLessTheBinFolder) {
    const PrefixCase& c = GetParam();
    EXPECT_EQ(InstallPrefixOf(c.appFolder, c.layout), std::filesystem::path(c.prefix));
}

INSTANTIATE_TEST_SUITE_P(
    Table, InstallPrefix,
    ::testing::Values(
        PrefixCase{"InstalledUnderItsPrefix", "/usr/local/bin", kLayout, "/usr/local"},
        PrefixCase{"InstalledUnderDestdir", "/tmp/stage/usr/bin", kLayout, "/tmp/stage/usr"},
        PrefixCase{"TrailingSeparator", "/opt/quillon/bin/", kLayout, "/opt/quillon"},
        PrefixCase{"DotsInThePath", "/opt/x/../quillon/./bin", kLayout, "/opt/quillon"},
        PrefixCase{"BinOfTheRoot", "/bin", kLayout, "/"},
        PrefixCase{"DeeperBinFolder", "/opt/q/lib/quillon/bin",
                   InstallLayout{"/usr", "lib/quillon/bin", "share/quillon"}, "/opt/q"},
        PrefixCase{"OutsideABinFolderTakesTheConfiguredPrefix", "/home/me/tools", kLayout,
                   "/usr/local"},
        PrefixCase{"PartlyMatchingBinFolder", "/opt/q/other/bin",
                   InstallLayout{"/usr", "lib/bin", "share/quillon"}, "/usr"},
        PrefixCase{"AbsoluteBinFolderTakesTheConfiguredPrefix", "/opt/q/bin",
                   InstallLayout{"/usr", "/usr/bin", "share/quillon"}, "/usr"}),
    testsupport::CaseName());

TEST(EditorFolders, BuildTreeFindsProgramsAndHelpPageBesideTheEditor) {
    TempFolder root;
    const std::filesystem::path bin = root.path() / "build" / "bin";
    WritePrograms(bin);
    WriteFile(bin / "Quillon.html", "<html></html>\n");
    // An install under the same prefix must not win over the build tree.
    WriteFile(root.path() / "build" / "share" / "quillon" / "Quillon.html", "<html></html>\n");

    const EditorFolders folders = ResolveEditorFolders(bin, kLayout);
    EXPECT_EQ(folders.programs, bin);
    EXPECT_EQ(folders.help, bin);
}

TEST(EditorFolders, InstallFindsTheHelpPageInShareQuillonUnderItsPrefix) {
    TempFolder root;
    const std::filesystem::path prefix = root.path() / "stage" / "usr";
    WritePrograms(prefix / "bin");
    std::filesystem::create_directories(prefix / "share" / "quillon");
    WriteFile(prefix / "share" / "quillon" / "Quillon.html", "<html></html>\n");

    const EditorFolders folders = ResolveEditorFolders(prefix / "bin", kLayout);
    EXPECT_EQ(folders.programs, prefix / "bin");
    EXPECT_EQ(folders.help, prefix / "share" / "quillon");
}

TEST(EditorFolders, AnEditorWithoutEveryProgramStartsThoseOfTheConfiguredInstall) {
    TempFolder root;
    // Outside a bin folder, with six of the seven programs and the help page.
    const std::filesystem::path tools = root.path() / "tools";
    WritePrograms(tools);
    std::filesystem::remove(tools / "QlPrCo");
    WriteFile(tools / "Quillon.html", "<html></html>\n");

    const EditorFolders partial = ResolveEditorFolders(tools, kLayout);
    EXPECT_EQ(partial.programs, std::filesystem::path("/usr/local/bin"));
    EXPECT_EQ(partial.help, tools);

    const std::filesystem::path empty = root.path() / "empty";
    std::filesystem::create_directories(empty);
    const EditorFolders bare = ResolveEditorFolders(empty, kLayout);
    EXPECT_EQ(bare.programs, std::filesystem::path("/usr/local/bin"));
    EXPECT_EQ(bare.help, std::filesystem::path("/usr/local/share/quillon"));
}

TEST(EditorFolders, AFolderOfTheHelpPagesNameIsNotThePage) {
    TempFolder root;
    const std::filesystem::path bin = root.path() / "bin";
    WritePrograms(bin);
    std::filesystem::create_directories(bin / "Quillon.html");
    EXPECT_EQ(ResolveEditorFolders(bin, kLayout).help, root.path() / "share" / "quillon");
}

}  // namespace
}  // namespace quillon::editor::test
