// The editor Quillon as a library call: the main window on the user's
// settings, the system's clock and the programs of its own folder.
#pragma once

namespace quillon::editor {

// Shows the main window and runs the editor until its last window closes;
// the exit status of the event loop.
int RunQuillon(int argc, char** argv);

}  // namespace quillon::editor
