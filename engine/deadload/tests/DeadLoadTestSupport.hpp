// Dead-load sets built by hand, a run whose listing is kept in memory, and
// the listing cut into its records without the page headings.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine::testing {

// One 07 record: columns 3-5 of the card in `label`, the deflections in feet
// at tenth points 0-10 (kNoDeflection where not given).
inline DeadLoadRecord DeflectionRecord(const std::string& label,
                                       const std::array<double, kTenthPoints>& feet) {
    DeadLoadRecord record;
    record.label = (label + std::string(10, ' ')).substr(0, 10);
    record.deflections = feet;
    return record;
}

// A set of one card from a function of the span fraction t, given at every
// tenth point except those listed in `blank`.
inline DeadLoadRecord OneCardSet(const std::string& label, const std::function<double(double)>& f,
                                 const std::vector<int>& blank = {}) {
    std::array<double, kTenthPoints> feet{};
    for (int p = 0; p < kTenthPoints; ++p) feet[static_cast<size_t>(p)] = f(p / 10.0);
    for (int p : blank) feet[static_cast<size_t>(p)] = kNoDeflection;
    DeadLoadRecord record = DeflectionRecord(label, feet);
    record.cardCount = 1;
    return record;
}

// A set of `cards` cards over one span from a function of the span fraction.
inline std::vector<DeadLoadRecord> ManyCardSet(const std::string& label, int cards,
                                               const std::function<double(double)>& f) {
    std::vector<DeadLoadRecord> records;
    for (int j = 0; j < cards; ++j) {
        std::array<double, kTenthPoints> feet{};
        for (int k = 0; k < kTenthPoints; ++k)
            feet[static_cast<size_t>(k)] = f((10.0 * j + k) / (10.0 * cards));
        records.push_back(DeflectionRecord(j == 0 ? label : "  ", feet));
    }
    records.front().cardCount = cards;
    return records;
}

// A run with nothing read, writing its listing to `listing`.
struct ListingRun {
    explicit ListingRun(EngineVariant variant = EngineVariant::English)
        : run(variant, listing, {}) {
        if (variant == EngineVariant::Metric) run.state.units = {'\'', 'm'};
    }
    std::ostringstream listing;
    EngineRun run;

    // The records written so far, with the six records that open each page
    // (the title block and the heading line) left out.
    std::vector<std::string> Body() const {
        std::vector<std::string> body;
        std::istringstream in(listing.str());
        std::string record;
        int skip = 0;
        while (std::getline(in, record)) {
            if (record.find("State  of  Vandemor") != std::string::npos) skip = 6;
            if (skip > 0) {
                --skip;
                continue;
            }
            body.push_back(record);
        }
        return body;
    }

    int Pages() const { return run.listing.PageCounter(); }
};

}  // namespace quillon::engine::testing
