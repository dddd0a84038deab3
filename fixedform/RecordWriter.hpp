// Writing fixed-column records: Iw, Iw.m, Fw.d, Aw, nX, literals, S/SP, kP.
//
// Rules every numeric edit follows:
// - a value that does not fit its w columns prints w asterisks, never a wider
//   field;
// - Fw.d rounds half away from zero on the exact binary value of the double;
// - a value that prints as all zeros gets no minus sign;
// - a value below 1 in magnitude prints "0.5" where the field has room and
//   ".5" where it has not (as the old listings do);
// - NaN and infinities print as asterisks.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "fixedform/DecimalDigits.hpp"
#include "fixedform/FixedPointFwd.hpp"

namespace quillon::fixedform {

// Iw (minDigits < 0) or Iw.m. Iw.0 of zero is all blanks.
std::string FormatI(long long value, int width, int minDigits = -1,
                    PlusSign plus = PlusSign::Suppress);

// Fw.d; `scale` is kP (the value is multiplied by 10^scale before printing).
std::string FormatF(double value, int width, int decimals, PlusSign plus = PlusSign::Suppress,
                    int scale = 0);

// The same edits written in place: the field is w = field.size() columns of
// a buffer the caller owns, and every column of it is written. They are the
// writers behind FormatI and FormatF, for records built slot by slot.
void WriteI(std::span<char> field, long long value, int minDigits = -1,
            PlusSign plus = PlusSign::Suppress);
void WriteFGeneral(std::span<char> field, double value, int decimals, PlusSign plus);
inline void WriteF(std::span<char> field, double value, int decimals,
                   PlusSign plus = PlusSign::Suppress) {
    if (!fixedpoint::WriteFInOneWord(field, value, decimals, plus))
        WriteFGeneral(field, value, decimals, plus);
}
// Aw in place: as FormatA.
inline void WriteA(std::span<char> field, std::string_view text) {
    const size_t width = field.size();
    if (text.size() >= width) {
        if (width > 0) std::memcpy(field.data(), text.data(), width);
        return;
    }
    const size_t blanks = width - text.size();
    std::memset(field.data(), ' ', blanks);
    if (!text.empty()) std::memcpy(field.data() + blanks, text.data(), text.size());
}

// Fw.d through the whole decimal expansion of the double, digit by digit:
// the reference that FormatF is proven against. FormatF takes a shorter
// path to the same text (std::to_chars at the field's precision) and comes
// here only where the value may lie on a tie or far outside the listing's
// range, and for every kP scale other than 0.
std::string FormatFExact(double value, int width, int decimals, PlusSign plus = PlusSign::Suppress,
                         int scale = 0);

// The exact binary value of `value` rounded half away from zero to `decimals`
// places, as digits (the digits FormatF prints). NaN and infinities give zero.
DecimalDigits RoundToDigits(double value, int decimals);

// Gw.d: a value whose magnitude rounds to 0.1 .. 10^d prints as
// F(w-4).(d-k) followed by 4 blanks, k being the number of its whole digits
// (d significant digits in all); any other value, as Ew.d: "0.", d digits,
// "E" and a signed two-digit exponent (a three-digit exponent drops the "E").
// Zero prints as F(w-4).(d-1) and 4 blanks. Rounding as for Fw.d.
std::string FormatG(double value, int width, int decimals);

// Aw: a text longer than w gives its leftmost w characters, a shorter one is
// right-justified after blanks. (Use Text() to place a text as it stands.)
std::string FormatA(std::string_view text, int width);

// The text left-justified in w columns: cut or padded with blanks on the right.
std::string PadRight(std::string_view text, int width);

// One record built edit by edit, left to right. Columns are 1-based; Column(c)
// moves to column c (the Tc edit), padding with blanks, and a later write
// overwrites what stands there. Records have no length limit; a listing
// line is built in the record itself and only a longer one goes to the heap.
// A text written into a record must not be a view of that record.
class Record {
public:
    Record() { std::memset(inline_, ' ', kInlineLength); }
    Record(const Record& other) { *this = other; }
    Record& operator=(const Record& other);

    Record& I(long long value, int width) { return I(value, width, -1); }
    Record& I(long long value, int width, int minDigits);
    Record& F(double value, int width, int decimals);
    Record& G(double value, int width, int decimals) {
        return Put(FormatG(value, width, decimals));
    }
    Record& A(std::string_view text, int width) {  // as FormatA
        if (width > 0) WriteA(Room(static_cast<size_t>(width)), text);
        return *this;
    }
    Record& Text(std::string_view text) { return Put(text); }  // a literal
    Record& X(int count) {
        if (count <= 0) return *this;
        const size_t end = cursor_ + static_cast<size_t>(count);
        if (end > capacity_) Grow(end);
        if (cursor_ < size_) std::fill(data_ + cursor_, data_ + std::min(end, size_), ' ');
        cursor_ = end;
        if (end > size_) size_ = end;
        return *this;
    }
    Record& Column(int column);
    Record& SP() {
        plus_ = PlusSign::Show;
        return *this;
    }
    Record& S() {
        plus_ = PlusSign::Suppress;
        return *this;
    }
    Record& P(int scale) {
        scale_ = scale;
        return *this;
    }

    int NextColumn() const { return static_cast<int>(cursor_) + 1; }
    std::string_view view() const { return {data_, size_}; }
    std::string str() const { return std::string(view()); }

private:
    static constexpr size_t kInlineLength = 160;
    Record& Put(std::string_view piece) {
        const std::span<char> room = Room(piece.size());
        if (!piece.empty()) std::memcpy(room.data(), piece.data(), piece.size());
        return *this;
    }
    // The `count` columns from the cursor on, ready to be written; the
    // cursor moves past them. Every column past the end of the record is a
    // blank already, so a gap left by Column() needs no filling.
    std::span<char> Room(size_t count) {
        const size_t end = cursor_ + count;
        if (end > capacity_) Grow(end);
        const std::span<char> room(data_ + cursor_, count);
        cursor_ = end;
        if (end > size_) size_ = end;
        return room;
    }
    void Grow(size_t length);

    char inline_[kInlineLength];
    std::string heap_;  // a record longer than inline_, sized to its capacity
    char* data_ = inline_;
    size_t capacity_ = kInlineLength;
    size_t size_ = 0;
    size_t cursor_ = 0;
    PlusSign plus_ = PlusSign::Suppress;
    int scale_ = 0;
};

}  // namespace quillon::fixedform
