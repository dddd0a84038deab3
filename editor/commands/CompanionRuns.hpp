// The OK buttons of the three run forms: Project Coordinates (QlPrCo), Stick
// Figure (QlStFi) and Camber (Ql2Cmb, then QlCamb). Each asks for a listing in
// the shared dialog, starts its program in the listing's folder and tells the
// form whether to close. A cancelled dialog keeps the form open with its
// fields. No field is checked: the texts go to the programs as typed, empty
// ones included.
//
//   Project Coordinates  title "Select Quillon Output file for processing.",
//                        the name left by the dialog offered; a name without
//                        "." ends quietly with the form open; then, not
//                        waited for:
//                        QlPrCo <base>.lis <base>.pcf NorthOff EastOff NorS
//                               Degrees Minutes Seconds EorW
//   Stick Figure         an empty name offered; the chosen item gives the
//                        code 4, 8 or 16 and, not waited for,
//                        QlStFi <chosen name> <code>; no item chosen starts
//                        nothing; the form closes either way
//   Camber               an empty name offered; a name without "." ends
//                        quietly with the form open; Ql2Cmb <base>.lis
//                        GirderSelect, waited for; when it ran to its end and
//                        wrote <base>.CMB holding a problem, QlCamb
//                        <base>.CMB <base>.out, not waited for. When Ql2Cmb
//                        aborted (exit -1) or its girder list selected no
//                        girder, what it printed on its console is shown and
//                        QlCamb is not started, so the last camber listing
//                        stays; with nothing printed, or when it wrote no
//                        <base>.CMB, "File<base>.CMB does not exist.  Camber
//                        run aborted." (or "... holds no camber problem.
//                        ..." for an empty one). The form closes.
//
// A program that cannot start gives its message and keeps the form open, and
// so does a cancelled wait for Ql2Cmb; a crashed Ql2Cmb gives its message and
// the form closes.
#pragma once

#include <string>
#include <string_view>

#include "editor/commands/CommandServices.hpp"
#include "editor/commands/EditorSession.hpp"

namespace quillon::editor {

inline constexpr std::string_view kProjectCoordFilter = "Quillon Output Files (*.lis)|*.lis";
inline constexpr std::string_view kProjectCoordTitle = "Select Quillon Output file for processing.";
inline constexpr std::string_view kListingFilter = "Geometry Output Files (*.lis)|*.lis";

enum class RunFormAfterOk { Close, StayOpen };

struct ProjectCoordFields {
    std::string NorthOff, EastOff, NorS, Degrees, Minutes, Seconds, EorW;
};

RunFormAfterOk ProjectCoordOk(EditorSession& session, CommandServices& services,
                              const ProjectCoordFields& fields);

// The Stick form's list items in order, and the output-type code of each.
inline constexpr std::string_view kStickOutputTypes[] = {"Series 5000", "AutoCAD DXF", "MX Genio"};
inline constexpr std::string_view kStickOutputCodes[] = {"4", "8", "16"};
inline constexpr std::string_view kStickPlaceholder = "Output Type";

// `chosenItem`: the list position chosen, or -1 for none.
RunFormAfterOk StickOk(EditorSession& session, CommandServices& services, int chosenItem);

RunFormAfterOk CamberOk(EditorSession& session, CommandServices& services,
                        std::string_view girderSelect);

}  // namespace quillon::editor
