// The editor's deck reader on the fuzzer's bytes as a deck file: read into
// the model, saved, and the saved file read again; that model, saved and
// read again, must write the same cards: a model that does not read back
// from its own deck is a finding.
#include "editor/deck/DeckReader.hpp"
#include "editor/deck/DeckWriter.hpp"
#include "fuzz/FuzzChecks.hpp"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    namespace qf = quillon::fuzz;
    namespace ed = quillon::editor;
    const std::string_view deck = qf::AsText(data, size);
    qf::ScratchFolder folder;
    folder.Write("deck.dat", deck);
    ed::DeckModel first;
    ed::CollectedWarnings warnings;
    const ed::DeckFileResult read = ed::ReadInputFile(folder.File("deck.dat"), first, warnings);
    if (!read.ok) qf::Finding("the deck reader failed on a readable file", read.reason);

    const ed::DeckFileResult saved = ed::WriteInputFile(folder.File("saved.dat"), first, warnings);
    qf::CheckFolderAfterRun(folder,
                            saved.ok ? std::vector<std::string>{"deck.dat", "saved.dat"}
                                     : std::vector<std::string>{"deck.dat"},
                            "deck.dat", deck);
    if (!saved.ok) return 0;  // a box that cannot be written: said, and nothing written

    // A control left empty is saved as a blank field and reads back as 0, so
    // the model read from a saved deck is the one to be kept from then on:
    // saved again and read again, it must write the same cards.
    ed::DeckModel second, third;
    const ed::DeckFileResult again = ed::ReadInputFile(folder.File("saved.dat"), second, warnings);
    if (!again.ok) qf::Finding("the deck reader failed on the deck it saved", again.reason);
    const ed::WrittenCards before = ed::WriteDeckCards(second);
    if (!before.ok()) qf::Finding("a deck read from a saved deck cannot be saved");
    ed::ReadDeckLines(before.lines, third, warnings);
    const ed::WrittenCards after = ed::WriteDeckCards(third);
    if (!after.ok() || before.lines != after.lines)
        qf::Finding(
            "the saved deck does not read back to the same model",
            "saved:\n" + Joined(before.lines) + "read back and saved:\n" + Joined(after.lines));
    const std::optional<std::string> file = folder.Read("saved.dat");
    const ed::WrittenCards firstCards = ed::WriteDeckCards(first);
    if (!file || !firstCards.ok() || *file != Joined(firstCards.lines))
        qf::Finding("the saved file is not the deck's cards");
    const std::string given = folder.InputText(deck);
    qf::CheckNoNonFinite("the saved deck", *file, given);
    for (const std::string& warning : warnings.warnings)
        qf::CheckNoNonFinite("a warning", warning, given);
    return 0;
}
