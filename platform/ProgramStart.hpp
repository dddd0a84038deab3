// What every program does first, before it opens a file of its own.
#pragma once

namespace quillon {

// Opens /dev/null on each of the descriptors 0, 1 and 2 that the program was
// started with closed, so that no file the program opens later takes the
// place of its standard input, output or error; then installs the handlers
// that remove the run's temporary files on SIGINT, SIGTERM and SIGHUP
// (platform/TemporaryFiles.hpp).
void StartProgram();

}  // namespace quillon
