// The temporary files of a run that a signal must not leave behind, and the
// handlers of SIGINT, SIGTERM and SIGHUP that remove them.
//
// A signal may come at any point of a run: its handler can only call what is
// safe in a signal handler. So the names of the temporary files that exist
// are kept in a small fixed table of their own, the one piece of state the
// process shares between the code that makes the files and the handler: a
// handler removes every name in it and ends the process with status
// 128 + the signal. The table holds kTemporaryFileSlots names at once (a run
// has at most a few outputs open), each of up to kTemporaryPathBytes - 1
// bytes; a name that does not fit is not kept, and its file is then left
// behind by a signal as it is by SIGKILL.
#pragma once

#include <cstddef>

namespace quillon {

inline constexpr size_t kTemporaryFileSlots = 16;
inline constexpr size_t kTemporaryPathBytes = 4096;

// Keeps `path` (made absolute) for the handlers; the slot that holds it, or -1
// when it does not fit. Safe to call from several threads.
int RememberTemporaryFile(const char* path);
// Drops the name of a slot given by RememberTemporaryFile; -1 does nothing.
void ForgetTemporaryFile(int slot);

// Installs the handlers of SIGINT, SIGTERM and SIGHUP. A signal that the
// process was started with ignored (nohup, a background job) stays ignored.
void RemoveTemporaryFilesOnSignals();

}  // namespace quillon
