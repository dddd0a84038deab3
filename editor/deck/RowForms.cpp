#include "editor/deck/RowForms.hpp"

#include "editor/deck/GirderLineType.hpp"

namespace quillon::editor {

std::vector<GirderLineRow> GirderLine::DesignRows() {
    GirderLineRow design;
    design.Combo3Items = InitialOffsetTypes(std::nullopt);
    return std::vector<GirderLineRow>(kDesignRows, design);
}

void GirderLine::AddRecord() {
    GirderLineRow added;
    added.Combo3Items = rows.empty() ? InitialOffsetTypes(std::nullopt) : rows[0].Combo3Items;
    rows.push_back(added);
}

std::vector<BentLineRow> BentLine::DesignRows() {
    BentLineRow design;
    design.Text7 = "L";
    return std::vector<BentLineRow>(kDesignRows, design);
}

std::string& DeadLoadRow::Deflection(int k) {
    std::string* boxes[] = {&Text3, &Text4,  &Text5,  &Text6,  &Text7, &Text8,
                            &Text9, &Text10, &Text11, &Text12, &Text13};
    return *boxes[k];
}

const std::string& DeadLoadRow::Deflection(int k) const {
    return const_cast<DeadLoadRow&>(*this).Deflection(k);
}

bool DeadLoadRow::IsEmpty() const {
    if (!Text1.empty() || !Text2.empty() || !Text14.empty()) return false;
    for (int k = 0; k < DeadLoad::kTenthPoints; ++k)
        if (!Deflection(k).empty()) return false;
    return true;
}

}  // namespace quillon::editor
