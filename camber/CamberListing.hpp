// The pages of one camber problem in the camber listing.
//
// Every record is one line whose first character is plain text: "1" starts a
// page, a blank any other line. An empty record is a line of no characters,
// a blank record a line of one blank. Trailing blanks are written as they
// stand (descriptions are always their 72 characters).
//
// Sections: the input echo; the supplemental tables when IFLAG is not 0;
// camber cutting dimensions span by span; blocking dimensions with their
// notes; dead-load deflections.
#pragma once

#include <ostream>
#include <string_view>

#include "camber/CamberComputation.hpp"
#include "camber/CamberProblem.hpp"

namespace quillon::camber {

// One record and its line end.
void PutRecord(std::ostream& listing, std::string_view record);

// The splice check block, on a page of its own before the problem's pages.
void WriteSpliceCheckBlock(std::ostream& listing, const SpliceCheck& check);

// All pages of a computed problem.
void WriteCamberListing(std::ostream& listing, const CamberProblem& problem,
                        const CamberTables& tables);

}  // namespace quillon::camber
