#include <gtest/gtest.h>

#include "converters/common/ConverterFiles.hpp"
#include "testsupport/CaseName.hpp"

namespace qc = quillon::converters;
namespace fs = std::filesystem;

namespace {

struct NameCase {
    const char* name;
    const char* path;
    const char* base;
    const char* extension;  // nullptr: the file name has no "."
};

class BaseNameTable : public ::testing::TestWithParam<NameCase> {};

TEST_P(BaseNameTable, CutsTheFileNameBeforeItsFirstDot) {
    const NameCase& c = GetParam();
    EXPECT_EQ(qc::BaseName(c.path), c.base) << c.path;
    auto extension = qc::FileNameExtension(c.path);
    if (c.extension == nullptr)
        EXPECT_FALSE(extension.has_value()) << c.path;
    else
        EXPECT_EQ(extension.value_or("<none>"), c.extension) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Names, BaseNameTable,
    ::testing::Values(
        NameCase{"NoDot", "deck", "deck", nullptr},                               // no dot
        NameCase{"DottedFolder", "/home/a.b/deck.dat", "/home/a.b/deck", "dat"},  // a dotted folder
        NameCase{"DottedFolderNoExtension", "/home/a.b/deck", "/home/a.b/deck", nullptr},
        NameCase{"DotSlashPrefix", "./deck.dat", "./deck", "dat"},
        NameCase{"ParentFolderPrefix", "../x/deck.dat", "../x/deck", "dat"},
        NameCase{"BlankInName", "my deck.dat", "my deck", "dat"},  // a blank in the name
        NameCase{"CutAtFirstOfTwoDots", "x.y.dat", "x", "y.dat"},
        NameCase{"BracketIsOrdinary", "disk]deck.dat", "disk]deck", "dat"},  // "]" is ordinary
        NameCase{"TrailingDotEmptyExtension", "deck.", "deck", ""}),
    quillon::testsupport::CaseName());

TEST(ConverterFileName, JoinsBaseAndExtension) {
    EXPECT_EQ(qc::ConverterFileName("/home/a.b/deck", "BIP"), "/home/a.b/deck.BIP");
    EXPECT_EQ(qc::ConverterFileName("QlvrM2E", "ELF"), "QlvrM2E.ELF");
}

}  // namespace
