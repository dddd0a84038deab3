#include "converters/common/ConverterLog.hpp"

#include <array>
#include <chrono>

#include "fixedform/RecordWriter.hpp"

namespace quillon::converters {

namespace {

constexpr std::array<const char*, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string Rule() { return std::string(80, '-'); }

}  // namespace

std::string RunTimeText(const LocalTime& time) {
    namespace chrono = std::chrono;
    chrono::year_month_day date{chrono::year{time.year},
                                chrono::month{static_cast<unsigned>(time.month)},
                                chrono::day{static_cast<unsigned>(time.day)}};
    // A date the calendar does not know (a broken clock) is shown without a weekday name.
    const char* weekday =
        date.ok() ? kWeekdays[chrono::weekday{chrono::sys_days{date}}.c_encoding()] : "???";
    const char* month = time.month >= 1 && time.month <= 12
                            ? kMonths[static_cast<std::size_t>(time.month - 1)]
                            : "???";
    fixedform::Record text;
    text.Text(weekday).Text(" ").Text(month).I(time.day, 3).Text(" ");
    text.I(time.hour, 2, 2).Text(":").I(time.minute, 2, 2).Text(":").I(time.second, 2, 2);
    text.Text(" ").Text(std::to_string(time.year)).Text("\n");
    return text.str();
}

ConverterLogSpec M2eLogSpec() {
    ConverterLogSpec spec;
    spec.fileName = "QlvrM2E.ELF";
    spec.title = "Quillon input metric -> english converter v";
    spec.version = "1.00a";
    spec.openFailureMessage =
        "M2E-E-OpenErr unable to open file '" + spec.fileName + "'.  Aborting process";
    return spec;
}

ConverterLogSpec ToCamberLogSpec() {
    return {"Qlvr2Cmbr.ELF", "Quillon to Camber data transfer v", " 1.00 ", true,
            "Qlvr->Cmbr-E-Error opening log file.  Aborting process"};
}

ConverterLogSpec StickLogSpec() {
    return {"Qlvr2Stick.ELF", "Quillon to Stick figure v", " 1.00 ", true,
            "Qlvr->Stick-E-Error opening log file.  Aborting process"};
}

ConverterLog::ConverterLog(ConverterLogSpec spec, const std::filesystem::path& folder,
                           std::string runTimeText, const Environment& env)
    : spec_(std::move(spec)),
      path_(folder.empty() ? std::filesystem::path(spec_.fileName) : folder / spec_.fileName),
      runTimeText_(std::move(runTimeText)),
      user_(env.User()),
      pathVariable_(env.Path()) {}

std::string ConverterLog::Header() const {
    std::string header = Rule() + "\n";
    header += spec_.title + spec_.version + "\n";
    header += "TIME: " + runTimeText_ + "\n";
    if (spec_.showsUser) header += "USER: " + user_ + "\n";
    header += "PATH: " + pathVariable_ + "\n";
    header += Rule() + "\n\n";
    return header;
}

bool ConverterLog::WriteLog(std::string_view message) {
    if (!started_) {
        stream_.open(path_, std::ios::out | std::ios::trunc | std::ios::binary);
        if (!stream_) return false;
        started_ = true;
        stream_ << Header();
    }
    stream_ << message << '\n';
    stream_.flush();
    return static_cast<bool>(stream_);
}

bool ConverterLog::WriteLogIfAny(std::string_view message) {
    return message.empty() ? true : WriteLog(message);
}

}  // namespace quillon::converters
