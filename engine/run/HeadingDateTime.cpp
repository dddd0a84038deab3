#include "engine/run/HeadingDateTime.hpp"

#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

std::string MakeDateText(const LocalTime& now) {
    return ff::Record()
        .I(now.year % 100, 3, 2)
        .Text("/")
        .I(now.month, 2, 2)
        .Text("/")
        .I(now.day, 2, 2)
        .X(1)
        .str();
}

std::string MakeTimeText(const LocalTime& now) {
    return ff::Record()
        .I(now.hour, 2, 2)
        .Text(":")
        .I(now.minute, 2, 2)
        .Text(" ")
        .I(now.second, 2, 2)
        .X(2)
        .str();
}

}  // namespace quillon::engine
