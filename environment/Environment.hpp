// The few things a program reads from the world besides its files: the local
// clock and the variables USER and PATH. Programs take an Environment by
// reference so that tests can fix all three.
#pragma once

#include <string>

namespace quillon {

// Local calendar time, broken down as the listings print it.
struct LocalTime {
    int year = 2000;  // full year, e.g. 2026
    int month = 1;    // 1-12
    int day = 1;      // 1-31
    int hour = 0;     // 0-23
    int minute = 0;   // 0-59
    int second = 0;   // 0-59
};

class Environment {
public:
    virtual ~Environment() = default;
    virtual LocalTime Now() const = 0;
    // The value of USER or PATH; an unset variable reads as an empty text.
    virtual std::string User() const = 0;
    virtual std::string Path() const = 0;
};

// The real process environment and system clock.
class SystemEnvironment final : public Environment {
public:
    LocalTime Now() const override;
    std::string User() const override;
    std::string Path() const override;
};

// A fixed clock and fixed variables, for tests.
class FixedEnvironment final : public Environment {
public:
    FixedEnvironment(LocalTime time, std::string user = "", std::string path = "")
        : time_(time), user_(std::move(user)), path_(std::move(path)) {}
    LocalTime Now() const override { return time_; }
    std::string User() const override { return user_; }
    std::string Path() const override { return path_; }

private:
    LocalTime time_;
    std::string user_;
    std::string path_;
};

}  // namespace quillon
