#include "converters/common/ConverterConsole.hpp"

namespace quillon::converters {

int AbortRun(std::ostream& console, std::string_view message) {
    console << message << '\n';
    console.flush();
    return kAbortStatus;
}

}  // namespace quillon::converters
