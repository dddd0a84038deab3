// The problems the camber program refuses, each with one message record in
// the listing, after which the run goes on with the next problem.
//
// The counts are checked as soon as card 2 is read, before any table is
// filled; the values once the last splice location has been checked against
// the spans, before anything is computed from them.
#pragma once

#include <optional>
#include <string>

#include "camber/CamberProblem.hpp"

namespace quillon::camber {

enum class Refusal {
    TooManySplicePoints,    // ISPL above 55
    TooFewSplicePoints,     // ISPL below 2 (the two girder ends)
    TooManySpans,           // ISPAN above 32
    SpansLessThanOne,       // ISPAN below 1
    SpanLengthNotPositive,  // a SPANL of zero or less (or too small to divide)
    SpliceLocationsNotIncreasing,
};

// The text after "* * * ERROR * * * ".
std::string RefusalText(Refusal refusal);

// The message record: a blank control column, six blanks and the text.
std::string RefusalRecord(Refusal refusal);

// Card 2's counts against the limits of the tables.
std::optional<Refusal> CountRefusal(const CamberProblem& problem);

// The values that the computation divides by, after the last splice
// location has been set to the sum of the spans: at least one span, every
// span length (and so every point spacing) positive, and splice locations
// that increase strictly from the first to the last.
std::optional<Refusal> ValueRefusal(const CamberProblem& problem);

}  // namespace quillon::camber
