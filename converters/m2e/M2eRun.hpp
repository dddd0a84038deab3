// QlM2e: a metric geometry input deck turned into the same deck in feet.
//
//   QlM2e deck[.ext] [unused]
//
// The deck is read from the argument as it stands when its file name holds a
// ".", else from the argument with ".DAT" added; the English deck is written
// under the base name with ".BIP" (a temporary file beside it, renamed when
// the run has succeeded). Messages go to the log QlvrM2E.ELF in the working
// folder; usage and file errors also to stderr.
//
// Exit status: 0 after a converted deck; 1 when the deck is not metric (it is
// copied to the .BIP unconverted); -1 on any failure. A failed run leaves the
// .BIP of an earlier run as it was.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "converters/common/ConverterConsole.hpp"
#include "environment/Environment.hpp"

namespace quillon::converters::m2e {

inline constexpr int kConvertedStatus = 0;
inline constexpr int kNotMetricStatus = 1;

// `args`: the arguments after the program name.
int RunM2e(const std::vector<std::string>& args, const Environment& env);

// The same with the console and the log's folder given (empty: the working folder).
int RunM2e(const std::vector<std::string>& args, const Environment& env, ConverterConsole console,
           const std::filesystem::path& logFolder);

// The files of a run, named from the first argument.
struct DeckFiles {
    std::string base;            // the argument with its file name cut before its first "."
    std::string inputExtension;  // after that ".", or "DAT" when the file name has none
    std::string input;           // base "." inputExtension
    std::string output;          // base ".BIP"
};
DeckFiles ConvertDeck(std::string_view argument);

// How the card loop treats a line, from its card type read as the engine
// reads it (blanks ignored, so a blank type is a 00 card).
enum class CardClass {
    Comment,  // "99": left out of the English deck
    Foreign,  // no number, or a number outside 0-8: passed on as it stands
    Typed,    // a card of type 0-8
};
struct ClassifiedCard {
    CardClass kind = CardClass::Foreign;
    int type = -1;
};
ClassifiedCard ClassifyCard(std::string_view card);

}  // namespace quillon::converters::m2e
