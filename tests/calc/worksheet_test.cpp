#include "calc/worksheet.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "calc/number_text.h"

namespace calc {
namespace {

// Records what a command asks of its window, in order.
class RecordingHost : public Host {
 public:
  struct Event {
    enum Kind { kNotice, kFault, kWrite } kind;
    std::string text;  // the notice, or the field's text when it was written
    int field = 0;
  };

  void ShowNotice(const std::string& text) override { events.push_back({Event::kNotice, text}); }
  void ReportFault(Fault fault) override {
    faults.push_back(fault);
    events.push_back({Event::kFault, {}});
  }
  void FieldWritten(int n) override { events.push_back({Event::kWrite, sheet->Text(n), n}); }

  [[nodiscard]] std::vector<std::string> Notices() const {
    std::vector<std::string> notices;
    for (const Event& e : events) {
      if (e.kind == Event::kNotice) notices.push_back(e.text);
    }
    return notices;
  }

  const Worksheet* sheet = nullptr;
  std::vector<Event> events;
  std::vector<Fault> faults;
};

using Fields = std::map<int, std::string>;

const std::string kMeanNotice = "Mean of Means = ((Draft A + F Mean) + (Draft Mid. Mean)) / 2";
const std::string kDeformationNotice =
    "Draft Corrected for Deformation = ((Mean of Means) + (Mid. Mean)) / 2";
const std::string kTrimNotice = "T.C.1 and T.C.2 must be calculated first.";
const std::string kDensityNotice =
    "Density Correction = (Observed Density * Corrected for Trim) / Density Corrected";
const std::string kCargoNotice =
    "Calculate Cargo = Displacement - (Light Ship + F.O. + D.O. + L.O. + F.W. + Feed Water + "
    "Constant)";
const std::string kDmNotice = "DM = (MTC + 50) - (MTC - 50)";
const std::string kTc1Notice = "(TC1 = (Trim * LCF * TPC * 100) / LBP)";
const std::string kTc2Notice = "(TC2 = (Trim * Trim * DM * 50) / LBP)";
const std::string kLbpNotice = "LBP must have value.";

struct CommandCase {
  std::string name;
  Step command;
  Fields before;                     // fields filled before the command
  std::vector<std::string> notices;  // in the order shown
  Fields after;                      // fields that must change; all others keep their text
  std::optional<Fault> fault = std::nullopt;
};

class WorksheetCommand : public testing::TestWithParam<CommandCase> {
 protected:
  WorksheetCommand() { host_.sheet = &sheet_; }
  RecordingHost host_;
  Worksheet sheet_{host_};
};

void PrintTo(const CommandCase& c, std::ostream* os) {
  *os << c.name;
}

TEST_P(WorksheetCommand, WritesExactlyItsResults) {
  const CommandCase& c = GetParam();
  for (const auto& [n, text] : c.before) sheet_.SetText(n, text);

  sheet_.Run(c.command);

  EXPECT_EQ(host_.Notices(), c.notices);
  EXPECT_EQ(host_.faults, c.fault ? std::vector<Fault>{*c.fault} : std::vector<Fault>{});
  for (int n = 1; n <= Worksheet::kFieldCount; ++n) {
    const auto changed = c.after.find(n);
    const auto typed = c.before.find(n);
    const std::string expected = changed != c.after.end()  ? changed->second
                                 : typed != c.before.end() ? typed->second
                                                           : std::string();
    EXPECT_EQ(sheet_.Text(n), expected) << "Text" << n;
  }
}

TEST_P(WorksheetCommand, ShowsEveryNoticeBeforeWritingAndReportsFaultLast) {
  const CommandCase& c = GetParam();
  for (const auto& [n, text] : c.before) sheet_.SetText(n, text);

  sheet_.Run(c.command);

  bool written = false;
  for (std::size_t i = 0; i < host_.events.size(); ++i) {
    const RecordingHost::Event& e = host_.events[i];
    if (e.kind == RecordingHost::Event::kWrite) written = true;
    if (e.kind == RecordingHost::Event::kNotice) {
      EXPECT_FALSE(written) << "notice after a write";
    }
    if (e.kind == RecordingHost::Event::kFault) {
      EXPECT_EQ(i + 1, host_.events.size());
    }
  }
}

const Fields kCargoInputs{
    {kDensityCorrected, "20000"}, {kLightShip, "5000"}, {kFuelOil, "300"},  {kDieselOil, "50"},
    {kLubricatingOil, "10"},      {kFreshWater, "200"}, {kFeedWater, "40"}, {kConstant, "150"}};

Fields With(Fields fields, const Fields& changes) {
  for (const auto& [n, text] : changes) fields[n] = text;
  return fields;
}

// Forward and aft draft means.
INSTANTIATE_TEST_SUITE_P(
    DraftMeans, WorksheetCommand,
    testing::Values(
        CommandCase{"ForwardMeanLessStem",
                    Step::kForwardDraftMeans,
                    {{kForwardPort, "7.15"}, {kForwardStarboard, "7.11"}, {kForwardStem, "0.02"}},
                    {},
                    {{kForwardMean, "7.13"}, {kForwardCorrected, "7.11"}}},
        CommandCase{"NegativeStemRaises",
                    Step::kForwardDraftMeans,
                    {{kForwardPort, "7.15"}, {kForwardStarboard, "7.11"}, {kForwardStem, "-0.03"}},
                    {},
                    {{kForwardMean, "7.13"}, {kForwardCorrected, "7.16"}}},
        CommandCase{"NoStemCorrection",
                    Step::kForwardDraftMeans,
                    {{kForwardPort, "7.15"}, {kForwardStarboard, "7.11"}},
                    {},
                    {{kForwardMean, "7.13"}, {kForwardCorrected, "7.13"}}},
        CommandCase{"AllForwardEmpty",
                    Step::kForwardDraftMeans,
                    {},
                    {},
                    {{kForwardMean, "0"}, {kForwardCorrected, "0"}}},
        CommandCase{"OneSideEmptyCountsAsZero",
                    Step::kForwardDraftMeans,
                    {{kForwardPort, "7.2"}},
                    {},
                    {{kForwardMean, "3.6"}, {kForwardCorrected, "3.6"}}},
        CommandCase{"ForwardMeanOverflowWritesNothing",
                    Step::kForwardDraftMeans,
                    {{kForwardPort, "1.7e308"},
                     {kForwardStarboard, "1.7e308"},
                     {kForwardMean, "old"},
                     {kForwardCorrected, "old"}},
                    {},
                    {},
                    Fault::Overflow},
        CommandCase{
            "ForwardStemOverflowKeepsMean",
            Step::kForwardDraftMeans,
            {{kForwardPort, "1.7e308"}, {kForwardStem, "-1.7e308"}, {kForwardCorrected, "old"}},
            {},
            {{kForwardMean, "8.5E+307"}},
            Fault::Overflow},
        CommandCase{"ForwardStemBeyondRangeKeepsMean",
                    Step::kForwardDraftMeans,
                    {{kForwardPort, "7"},
                     {kForwardStarboard, "8"},
                     {kForwardStem, "1E400"},
                     {kForwardCorrected, "old"}},
                    {},
                    {{kForwardMean, "7.5"}},
                    Fault::Overflow},
        CommandCase{"AftMeanLessStem",
                    Step::kAftDraftMeans,
                    {{kAftPort, "8.07"}, {kAftStarboard, "8.03"}, {kAftStem, "0.02"}},
                    {},
                    {{kAftMean, "8.05"}, {kAftCorrected, "8.03"}}},
        CommandCase{"AftIgnoresForwardStem",
                    Step::kAftDraftMeans,
                    {{kAftPort, "8"}, {kAftStarboard, "8"}, {kForwardStem, "5"}},
                    {},
                    {{kAftMean, "8"}, {kAftCorrected, "8"}}},
        CommandCase{"AftReadingBeyondRange",
                    Step::kAftDraftMeans,
                    {{kAftPort, "-1e999"}, {kAftMean, "old"}},
                    {},
                    {},
                    Fault::Overflow},
        CommandCase{"ForwardAndAftMean",
                    Step::kForwardAftMean,
                    {{kForwardCorrected, "7.13"}, {kAftCorrected, "8.05"}},
                    {},
                    {{kForwardAftMean, "7.59"}}},
        CommandCase{"MarkerInSourceReadsAsZero",
                    Step::kForwardAftMean,
                    {{kForwardCorrected, "????"}, {kAftCorrected, "8"}},
                    {},
                    {{kForwardAftMean, "4"}}},
        CommandCase{"MidshipMean",
                    Step::kMidshipMean,
                    {{kMidPort, "7.2"}, {kMidStarboard, "7.3"}},
                    {},
                    {{kMidMean, "7.25"}}},
        CommandCase{
            "MidshipTakesNoStem",
            Step::kMidshipMean,
            {{kMidPort, "7.2"}, {kMidStarboard, "7.2"}, {kForwardStem, "1"}, {kAftStem, "1"}},
            {},
            {{kMidMean, "7.2"}}}),
    [](const auto& test_info) { return test_info.param.name; });

const std::vector<std::string> kMeanNotices{kMeanNotice, kDeformationNotice};

INSTANTIATE_TEST_SUITE_P(
    MeanOfMeans, WorksheetCommand,
    testing::Values(
        CommandCase{"BothGiven",
                    Step::kMeanOfMeans,
                    {{kForwardAftMean, "7.2"}, {kMidMean, "7.3"}},
                    kMeanNotices,
                    {{kMeanOfMeans, "7.25"}, {kDeformationCorrected, "7.275"}}},
        CommandCase{"MidshipEmpty",
                    Step::kMeanOfMeans,
                    {{kForwardAftMean, "7.2"}},
                    kMeanNotices,
                    {{kMeanOfMeans, "????"}, {kDeformationCorrected, "1.8"}}},
        CommandCase{"ForeAndAftEmpty",
                    Step::kMeanOfMeans,
                    {{kMidMean, "7.3"}},
                    kMeanNotices,
                    {{kMeanOfMeans, "????"}, {kDeformationCorrected, "5.475"}}},
        CommandCase{"BothEmpty",
                    Step::kMeanOfMeans,
                    {},
                    kMeanNotices,
                    {{kMeanOfMeans, "????"}, {kDeformationCorrected, "0"}}},
        CommandCase{"BlankIsNotEmpty",
                    Step::kMeanOfMeans,
                    {{kForwardAftMean, "7.2"}, {kMidMean, " "}},
                    kMeanNotices,
                    {{kMeanOfMeans, "3.6"}, {kDeformationCorrected, "1.8"}}},
        CommandCase{"NumberReplacesMarker",
                    Step::kMeanOfMeans,
                    {{kForwardAftMean, "7.2"}, {kMidMean, "7.3"}, {kMeanOfMeans, "????"}},
                    kMeanNotices,
                    {{kMeanOfMeans, "7.25"}, {kDeformationCorrected, "7.275"}}},
        CommandCase{"MeanOverflowWritesNeither",
                    Step::kMeanOfMeans,
                    {{kMidMean, "1E400"}, {kMeanOfMeans, "old"}, {kDeformationCorrected, "old"}},
                    kMeanNotices,
                    {},
                    Fault::Overflow},
        CommandCase{
            "DeformationOverflowKeepsMean",
            Step::kMeanOfMeans,
            {{kForwardAftMean, "7e306"}, {kMidMean, "1.7e308"}, {kDeformationCorrected, "old"}},
            kMeanNotices,
            {{kMeanOfMeans, TextFromNumber((7e306 + 1.7e308) / 2)}},
            Fault::Overflow}),
    [](const auto& test_info) { return test_info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Trim, WorksheetCommand,
    testing::Values(
        CommandCase{"AftDeeper",
                    Step::kTrim,
                    {{kForwardCorrected, "5.25"}, {kAftCorrected, "5.75"}},
                    {},
                    {{kTrimForward, "5.25"}, {kTrimAft, "5.75"}, {kTrim, "0.5"}}},
        CommandCase{"ForwardDeeper",
                    Step::kTrim,
                    {{kForwardCorrected, "5.25"}, {kAftCorrected, "4.75"}},
                    {},
                    {{kTrimForward, "5.25"}, {kTrimAft, "4.75"}, {kTrim, "-0.5"}}},
        CommandCase{"CopiesVerbatim",
                    Step::kTrim,
                    {{kForwardCorrected, "5.20 "}, {kAftCorrected, "5.75"}},
                    {},
                    {{kTrimForward, "5.20 "}, {kTrimAft, "5.75"}, {kTrim, "0.55"}}},
        CommandCase{"ForwardEmpty",
                    Step::kTrim,
                    {{kAftCorrected, "6.5"}},
                    {},
                    {{kTrimForward, "A ?"}, {kTrimAft, "6.5"}, {kTrim, "6.5"}}},
        CommandCase{"BothEmpty",
                    Step::kTrim,
                    {},
                    {},
                    {{kTrimForward, "A ?"}, {kTrimAft, "F ?"}, {kTrim, "0"}}},
        CommandCase{"BlankSourceGetsNoMarker",
                    Step::kTrim,
                    {{kForwardCorrected, " "}, {kAftCorrected, "6"}},
                    {},
                    {{kTrimForward, " "}, {kTrimAft, "6"}, {kTrim, "6"}}},
        CommandCase{
            "TypedDraftsReplaced",
            Step::kTrim,
            {{kForwardCorrected, "5"}, {kAftCorrected, "6"}, {kTrimForward, "9"}, {kTrimAft, "9"}},
            {},
            {{kTrimForward, "5"}, {kTrimAft, "6"}, {kTrim, "1"}}},
        CommandCase{"OverflowKeepsCopiesNoMarker",
                    Step::kTrim,
                    {{kAftCorrected, "1E400"}, {kTrimForward, "x"}, {kTrim, "old"}},
                    {},
                    {{kTrimForward, ""}, {kTrimAft, "1E400"}},
                    Fault::Overflow},
        CommandCase{"DeltaMtc",
                    Step::kDeltaMtc,
                    {{kMtcPlus50, "210"}, {kMtcMinus50, "190"}},
                    {kDmNotice},
                    {{kDm, "20"}}},
        CommandCase{"DeltaMtcMinusEmpty",
                    Step::kDeltaMtc,
                    {{kMtcPlus50, "210"}},
                    {kDmNotice},
                    {{kDm, "210"}}},
        CommandCase{"DeltaMtcOverflow",
                    Step::kDeltaMtc,
                    {{kMtcPlus50, "1.7e308"}, {kMtcMinus50, "-1.7e308"}, {kDm, "old"}},
                    {kDmNotice},
                    {},
                    Fault::Overflow}),
    [](const auto& test_info) { return test_info.param.name; });

const Fields kTc1Inputs{{kTrim, "0.5"}, {kLcf, "-2"}, {kTpc, "20"}, {kLbp, "100"}};
const Fields kTc2Inputs{{kTrim, "-0.5"}, {kDm, "4"}, {kLbp, "100"}};

INSTANTIATE_TEST_SUITE_P(
    TrimCorrections, WorksheetCommand,
    testing::Values(
        CommandCase{"FirstCorrection",
                    Step::kTrimCorrection1,
                    kTc1Inputs,
                    {kTc1Notice},
                    {{kTrimCorrection1, "-20"}}},
        CommandCase{"FirstTinyLbpPasses",
                    Step::kTrimCorrection1,
                    With(kTc1Inputs, {{kLbp, "0.01"}}),
                    {kTc1Notice},
                    {{kTrimCorrection1, "-200000"}}},
        CommandCase{"FirstLbpEmpty",
                    Step::kTrimCorrection1,
                    With(kTc1Inputs, {{kLbp, ""}, {kTrimCorrection1, "old"}}),
                    {kTc1Notice, kLbpNotice},
                    {}},
        CommandCase{"FirstLbpZero",
                    Step::kTrimCorrection1,
                    With(kTc1Inputs, {{kLbp, "0"}}),
                    {kTc1Notice, kLbpNotice},
                    {}},
        CommandCase{"FirstLbpMinusZero",
                    Step::kTrimCorrection1,
                    With(kTc1Inputs, {{kLbp, "-0"}}),
                    {kTc1Notice, kLbpNotice},
                    {}},
        CommandCase{"FirstOverflow",
                    Step::kTrimCorrection1,
                    With(kTc1Inputs, {{kLcf, "1e300"}, {kTpc, "1e10"}, {kTrimCorrection1, "old"}}),
                    {kTc1Notice},
                    {},
                    Fault::Overflow},
        CommandCase{"FirstLbpBeyondRange",
                    Step::kTrimCorrection1,
                    With(kTc1Inputs, {{kLbp, "1e400"}}),
                    {kTc1Notice},
                    {},
                    Fault::Overflow},
        CommandCase{"SecondCorrection",
                    Step::kTrimCorrection2,
                    kTc2Inputs,
                    {kTc2Notice},
                    {{kTrimCorrection2, "0.5"}}},
        CommandCase{"SecondIgnoresTrimSign",
                    Step::kTrimCorrection2,
                    With(kTc2Inputs, {{kTrim, "0.5"}}),
                    {kTc2Notice},
                    {{kTrimCorrection2, "0.5"}}},
        CommandCase{"SecondBeforeDeltaMtc",
                    Step::kTrimCorrection2,
                    With(kTc2Inputs, {{kDm, ""}}),
                    {kTc2Notice},
                    {{kTrimCorrection2, "0"}}},
        CommandCase{"SecondLbpEmpty",
                    Step::kTrimCorrection2,
                    With(kTc2Inputs, {{kLbp, ""}, {kTrimCorrection2, "old"}}),
                    {kTc2Notice, kLbpNotice},
                    {}},
        CommandCase{"Total",
                    Step::kTotalTrimCorrection,
                    {{kTrimCorrection1, "-20"}, {kTrimCorrection2, "0.5"}},
                    {},
                    {{kTotalTrimCorrection, "-19.5"}}},
        CommandCase{
            "TotalOfNothing", Step::kTotalTrimCorrection, {}, {}, {{kTotalTrimCorrection, "0"}}},
        CommandCase{"TotalNotCarriedIntoUpperBlock",
                    Step::kTotalTrimCorrection,
                    {{kTrimCorrection1, "1"}, {kTrimCorrection2, "2"}, {kTrimCorrection, "7"}},
                    {},
                    {{kTotalTrimCorrection, "3"}}}),
    [](const auto& test_info) { return test_info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    DisplacementAndCargo, WorksheetCommand,
    testing::Values(
        CommandCase{"TrimCorrection",
                    Step::kDisplacementCorrectedForTrim,
                    {{kDisplacement, "12000"}, {kTrimCorrection, "-35.5"}},
                    {kTrimNotice},
                    {{kCorrectedForTrim, "11964.5"}}},
        CommandCase{"TrimCorrectionEmpty",
                    Step::kDisplacementCorrectedForTrim,
                    {},
                    {kTrimNotice},
                    {{kCorrectedForTrim, "0"}}},
        CommandCase{"TrimCorrectionIgnoresTotal",
                    Step::kDisplacementCorrectedForTrim,
                    {{kDisplacement, "100"}, {kTotalTrimCorrection, "5"}},
                    {kTrimNotice},
                    {{kCorrectedForTrim, "100"}}},
        CommandCase{"Density",
                    Step::kDisplacementCorrectedForDensity,
                    {{kCorrectedForTrim, "10250"}, {kObservedDensity, "1"}},
                    {kDensityNotice},
                    {{kReferenceDensity, "1.025"}, {kDensityCorrected, "10000"}}},
        CommandCase{"DensityAtReference",
                    Step::kDisplacementCorrectedForDensity,
                    {{kCorrectedForTrim, "20500"}, {kObservedDensity, "1.025"}},
                    {kDensityNotice},
                    {{kReferenceDensity, "1.025"}, {kDensityCorrected, "20500"}}},
        CommandCase{
            "TypedReferenceReplaced",
            Step::kDisplacementCorrectedForDensity,
            {{kCorrectedForTrim, "10250"}, {kObservedDensity, "1"}, {kReferenceDensity, "1.000"}},
            {kDensityNotice},
            {{kReferenceDensity, "1.025"}, {kDensityCorrected, "10000"}}},
        CommandCase{"DensityEmpty",
                    Step::kDisplacementCorrectedForDensity,
                    {{kCorrectedForTrim, "10250"}},
                    {kDensityNotice},
                    {{kReferenceDensity, "1.025"}, {kDensityCorrected, "0"}}},
        CommandCase{
            "DensityOverflowKeepsReference",
            Step::kDisplacementCorrectedForDensity,
            {{kCorrectedForTrim, "1e308"}, {kObservedDensity, "10"}, {kDensityCorrected, "old"}},
            {kDensityNotice},
            {{kReferenceDensity, "1.025"}},
            Fault::Overflow},
        CommandCase{"Cargo",
                    Step::kCargo,
                    kCargoInputs,
                    {kCargoNotice},
                    {{kCargoDisplacement, "20000"}, {kCargo, "14250"}}},
        CommandCase{"TypedDisplacementReplaced",
                    Step::kCargo,
                    With(kCargoInputs, {{kCargoDisplacement, "99999"}}),
                    {kCargoNotice},
                    {{kCargoDisplacement, "20000"}, {kCargo, "14250"}}},
        CommandCase{"CargoOfOneKept",
                    Step::kCargo,
                    {{kDensityCorrected, "1"}},
                    {kCargoNotice},
                    {{kCargoDisplacement, "1"}, {kCargo, "1"}}},
        CommandCase{"CargoBelowOneWrong",
                    Step::kCargo,
                    {{kDensityCorrected, "0.5"}},
                    {kCargoNotice},
                    {{kCargoDisplacement, "0.5"}, {kCargo, "Wrong ?"}}},
        CommandCase{"CargoZeroWrong",
                    Step::kCargo,
                    {{kDensityCorrected, "300"}, {kFuelOil, "300"}},
                    {kCargoNotice},
                    {{kCargoDisplacement, "300"}, {kCargo, "Wrong ?"}}},
        CommandCase{"CargoNegativeWrong",
                    Step::kCargo,
                    {{kDensityCorrected, "300"}, {kLightShip, "500"}},
                    {kCargoNotice},
                    {{kCargoDisplacement, "300"}, {kCargo, "Wrong ?"}}},
        CommandCase{"DensityMissing",
                    Step::kCargo,
                    With(kCargoInputs, {{kDensityCorrected, ""}}),
                    {kCargoNotice},
                    {{kCargoDisplacement, "0"}, {kCargo, "Density ?"}}},
        CommandCase{"DensityBlank",
                    Step::kCargo,
                    With(kCargoInputs, {{kDensityCorrected, " "}}),
                    {kCargoNotice},
                    {{kCargoDisplacement, "0"}, {kCargo, "Wrong ?"}}},
        CommandCase{
            "DisplacementBeyondRange",
            Step::kCargo,
            With(kCargoInputs,
                 {{kDensityCorrected, "1E400"}, {kCargoDisplacement, "old"}, {kCargo, "old"}}),
            {kCargoNotice},
            {},
            Fault::Overflow},
        CommandCase{
            "DeductiblesOverflowKeepCopy",
            Step::kCargo,
            With(kCargoInputs, {{kLightShip, "1.7e308"}, {kFuelOil, "1.7e308"}, {kCargo, "old"}}),
            {kCargoNotice},
            {{kCargoDisplacement, "20000"}},
            Fault::Overflow}),
    [](const auto& test_info) { return test_info.param.name; });

TEST(WorksheetFields, StartEmpty) {
  RecordingHost host;
  const Worksheet sheet(host);
  for (int n = 1; n <= Worksheet::kFieldCount; ++n) EXPECT_TRUE(sheet.Text(n).empty()) << n;
}

TEST(WorksheetFields, TypingTellsNoHost) {
  RecordingHost host;
  Worksheet sheet(host);
  sheet.SetText(kAftStarboard, "8.03 m");
  EXPECT_EQ(sheet.Text(kAftStarboard), "8.03 m");
  EXPECT_TRUE(host.events.empty());
}

TEST(WorksheetClear, EmptiesAllFieldsInAscendingOrder) {
  RecordingHost host;
  Worksheet sheet(host);
  host.sheet = &sheet;
  for (int n = 1; n <= Worksheet::kFieldCount; ++n) sheet.SetText(n, n == kCargo ? "Wrong ?" : "9");

  sheet.Run(Step::kClear);

  ASSERT_EQ(host.events.size(), static_cast<std::size_t>(Worksheet::kFieldCount));
  for (int n = 1; n <= Worksheet::kFieldCount; ++n) {
    EXPECT_EQ(sheet.Text(n), "") << n;
    EXPECT_EQ(host.events[static_cast<std::size_t>(n - 1)].field, n);
  }
}

}  // namespace
}  // namespace calc
