// Help > Contents and Help > Search with and without the help page.
#include <gtest/gtest.h>

#include "converters/common/tests/TempFolder.hpp"
#include "editor/commands/HelpCommands.hpp"
#include "editor/commands/tests/CommandFakes.hpp"
#include "editor/commands/tests/TestFiles.hpp"

namespace quillon::editor::test {
namespace {

using converters::testing::TempFolder;

TEST(HelpCommands, ContentsAndSearchShowThePageBesideTheProgram) {
    TempFolder folder;
    WriteFile(folder.path() / "Quillon.html", "<html><body>Help</body></html>\n");
    FakeHelpViewer viewer;
    FakeMessages messages;
    HelpContents(folder.path(), viewer, messages);
    HelpSearch(folder.path(), viewer, messages);
    ASSERT_EQ(viewer.shown.size(), 2u);
    EXPECT_EQ(viewer.shown[0].first, folder.path() / "Quillon.html");
    EXPECT_FALSE(viewer.shown[0].second);
    EXPECT_TRUE(viewer.shown[1].second);
    EXPECT_TRUE(messages.texts.empty());
}

TEST(HelpCommands, MissingPageGivesAMessageWithItsPath) {
    TempFolder folder;
    FakeHelpViewer viewer;
    FakeMessages messages;
    HelpSearch(folder.path(), viewer, messages);
    EXPECT_TRUE(viewer.shown.empty());
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Cannot open the help file " +
                                                        (folder.path() / "Quillon.html").string() +
                                                        ": No such file or directory"}));
}

}  // namespace
}  // namespace quillon::editor::test
