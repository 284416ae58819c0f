#pragma once

#include <istream>
#include <string>
#include <utility>
#include <vector>

#include "calc/worksheet.h"

namespace testing_support {

// One row of the user's guide's worked survey: the figures the guide has
// typed into the step's input fields, the button it presses, and the
// figures it promises the program writes.
struct ExampleStep {
  int row = 0;        // the guide's step number, 1 to 13
  std::string press;  // the button's caption as the guide spells it
  calc::Step step{};
  std::vector<std::pair<calc::Field, std::string>> typed;
  std::vector<std::pair<calc::Field, std::string>> written;
  int notices = 0;  // the notices the step shows before it writes
};

// The guide's worked survey, the one survey that the window test, the
// benchmark and the screenshot script all work through. A row is a table
// line "| n | ... | caption (remark) | ... | typed → written |"; its figures
// are the numbers on each side of the arrow, and a row without an arrow
// has written figures only. Which fields they go to is known here, row by
// row. Throws std::runtime_error, naming the row, when a row's figures do
// not fill its fields, or when a row is missing.
//
//   "| 4 | Draft Mid P and S | 4th: Calculate Mid Draft | Draft Mid M | P 7.58, S 7.62 → 7.6 |"
//     -> {4, "4th: Calculate Mid Draft", Step::kMidshipMean,
//         {{kMidPort, "7.58"}, {kMidStarboard, "7.62"}}, {{kMidMean, "7.6"}}, 0}
std::vector<ExampleStep> ReadWorkedExample(std::istream& guide);

}  // namespace testing_support
