#include "tests/support/worked_example.h"

#include <array>
#include <cstddef>
#include <regex>
#include <stdexcept>
#include <string_view>

namespace testing_support {
namespace {

using calc::Field;
using calc::Step;

// What each of the guide's rows feeds and reads back, in the order its
// figures stand.
struct RowFields {
  Step step;
  std::vector<Field> typed;
  std::vector<Field> written;
  int notices;
};

const std::array<RowFields, 13>& Rows() {
  using namespace calc;  // the fields by their names
  static const std::array<RowFields, 13> rows{{
      {Step::kForwardDraftMeans,
       {kForwardPort, kForwardStarboard, kForwardStem},
       {kForwardMean, kForwardCorrected},
       0},
      {Step::kAftDraftMeans, {kAftPort, kAftStarboard, kAftStem}, {kAftMean, kAftCorrected}, 0},
      {Step::kForwardAftMean, {}, {kForwardAftMean}, 0},
      {Step::kMidshipMean, {kMidPort, kMidStarboard}, {kMidMean}, 0},
      {Step::kMeanOfMeans, {}, {kMeanOfMeans, kDeformationCorrected}, 2},
      {Step::kTrim, {}, {kTrimForward, kTrimAft, kTrim}, 0},
      {Step::kDeltaMtc, {kTpc, kLbp, kLcf, kMtcPlus50, kMtcMinus50}, {kDm}, 1},
      {Step::kTrimCorrection1, {}, {kTrimCorrection1}, 1},
      {Step::kTrimCorrection2, {}, {kTrimCorrection2}, 1},
      {Step::kTotalTrimCorrection, {}, {kTotalTrimCorrection}, 0},
      {Step::kDisplacementCorrectedForTrim,
       {kDisplacement, kTrimCorrection},
       {kCorrectedForTrim},
       1},
      {Step::kDisplacementCorrectedForDensity, {kObservedDensity}, {kDensityCorrected}, 1},
      {Step::kCargo,
       {kLightShip, kFuelOil, kDieselOil, kLubricatingOil, kFreshWater, kFeedWater, kConstant},
       {kCargo},
       1},
  }};
  return rows;
}

std::vector<std::string_view> Cells(std::string_view line) {
  std::vector<std::string_view> cells;
  for (std::size_t start = 0;;) {
    const std::size_t bar = line.find('|', start);
    cells.push_back(line.substr(start, bar - start));
    if (bar == std::string_view::npos) return cells;
    start = bar + 1;
  }
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The figures of a piece of the example column, given to its fields in turn.
std::vector<std::pair<Field, std::string>> Figures(std::string_view text,
                                                   const std::vector<Field>& fields, int row) {
  static const std::regex number(R"(-?\d+(?:\.\d+)?)");
  const std::string piece(text);
  std::vector<std::string> found;
  for (auto match = std::sregex_iterator(piece.begin(), piece.end(), number);
       match != std::sregex_iterator(); ++match) {
    found.push_back(match->str());
  }
  if (found.size() != fields.size()) {
    throw std::runtime_error("the guide's step " + std::to_string(row) + " has " +
                             std::to_string(found.size()) + " figures where " +
                             std::to_string(fields.size()) + " fields take them");
  }
  std::vector<std::pair<Field, std::string>> figures;
  for (std::size_t i = 0; i < fields.size(); ++i) figures.emplace_back(fields[i], found[i]);
  return figures;
}

}  // namespace

std::vector<ExampleStep> ReadWorkedExample(std::istream& guide) {
  constexpr std::string_view kArrow = "\u2192";
  std::vector<ExampleStep> steps;
  for (std::string line; std::getline(guide, line);) {
    const std::vector<std::string_view> cells = Cells(line);
    if (cells.size() != 7) continue;
    const std::string_view number = Trimmed(cells[1]);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) {
      continue;
    }
    ExampleStep step;
    step.row = std::stoi(std::string(number));
    if (step.row != static_cast<int>(steps.size()) + 1 || step.row > 13) {
      throw std::runtime_error("the guide's step " + std::to_string(step.row) + " is out of turn");
    }
    const RowFields& fields = Rows()[static_cast<std::size_t>(step.row - 1)];
    step.press = Trimmed(cells[3].substr(0, cells[3].find('(')));
    step.step = fields.step;
    step.notices = fields.notices;
    const std::string_view example = cells[5];
    const std::size_t arrow = example.find(kArrow);
    const std::string_view before =
        arrow == std::string_view::npos ? std::string_view() : example.substr(0, arrow);
    const std::string_view after =
        arrow == std::string_view::npos ? example : example.substr(arrow + kArrow.size());
    step.typed = Figures(before, fields.typed, step.row);
    step.written = Figures(after, fields.written, step.row);
    steps.push_back(std::move(step));
  }
  if (steps.size() != Rows().size()) {
    throw std::runtime_error("the guide has " + std::to_string(steps.size()) + " of its " +
                             std::to_string(Rows().size()) + " steps");
  }
  return steps;
}

}  // namespace testing_support
