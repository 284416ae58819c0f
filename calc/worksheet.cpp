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

constexpr double kReferenceDensity = 1.025;

// Carries a fault from the step that found it out to Run, past whatever
// the command would still have done.
struct FaultStop {
  Fault fault;
};

}  // namespace

Worksheet::Worksheet(Host& host) : host_(host) {}

const std::string& Worksheet::Text(int n) const {
  assert(n >= 1 && n <= kFieldCount);
  return fields_[static_cast<std::size_t>(n - 1)];
}

std::string& Worksheet::Field(int n) {
  assert(n >= 1 && n <= kFieldCount);
  return fields_[static_cast<std::size_t>(n - 1)];
}

void Worksheet::SetText(int n, std::string text) {
  Field(n) = std::move(text);
}

void Worksheet::Command1() {
  Run(&Worksheet::ForwardDraft);
}
void Worksheet::Command2() {
  Run(&Worksheet::AftDraft);
}
void Worksheet::Command3() {
  Run(&Worksheet::MeanOfForwardAndAft);
}
void Worksheet::Command4() {
  Run(&Worksheet::MidshipDraft);
}
void Worksheet::Command5() {
  Run(&Worksheet::MeanOfMeans);
}
void Worksheet::Command6() {
  Run(&Worksheet::TrimCorrection);
}
void Worksheet::Command7() {
  Run(&Worksheet::DensityCorrection);
}
void Worksheet::Command8() {
  Run(&Worksheet::Trim);
}
void Worksheet::Command9() {
  Run(&Worksheet::DeltaMtc);
}
void Worksheet::Command10() {
  Run(&Worksheet::Cargo);
}
void Worksheet::Command11() {
  Run(&Worksheet::TotalTrimCorrection);
}
void Worksheet::Command12() {
  Run(&Worksheet::TrimCorrection1);
}
void Worksheet::Command13() {
  Run(&Worksheet::TrimCorrection2);
}
void Worksheet::Command14() {
  Run(&Worksheet::Clear);
}

void Worksheet::Run(Body body) {
  try {
    (this->*body)();
  } catch (const FaultStop& stop) {
    host_.ReportFault(stop.fault);
  }
}

// Faults are checked where a value is about to be written (and, in the mean
// of means, where the test of its inputs would otherwise come first).
// Reading a field has no side effects and Checked keeps the first fault of
// a formula, so this ends every command at the same place as checking each
// single operation would.

void Worksheet::ForwardDraft() {
  DraftMeans(1, 2, 4, 3, 5);
}

void Worksheet::AftDraft() {
  DraftMeans(6, 7, 11, 8, 9);
}

void Worksheet::DraftMeans(int port, int starboard, int stem, int mean_out, int corrected_out) {
  const Checked mean = Require((Number(port) + Number(starboard)) / 2.0);
  WriteNumber(mean_out, mean);
  // The stem correction is subtracted: one that raises the draft is typed negative.
  WriteNumber(corrected_out, mean - Number(stem));
}

void Worksheet::MeanOfForwardAndAft() {
  WriteNumber(10, (Number(5) + Number(9)) / 2.0);
}

void Worksheet::MidshipDraft() {
  WriteNumber(14, (Number(12) + Number(13)) / 2.0);
}

void Worksheet::MeanOfMeans() {
  host_.ShowNotice(std::string(kNoticeMeanOfMeans));
  host_.ShowNotice(std::string(kNoticeDeformation));
  const Checked midship = Number(14);
  const Checked mean_of_means = Require((Number(10) + midship) / 2.0);
  if (IsEmpty(10) || IsEmpty(14)) {
    Write(15, marker::kMeanOfMeans);
  } else {
    WriteNumber(15, mean_of_means);
  }
  // Still written with a missing input, which counts as 0.
  WriteNumber(16, (mean_of_means + midship) / 2.0);
}

void Worksheet::TrimCorrection() {
  host_.ShowNotice(std::string(kNoticeTrimCorrection));  // a reminder, not a test
  WriteNumber(19, Number(17) + Number(18));
}

void Worksheet::DensityCorrection() {
  host_.ShowNotice(std::string(kNoticeDensity));
  Write(21, TextFromNumber(kReferenceDensity));
  WriteNumber(22, Number(19) * Number(20) / kReferenceDensity);
}

void Worksheet::Trim() {
  Write(23, Text(5));
  Write(24, Text(9));
  WriteNumber(25, Number(9) - Number(5));  // aft minus forward
  if (IsEmpty(5)) Write(23, marker::kForward);
  if (IsEmpty(9)) Write(24, marker::kAft);
}

void Worksheet::DeltaMtc() {
  host_.ShowNotice(std::string(kNoticeDm));
  WriteNumber(32, Number(30) - Number(31));
}

void Worksheet::Cargo() {
  host_.ShowNotice(std::string(kNoticeCargo));
  WriteNumber(33, Number(22));
  const Checked deductibles =
      Number(44) + Number(34) + Number(35) + Number(36) + Number(37) + Number(38) + Number(39);
  WriteNumber(40, Number(33) - deductibles);
  if (IsEmpty(22)) {
    Write(40, marker::kDensity);
  } else if (Number(40).value() < 1.0) {
    Write(40, marker::kWrong);
  }
}

void Worksheet::TotalTrimCorrection() {
  WriteNumber(43, Number(42) + Number(41));
}

bool Worksheet::LbpGiven() {
  if (Number(28).value() == 0.0 || IsEmpty(28)) {
    host_.ShowNotice(std::string(kNoticeLbp));
    return false;
  }
  return true;
}

void Worksheet::TrimCorrection1() {
  host_.ShowNotice(std::string(kNoticeTc1));
  if (!LbpGiven()) return;
  WriteNumber(42, Number(25) * Number(29) * Number(27) * 100.0 / Number(28));
}

void Worksheet::TrimCorrection2() {
  host_.ShowNotice(std::string(kNoticeTc2));
  if (!LbpGiven()) return;
  // Computed as D.M. x trim x trim, the order the notice does not show.
  WriteNumber(41, Number(32) * Number(25) * Number(25) * 50.0 / Number(28));
}

void Worksheet::Clear() {
  for (int n = 1; n <= kFieldCount; ++n) Write(n, {});
}

Checked Worksheet::Number(int n) const {
  return NumberFromText(Text(n));
}

bool Worksheet::IsEmpty(int n) const {
  return Text(n).empty();
}

Checked Worksheet::Require(Checked value) {
  if (const auto fault = value.fault()) throw FaultStop{*fault};
  return value;
}

void Worksheet::WriteNumber(int n, Checked value) {
  Write(n, TextFromNumber(Require(value).value()));
}

void Worksheet::Write(int n, std::string_view text) {
  Field(n) = text;
  host_.FieldWritten(n);
}

}  // namespace calc
