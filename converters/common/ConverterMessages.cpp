#include "converters/common/ConverterMessages.hpp"

#include <utility>

namespace quillon::converters {

ConverterMessages::ConverterMessages(ConverterConsole console, ConverterLogSpec spec,
                                     const std::filesystem::path& folder, std::string runTimeText,
                                     const Environment& env)
    : console_(console), log_(std::move(spec), folder, std::move(runTimeText), env) {}

bool ConverterMessages::Log(std::string_view message) {
    if (logFailed_) return false;
    if (log_.WriteLog(message)) return true;
    logFailed_ = true;
    console_.err << log_.Spec().openFailureMessage << '\n';
    return false;
}

bool ConverterMessages::Say(std::string_view message, bool onStderr) {
    (onStderr ? console_.err : console_.out) << message << '\n';
    return Log(message);
}

int ConverterMessages::Abort(std::string_view message, bool onStderr) {
    Say(message, onStderr);
    return Aborted();
}

int ConverterMessages::Aborted() {
    console_.out.flush();
    return kAbortStatus;
}

}  // namespace quillon::converters
