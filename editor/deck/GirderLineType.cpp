#include "editor/deck/GirderLineType.hpp"

namespace quillon::editor {

std::array<std::string, 4> SegmentedOffsetTypes() { return {"Normal from base", "", "", ""}; }

std::array<std::string, 4> InitialOffsetTypes(std::optional<int> lineType) {
    if (lineType == GirderLine::kSegmented) return SegmentedOffsetTypes();
    if (lineType == GirderLine::kOffsetVaries)
        return {"Fr HC at Nom. CS", "Fr HC at Level CS", "Fr Pivot at Nom. CS",
                "Fr Pivot at Level CS"};
    std::array<std::string, 4> items;
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = std::string(GirderLine::kTerminalOffsetTypes[i]);
    return items;
}

void ChooseLineType(GirderLineRow& row, int lineType) {
    row.Combo1.Choose(lineType);
    row.Combo3Items = InitialOffsetTypes(lineType);
    row.Combo3.chosen.reset();
    row.Combo3.keptCode.reset();
    row.Combo2.keptCode.reset();
    row.TerminalEnabled = lineType == GirderLine::kFlaredGirderLine;
}

}  // namespace quillon::editor
