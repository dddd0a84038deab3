// The points of a line kept in memory between their computation and their
// listing: one PointRecord of listing texts per point with the line's
// station list, and the two XRecordBanks of bent crossings and fractional
// points that the next girder line projects its X points from.
//
// Memory holds one line's points and the two banks of the line set; a line
// starts its records afresh. Units: feet, stations internal (feet from the
// TS); the texts are in the listing's units (metres in QlMetr).
#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/geometry/Pair.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

// The texts of one listing row: 19 slots of 10 characters. A 20-character
// field spans two slots; a row prints some slots only in part.
struct PointRecord {
    static constexpr int kSlots = 19;
    static constexpr int kSlotWidth = 10;
    enum Slot : int {
        kName = 1,           // bent line description or point label
        kStation = 2,        // station text, slots 2 and 3
        kOffset = 4,         // F11.4 9X, slots 4-5
        kElevation = 6,      // F10.4
        kElevPlusDl = 7,     // 1X A8 1X
        kX = 8,              // F12.4 8X, slots 8-9
        kY = 10,             // F12.4 8X, slots 10-11
        kBentLength = 12,    // F12.4 8X, slots 12-13
        kSkew = 14,          // angle text, slots 14 and 15
        kGirderLength = 16,  // F12.4 8X, slots 16-17
        kCrossSlope = 18,    // cross-slope text
        kFlag = 19,          // L10, not printed
    };

    std::array<char, kSlots * kSlotWidth> text;

    PointRecord() { text.fill(' '); }
    // `count` slots from slot `first` (1-based).
    std::string_view Slots(int first, int count = 1) const {
        return {text.data() + (first - 1) * kSlotWidth, static_cast<size_t>(count * kSlotWidth)};
    }
    // Writes `value` into the slots from `first` on, cut or padded with
    // blanks to `count` slots.
    void Set(int first, std::string_view value, int count = 1) {
        const std::span<char> slots = Field(first, count);
        const size_t kept = std::min(value.size(), slots.size());
        std::copy_n(value.data(), kept, slots.data());
        std::fill(slots.begin() + static_cast<std::ptrdiff_t>(kept), slots.end(), ' ');
    }
    // Fw.d of `value` at the start of the slots from `first` on, the rest
    // of the `count` slots blank.
    void SetF(int first, int count, double value, int width, int decimals) {
        const std::span<char> slots = Field(first, count);
        fixedform::WriteF(slots.first(static_cast<size_t>(width)), value, decimals);
        std::fill(slots.begin() + width, slots.end(), ' ');
    }
    void Blank(int first, int count = 1) { Set(first, std::string_view(), count); }
    // The text of one slot, or of two side by side, to be written in place.
    std::span<char, kSlotWidth> SlotText(int slot) {
        return std::span<char, kSlotWidth>(text.data() + (slot - 1) * kSlotWidth, kSlotWidth);
    }
    std::span<char, 2 * kSlotWidth> SlotPairText(int first) {
        return std::span<char, 2 * kSlotWidth>(text.data() + (first - 1) * kSlotWidth,
                                               2 * kSlotWidth);
    }

private:
    std::span<char> Field(int first, int count) {
        return {text.data() + (first - 1) * kSlotWidth, static_cast<size_t>(count * kSlotWidth)};
    }
};

// The current line's stored points, in the order they were stored (point
// number n is element n), with each point's station.
struct LinePoints {
    std::vector<PointRecord> records;
    std::vector<double> stations;  // internal stations, feet
    int Count() const { return static_cast<int>(records.size()); }
    void Clear() {
        records.clear();
        stations.clear();
    }
};

// A bent crossing or a fractional point of a girder line, with the line
// across the girder there, for the X points of the next line.
struct XRecord {
    int count = 0;               // 0 bent crossing, k the k-th fractional point, negated on
                                 // the next bent line
    int bentPosition = 0;        // the bent position that ends the span
    geometry::Pair crossLine{};  // foot form
    geometry::Pair point{};      // HC frame
};

// The word that ends every bank: a record never written reads as this count.
inline constexpr int kXRecordEnd = -9999;

// A store of XRecords of its own, read from its start; reading past its end
// gives the end marker.
class XRecordBank {
public:
    void Clear() { records_.clear(); }
    void Write(const XRecord& record) { records_.push_back(record); }
    // Record `index` from 0, or one whose count is kXRecordEnd.
    XRecord Read(size_t index) const {
        if (index < records_.size()) return records_[index];
        XRecord end;
        end.count = kXRecordEnd;
        return end;
    }
    size_t Size() const { return records_.size(); }

private:
    std::vector<XRecord> records_;
};

}  // namespace quillon::engine
