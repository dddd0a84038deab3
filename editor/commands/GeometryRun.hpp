// File > Run > Geometry: from a saved deck to its listing in the viewer.
//
// The user picks a deck in the shared dialog (filter "Quillon input
// (*.dat)|*.dat"); a name whose file name has no "." (or nothing before it)
// gives "No input file has been selected.", a file that cannot be read "Cannot read <name>:
// <reason>", and nothing runs. The chosen file decides its units by the rule the metric converter
// applies (IsMetricDeck) into a value of the run's own: MetricFlag, the forms' units, stays as it
// is. From the base name (the path with its file name cut before the first ".") and the deck's
// folder as working folder:
//
//   metric   QlM2e <chosen file> <base>.BIP, waited for; then
//            QlMetr <base>.BIP <base>.lis, waited for
//   English  QlEngl <chosen file> <base>.lis, waited for
//
// QlM2e exiting -1 ends the run with a message naming its log; a program that
// cannot start or crashes ends it with its message. Once the programs have
// ended the viewer is emptied; then it shows the listing when this run wrote
// it, else "Output file not found <base>.lis" is said over the empty viewer;
// a listing of more than 65000 bytes draws its warning before it is shown.
#pragma once

#include <string>
#include <string_view>

#include "editor/commands/CommandServices.hpp"
#include "editor/commands/EditorSession.hpp"

namespace quillon::editor {

inline constexpr std::string_view kGeometryRunFilter = "Quillon input (*.dat)|*.dat";
inline constexpr std::string_view kNoInputFileSelected = "No input file has been selected.";
inline constexpr std::string_view kOutputFileNotFound = "Output file not found ";
inline constexpr std::string_view kM2eLogName = "QlvrM2E.ELF";

// True when programs were run (and the viewer emptied); false when the run
// ended before, leaving the viewer as it was.
bool RunGeometry(EditorSession& session, CommandServices& services, ListingViewer& viewer);

}  // namespace quillon::editor
