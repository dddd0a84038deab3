// The editor's model of one geometry input deck: the nine data-entry forms,
// the units choice and the Data Entry menu ticks. The deck's card readers
// fill it and its card writers read it back; the forms show it.
#pragma once

#include "editor/deck/RowForms.hpp"
#include "editor/deck/SingleRecordForms.hpp"

namespace quillon::editor {

// The main window's Data Entry items, ticked for each card group a deck held.
struct DataEntryTicks {
    bool mnuFormDesc = false;     // Description, 00
    bool mnuFormHoriz = false;    // Horizontal, 01
    bool mnuFormVert = false;     // Vertical, 02
    bool mnuFormCross = false;    // CrossTrans, 03
    bool mnuFormRef = false;      // RefLine, 04
    bool mnuFormGird = false;     // GirderLine, 05
    bool mnuFormBent = false;     // BentLine, 06
    bool mnuFormDead = false;     // DeadLoad, 07
    bool mnuFormRoadApp = false;  // RoadAppr, 08
};

struct DeckModel {
    // The Description form's units choice: true "Metric", false "English"
    // (chosen at start). It selects the implied decimals of both directions.
    bool MetricFlag = false;
    DataEntryTicks ticks;
    // The deck reader's card counters: the row that the next 05, 06 and 07
    // card fills; after a deck is read, the number of those cards it held.
    int GirderLineCount = 0;
    int BentLineCount = 0;
    int DeadLoadCount = 0;

    Description description;
    Horizontal horizontal;
    Vertical vertical;
    CrossTrans crossTrans;
    RefLine refLine;
    GirderLine girderLine;
    BentLine bentLine;
    DeadLoad deadLoad;
    RoadAppr roadAppr;

    // Everything back to the start values: empty boxes, nothing chosen but
    // the start choices, the design rows, no tick, English, the counters and
    // the current rows at 0.
    void Reset() { *this = DeckModel(); }
};

}  // namespace quillon::editor
