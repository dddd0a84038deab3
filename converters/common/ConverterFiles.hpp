// File naming for the converters; their outputs are written whole through
// platform/OutputFile.hpp.
//
// The base name of a file is its path with the FILE NAME cut before the file
// name's first "." (a "." in a folder name does not cut): "/home/a.b/deck.dat"
// has the base name "/home/a.b/deck", "x.y.dat" has "x". Names have no length
// limit and every character but "/" is ordinary.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon::converters {

std::string BaseName(std::string_view path);

// The text after the first "." of the file name; nothing when it has none.
std::optional<std::string> FileNameExtension(std::string_view path);

// The name of a converter file: base name, ".", extension.
std::string ConverterFileName(std::string_view base, std::string_view extension);

}  // namespace quillon::converters
