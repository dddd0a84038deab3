// File naming and safe output for the converters.
//
// The base name of a file is its path with the FILE NAME cut before the file
// name's first "." (a "." in a folder name does not cut): "/home/a.b/deck.dat"
// has the base name "/home/a.b/deck", "x.y.dat" has "x". Names have no length
// limit and every character but "/" is ordinary.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::converters {

std::string BaseName(std::string_view path);

// The text after the first "." of the file name; nothing when it has none.
std::optional<std::string> FileNameExtension(std::string_view path);

// The name of a converter file: base name, ".", extension.
std::string ConverterFileName(std::string_view base, std::string_view extension);

// Writes `content` to `path` through a temporary file in the same folder that
// is renamed over `path` only when all of it was written, so `path` is never
// left half-written. False, with the reason in `error`, when it fails; the
// temporary file is then removed and `path` is as it was.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string& error);

}  // namespace quillon::converters
