#include "converters/common/LineWriter.hpp"

namespace quillon::converters {

void LineWriter::WriteLine(std::string_view text, int newlines, WriteMode mode) {
    if (mode != WriteMode::Output) console_ << text;
    if (mode == WriteMode::Console) return;
    output_.append(text);
    if (newlines > 0) output_.append(static_cast<size_t>(newlines), '\n');
}

}  // namespace quillon::converters
