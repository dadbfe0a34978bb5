#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "study/solved_deal.hpp"

namespace bidgauge {

// The deals read for a study, in input order, with the tricks the input
// gives of them.
struct StudyInput {
  std::vector<SolvedDeal> deals;
  // "FILE:LINE: message" for each deal or line passed over, and
  // "FILE:LINE: warning: message" for what was read but not used.
  std::vector<std::string> messages;
  bool anyInvalid = false;  // a deal or line was passed over
  int error = 0;            // the errno that stopped reading, 0 when read to the end
};

// Reads the whole deals of one input onto `into`, numbering them on from
// the deals it holds: either a tricks cache (see tricks_cache.hpp), known by
// its first line, or any input the batch mode reads, where every deal
// string, deal generator line, LIN md| field and PBN Deal tag is a deal. A
// PBN game's DoubleDummyTricks tag and OptimumResultTable give its tricks.
// A deal not of four hands, or with spot cards written as "x", is passed
// over, as are hands alone; a LIN deal repeated for the other room is read
// once. `name` names the input in messages.
void readStudyInput(std::FILE* in, std::string_view name, StudyInput& into);

}  // namespace bidgauge
