#include "environment/Environment.hpp"

#include <cstdlib>
#include <ctime>

namespace quillon {

LocalTime SystemEnvironment::Now() const {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    LocalTime t;
    t.year = parts.tm_year + 1900;
    t.month = parts.tm_mon + 1;
    t.day = parts.tm_mday;
    t.hour = parts.tm_hour;
    t.minute = parts.tm_min;
    t.second = parts.tm_sec;
    return t;
}

static std::string VariableOrEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string SystemEnvironment::User() const { return VariableOrEmpty("USER"); }
std::string SystemEnvironment::Path() const { return VariableOrEmpty("PATH"); }

}  // namespace quillon
