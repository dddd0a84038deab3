// Small text routines of the listing: squeezing blanks out of a label,
// replacing one character at a position, and a character's letter code.
// Positions are 1-based; every routine is safe for any length and position.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quillon::engine {

// Removes the blanks from the first n characters of the text (n < 0: all of
// it), closing up the rest and filling with blanks; characters after the n-th
// stay. Returns the number of blanks in the first n characters.
int SqueezeText(int n, std::string& text);

// -1 when the position is below 1 (or beyond the text); 1 when the text was
// changed; 0 otherwise. When from and to are the same character the call
// forces it. The text is a string or any run of characters.
int ReplaceCharacterAt(std::span<char> text, int position, char from, char to);
inline int BlankToZeroAt(std::span<char> text, int position) {
    return ReplaceCharacterAt(text, position, ' ', '0');
}
inline int ZeroToBlankAt(std::span<char> text, int position) {
    return ReplaceCharacterAt(text, position, '0', ' ');
}
inline int BlankToPlusAt(std::span<char> text, int position) {
    return ReplaceCharacterAt(text, position, ' ', '+');
}
inline int ForceMinusAt(std::span<char> text, int position) {
    return ReplaceCharacterAt(text, position, '-', '-');
}

// Blank or "0": 0; letters of either case 1-26; "1"-"9" 28-36; ":" to "@"
// 37-43; anything else 60.
int CharacterCode(char c);

// The text with every blank removed.
std::string WithoutBlanks(std::string_view text);

// The page heading's section number: "(n)" left-justified in 10 characters
// ("(****)" above 9999).
std::string MakeSectionNumberText(int number);

}  // namespace quillon::engine
