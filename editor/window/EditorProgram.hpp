// The editor Quillon as a library call: the main window on the user's
// settings, the system's clock, and the programs and help page of its
// folder or of its install.
#pragma once

namespace quillon::editor {

// Shows the main window and runs the editor until its last window closes;
// the exit status of the event loop.
int RunQuillon(int argc, char** argv);

}  // namespace quillon::editor
