#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/checked.h"
#include "calc/fault.h"
#include "calc/host.h"

namespace calc {

// The worksheet's fields, numbered as the window's Text1 to Text44 are.
// Captions that the sheet shows twice are told apart by their band.
enum Field : int {
  // Upper band, forward and aft drafts.
  kForwardPort = 1,
  kForwardStarboard = 2,
  kForwardMean = 3,
  kForwardStem = 4,
  kForwardCorrected = 5,  // "Corrected Mean Draft Forward: A"
  kAftPort = 6,
  kAftStarboard = 7,
  kAftMean = 8,
  kAftCorrected = 9,  // "Corrected Mean Draft AFT: F"
  kForwardAftMean = 10,
  kAftStem = 11,
  // Upper band, midship drafts, displacement and density.
  kMidPort = 12,
  kMidStarboard = 13,
  kMidMean = 14,
  kMeanOfMeans = 15,
  kDeformationCorrected = 16,
  kDisplacement = 17,  // from the tables, for the corrected draft
  kTrimCorrection = 18,
  kCorrectedForTrim = 19,
  kObservedDensity = 20,
  kReferenceDensity = 21,
  kDensityCorrected = 22,
  // Middle band, trim.
  kTrimForward = 23,
  kTrimAft = 24,
  kTrim = 25,
  kMean = 26,  // used by no step
  kTpc = 27,
  kLbp = 28,
  kLcf = 29,
  kMtcPlus50 = 30,
  kMtcMinus50 = 31,
  kDm = 32,
  // Lower band, cargo.
  kCargoDisplacement = 33,  // the density-corrected displacement, copied
  kFuelOil = 34,
  kDieselOil = 35,
  kLubricatingOil = 36,
  kFreshWater = 37,
  kFeedWater = 38,
  kConstant = 39,
  kCargo = 40,
  kTrimCorrection2 = 41,
  kTrimCorrection1 = 42,
  kTotalTrimCorrection = 43,
  kLightShip = 44,
};

// The texts that steps write in place of a number. They read as 0.
namespace marker {
inline constexpr std::string_view kMeanOfMeans = "????";   // Text15: a mean is missing
inline constexpr std::string_view kForward = "A ?";        // Text23: Text5 is empty
inline constexpr std::string_view kAft = "F ?";            // Text24: Text9 is empty
inline constexpr std::string_view kDensity = "Density ?";  // Text40: Text22 is empty
inline constexpr std::string_view kWrong = "Wrong ?";      // Text40: cargo below 1
}  // namespace marker

// The fourteen steps, numbered as the window's Command1 to Command14 are.
// Each is named after what it computes and writes.
enum class Step : int {
  kForwardDraftMeans = 1,
  kAftDraftMeans,
  kForwardAftMean,
  kMidshipMean,
  kMeanOfMeans,
  kDisplacementCorrectedForTrim,
  kDisplacementCorrectedForDensity,
  kTrim,
  kDeltaMtc,
  kCargo,
  kTotalTrimCorrection,
  kTrimCorrection1,
  kTrimCorrection2,
  kClear,  // every field emptied; the last
};

// One draft survey: 44 free-text fields and the fourteen steps that work
// on them. Each step reads its input fields as numbers, computes in
// double precision and writes its results back as text; the fields are the
// only state. An arithmetic fault ends a step where it is found: fields
// written before keep their new text, later ones their old text.
class Worksheet {
 public:
  static constexpr int kFieldCount = 44;
  static constexpr int kStepCount = static_cast<int>(Step::kClear);

  explicit Worksheet(Host& host);

  // The text of field Text<n>, n from 1 to 44.
  [[nodiscard]] const std::string& Text(int n) const;
  // Replaces the text of Text<n> as the user types it; no host call.
  void SetText(int n, std::string text);

  // Runs one step; an arithmetic fault that ends it is reported to the host.
  void Run(Step step);

 private:
  // Dispatches a step; the compiler checks that every step has its case.
  void Dispatch(Step step);

  void ForwardDraftMeans();
  void AftDraftMeans();
  void ForwardAftMean();
  void MidshipMean();
  void MeanOfMeans();
  void DisplacementCorrectedForTrim();
  void DisplacementCorrectedForDensity();
  void Trim();
  void DeltaMtc();
  void Cargo();
  void TotalTrimCorrection();
  void TrimCorrection1();
  void TrimCorrection2();
  void Clear();

  // The means of a block of two readings and a stem correction.
  void DraftMeans(Field port, Field starboard, Field stem, Field mean, Field corrected);
  // The L.B.P. that both trim corrections divide by is given and not 0;
  // if not, says so in a notice.
  [[nodiscard]] bool LbpGiven();

  [[nodiscard]] Checked Number(Field n) const;
  [[nodiscard]] bool IsEmpty(Field n) const;
  // The value of a finished step; ends the step if it faulted.
  static Checked Require(Checked value);
  void WriteNumber(Field n, Checked value);
  void Write(Field n, std::string_view text);
  [[nodiscard]] std::string& Slot(int n);

  Host& host_;
  std::array<std::string, kFieldCount> fields_;
};

}  // namespace calc
