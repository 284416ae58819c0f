#include "calc/worksheet.h"

#include <cassert>

#include "calc/number_text.h"

namespace calc {
namespace {

constexpr std::string_view kNoticeMeanOfMeans =
    "Mean of Means = ((Draft A + F Mean) + (Draft Mid. Mean)) / 2";
constexpr std::string_view kNoticeDeformation =
    "Draft Corrected for Deformation = ((Mean of Means) + (Mid. Mean)) / 2";
constexpr std::string_view kNoticeTrimCorrection = "T.C.1 and T.C.2 must be calculated first.";
constexpr std::string_view kNoticeDensity =
    "Density Correction = (Observed Density * Corrected for Trim) / Density Corrected";
constexpr std::string_view kNoticeCargo =
    "Calculate Cargo = Displacement - (Light Ship + F.O. + D.O. + L.O. + F.W. + Feed Water + "
    "Constant)";
constexpr std::string_view kNoticeDm = "DM = (MTC + 50) - (MTC - 50)";
constexpr std::string_view kNoticeTc1 = "(TC1 = (Trim * LCF * TPC * 100) / LBP)";
constexpr std::string_view kNoticeTc2 = "(TC2 = (Trim * Trim * DM * 50) / LBP)";
constexpr std::string_view kNoticeLbp = "LBP must have value.";

constexpr double kReferenceDensityValue = 1.025;

// Carries a fault from the step that found it out to Run, past whatever
// the step would still have done.
struct FaultStop {
  Fault fault;
};

}  // namespace

Worksheet::Worksheet(Host& host) : host_(host) {}

const std::string& Worksheet::Text(int n) const {
  assert(n >= 1 && n <= kFieldCount);
  return fields_[static_cast<std::size_t>(n - 1)];
}

std::string& Worksheet::Slot(int n) {
  assert(n >= 1 && n <= kFieldCount);
  return fields_[static_cast<std::size_t>(n - 1)];
}

void Worksheet::SetText(int n, std::string text) {
  Slot(n) = std::move(text);
}

void Worksheet::Run(Step step) {
  try {
    Dispatch(step);
  } catch (const FaultStop& stop) {
    host_.ReportFault(stop.fault);
  }
}

void Worksheet::Dispatch(Step step) {
  switch (step) {
    case Step::kForwardDraftMeans: return ForwardDraftMeans();
    case Step::kAftDraftMeans: return AftDraftMeans();
    case Step::kForwardAftMean: return ForwardAftMean();
    case Step::kMidshipMean: return MidshipMean();
    case Step::kMeanOfMeans: return MeanOfMeans();
    case Step::kDisplacementCorrectedForTrim: return DisplacementCorrectedForTrim();
    case Step::kDisplacementCorrectedForDensity: return DisplacementCorrectedForDensity();
    case Step::kTrim: return Trim();
    case Step::kDeltaMtc: return DeltaMtc();
    case Step::kCargo: return Cargo();
    case Step::kTotalTrimCorrection: return TotalTrimCorrection();
    case Step::kTrimCorrection1: return TrimCorrection1();
    case Step::kTrimCorrection2: return TrimCorrection2();
    case Step::kClear: return Clear();
  }
}

// Faults are checked where a value is about to be written (and, in the mean
// of means, where the test of its inputs would otherwise come first).
// Reading a field has no side effects and Checked keeps the first fault of
// a formula, so this ends every step at the same place as checking each
// single operation would.

void Worksheet::ForwardDraftMeans() {
  DraftMeans(kForwardPort, kForwardStarboard, kForwardStem, kForwardMean, kForwardCorrected);
}

void Worksheet::AftDraftMeans() {
  DraftMeans(kAftPort, kAftStarboard, kAftStem, kAftMean, kAftCorrected);
}

void Worksheet::DraftMeans(Field port, Field starboard, Field stem, Field mean, Field corrected) {
  const Checked mean_draft = Require((Number(port) + Number(starboard)) / 2.0);
  WriteNumber(mean, mean_draft);
  // The stem correction is subtracted: one that raises the draft is typed negative.
  WriteNumber(corrected, mean_draft - Number(stem));
}

void Worksheet::ForwardAftMean() {
  WriteNumber(kForwardAftMean, (Number(kForwardCorrected) + Number(kAftCorrected)) / 2.0);
}

void Worksheet::MidshipMean() {
  WriteNumber(kMidMean, (Number(kMidPort) + Number(kMidStarboard)) / 2.0);
}

void Worksheet::MeanOfMeans() {
  host_.ShowNotice(std::string(kNoticeMeanOfMeans));
  host_.ShowNotice(std::string(kNoticeDeformation));
  const Checked midship = Number(kMidMean);
  const Checked mean_of_means = Require((Number(kForwardAftMean) + midship) / 2.0);
  if (IsEmpty(kForwardAftMean) || IsEmpty(kMidMean)) {
    Write(kMeanOfMeans, marker::kMeanOfMeans);
  } else {
    WriteNumber(kMeanOfMeans, mean_of_means);
  }
  // Still written with a missing input, which counts as 0.
  WriteNumber(kDeformationCorrected, (mean_of_means + midship) / 2.0);
}

void Worksheet::DisplacementCorrectedForTrim() {
  host_.ShowNotice(std::string(kNoticeTrimCorrection));  // a reminder, not a test
  WriteNumber(kCorrectedForTrim, Number(kDisplacement) + Number(kTrimCorrection));
}

void Worksheet::DisplacementCorrectedForDensity() {
  host_.ShowNotice(std::string(kNoticeDensity));
  Write(kReferenceDensity, TextFromNumber(kReferenceDensityValue));
  WriteNumber(kDensityCorrected,
              Number(kCorrectedForTrim) * Number(kObservedDensity) / kReferenceDensityValue);
}

void Worksheet::Trim() {
  Write(kTrimForward, Text(kForwardCorrected));
  Write(kTrimAft, Text(kAftCorrected));
  WriteNumber(kTrim, Number(kAftCorrected) - Number(kForwardCorrected));  // aft minus forward
  if (IsEmpty(kForwardCorrected)) Write(kTrimForward, marker::kForward);
  if (IsEmpty(kAftCorrected)) Write(kTrimAft, marker::kAft);
}

void Worksheet::DeltaMtc() {
  host_.ShowNotice(std::string(kNoticeDm));
  WriteNumber(kDm, Number(kMtcPlus50) - Number(kMtcMinus50));
}

void Worksheet::Cargo() {
  host_.ShowNotice(std::string(kNoticeCargo));
  WriteNumber(kCargoDisplacement, Number(kDensityCorrected));
  const Checked deductibles = Number(kLightShip) + Number(kFuelOil) + Number(kDieselOil) +
                              Number(kLubricatingOil) + Number(kFreshWater) + Number(kFeedWater) +
                              Number(kConstant);
  WriteNumber(kCargo, Number(kCargoDisplacement) - deductibles);
  if (IsEmpty(kDensityCorrected)) {
    Write(kCargo, marker::kDensity);
  } else if (Number(kCargo).value() < 1.0) {
    Write(kCargo, marker::kWrong);
  }
}

void Worksheet::TotalTrimCorrection() {
  WriteNumber(kTotalTrimCorrection, Number(kTrimCorrection1) + Number(kTrimCorrection2));
}

// An empty L.B.P. reads as 0 too.
bool Worksheet::LbpGiven() {
  if (Number(kLbp).value() == 0.0) {
    host_.ShowNotice(std::string(kNoticeLbp));
    return false;
  }
  return true;
}

void Worksheet::TrimCorrection1() {
  host_.ShowNotice(std::string(kNoticeTc1));
  if (!LbpGiven()) return;
  WriteNumber(kTrimCorrection1, Number(kTrim) * Number(kLcf) * Number(kTpc) * 100.0 / Number(kLbp));
}

void Worksheet::TrimCorrection2() {
  host_.ShowNotice(std::string(kNoticeTc2));
  if (!LbpGiven()) return;
  // Computed as D.M. x trim x trim, the order the notice does not show.
  WriteNumber(kTrimCorrection2, Number(kDm) * Number(kTrim) * Number(kTrim) * 50.0 / Number(kLbp));
}

void Worksheet::Clear() {
  for (int n = 1; n <= kFieldCount; ++n) Write(static_cast<Field>(n), {});
}

Checked Worksheet::Number(Field n) const {
  return NumberFromText(Text(n));
}

bool Worksheet::IsEmpty(Field n) const {
  return Text(n).empty();
}

Checked Worksheet::Require(Checked value) {
  if (const auto fault = value.fault()) throw FaultStop{*fault};
  return value;
}

void Worksheet::WriteNumber(Field n, Checked value) {
  Write(n, TextFromNumber(Require(value).value()));
}

void Worksheet::Write(Field n, std::string_view text) {
  Slot(n) = text;
  host_.FieldWritten(n);
}

}  // namespace calc
