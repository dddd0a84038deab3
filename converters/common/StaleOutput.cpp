#include "converters/common/StaleOutput.hpp"

#include <system_error>

namespace quillon::converters {

namespace fs = std::filesystem;

void RemoveStaleOutput(const fs::path& input, const fs::path& output) {
    if (input == output) return;
    std::error_code ignored;
    if (fs::equivalent(input, output, ignored)) return;
    if (!fs::is_regular_file(fs::symlink_status(output, ignored))) return;
    fs::remove(output, ignored);
}

}  // namespace quillon::converters
