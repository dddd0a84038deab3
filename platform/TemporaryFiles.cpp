#include "platform/TemporaryFiles.hpp"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <string>

namespace quillon {

namespace {

enum SlotState : int { kFree, kFilling, kHeld };

struct Slot {
    std::atomic<int> state{kFree};
    char path[kTemporaryPathBytes] = {};
};

static_assert(std::atomic<int>::is_always_lock_free, "a signal handler reads the slot states");

// The names of the temporary files that exist now. Mutable and shared on
// purpose: a signal handler can reach nothing else.
std::array<Slot, kTemporaryFileSlots> slots;

extern "C" void RemoveTemporaryFilesAndEnd(int signal) {
    for (Slot& slot : slots)
        if (slot.state.load() == kHeld) ::unlink(slot.path);
    ::_exit(128 + signal);
}

}  // namespace

int RememberTemporaryFile(const char* path) {
    std::error_code failed;
    const std::string absolute = std::filesystem::absolute(path, failed).string();
    if (failed || absolute.size() >= kTemporaryPathBytes) return -1;
    for (size_t i = 0; i < slots.size(); ++i) {
        int expected = kFree;
        if (!slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
        std::memcpy(slots[i].path, absolute.c_str(), absolute.size() + 1);
        slots[i].state.store(kHeld);
        return static_cast<int>(i);
    }
    return -1;
}

void ForgetTemporaryFile(int slot) {
    if (slot < 0 || static_cast<size_t>(slot) >= slots.size()) return;
    slots[static_cast<size_t>(slot)].state.store(kFree);
}

void RemoveTemporaryFilesOnSignals() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction before {};
        if (::sigaction(signal, nullptr, &before) != 0 || before.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = RemoveTemporaryFilesAndEnd;
        ::sigfillset(&action.sa_mask);  // one handler at a time
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace quillon
