#include "camber/CamberRefusals.hpp"

#include "camber/CamberComputation.hpp"

namespace quillon::camber {

std::string RefusalText(Refusal refusal) {
    switch (refusal) {
        case Refusal::TooManySplicePoints:
            return "NUMBER OF SPLICE POINTS GREATER THAN 55";
        case Refusal::TooFewSplicePoints:
            return "NUMBER OF SPLICE POINTS LESS THAN 2";
        case Refusal::TooManySpans:
            return "NUMBER OF SPANS GREATER THAN 32";
        case Refusal::SpansLessThanOne:
            return "NUMBER OF SPANS LESS THAN 1";
        case Refusal::SpanLengthNotPositive:
            return "SPAN LENGTH NOT GREATER THAN 0";
        case Refusal::SpliceLocationsNotIncreasing:
            return "SPLICE LOCATIONS NOT INCREASING";
    }
    return {};
}

std::string RefusalRecord(Refusal refusal) {
    return " " + std::string(6, ' ') + "* * * ERROR * * * " + RefusalText(refusal);
}

std::optional<Refusal> CountRefusal(const CamberProblem& problem) {
    if (problem.splicesAsRead > kMaxSplicePoints) return Refusal::TooManySplicePoints;
    if (problem.splicesAsRead < kMinSplicePoints) return Refusal::TooFewSplicePoints;
    if (problem.spansAsRead > kMaxSpans) return Refusal::TooManySpans;
    return std::nullopt;
}

std::optional<Refusal> ValueRefusal(const CamberProblem& problem) {
    if (problem.spansAsRead < 1) return Refusal::SpansLessThanOne;
    for (float length : problem.spanLengths) {
        // Not `length <= 0`: a NaN must be refused too.
        if (!(length > 0.0f) || !(PointSpacing(problem, length) > 0.0f))
            return Refusal::SpanLengthNotPositive;
    }
    for (size_t j = 1; j < problem.spliceLocations.size(); ++j) {
        if (!(problem.spliceLocations[j] > problem.spliceLocations[j - 1]))
            return Refusal::SpliceLocationsNotIncreasing;
    }
    return std::nullopt;
}

}  // namespace quillon::camber
