// What a failed converter run leaves under its output name: nothing. An
// output file of an earlier run is removed, so that the program run after the
// converter finds no file rather than a stale one.
#pragma once

#include <filesystem>

namespace quillon::converters {

// Removes `output` when it is a regular file of its own: never the input
// under another name (the same file by another path or link), never a folder.
void RemoveStaleOutput(const std::filesystem::path& input, const std::filesystem::path& output);

}  // namespace quillon::converters
