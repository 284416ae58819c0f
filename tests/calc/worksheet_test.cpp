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

using Command = void (Worksheet::*)();
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
  Command command;
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

  (sheet_.*c.command)();

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

  (sheet_.*c.command)();

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

const Fields kCargoInputs{{22, "20000"}, {44, "5000"}, {34, "300"}, {35, "50"},
                          {36, "10"},    {37, "200"},  {38, "40"},  {39, "150"}};

Fields With(Fields fields, const Fields& changes) {
  for (const auto& [n, text] : changes) fields[n] = text;
  return fields;
}

// Forward and aft draft means.
INSTANTIATE_TEST_SUITE_P(
    DraftMeans, WorksheetCommand,
    testing::Values(
        CommandCase{"ForwardMeanLessStem",
                    &Worksheet::Command1,
                    {{1, "7.15"}, {2, "7.11"}, {4, "0.02"}},
                    {},
                    {{3, "7.13"}, {5, "7.11"}}},
        CommandCase{"NegativeStemRaises",
                    &Worksheet::Command1,
                    {{1, "7.15"}, {2, "7.11"}, {4, "-0.03"}},
                    {},
                    {{3, "7.13"}, {5, "7.16"}}},
        CommandCase{"NoStemCorrection",
                    &Worksheet::Command1,
                    {{1, "7.15"}, {2, "7.11"}},
                    {},
                    {{3, "7.13"}, {5, "7.13"}}},
        CommandCase{"AllForwardEmpty", &Worksheet::Command1, {}, {}, {{3, "0"}, {5, "0"}}},
        CommandCase{"OneSideEmptyCountsAsZero",
                    &Worksheet::Command1,
                    {{1, "7.2"}},
                    {},
                    {{3, "3.6"}, {5, "3.6"}}},
        CommandCase{"ForwardMeanOverflowWritesNothing",
                    &Worksheet::Command1,
                    {{1, "1.7e308"}, {2, "1.7e308"}, {3, "old"}, {5, "old"}},
                    {},
                    {},
                    Fault::Overflow},
        CommandCase{"ForwardStemOverflowKeepsMean",
                    &Worksheet::Command1,
                    {{1, "1.7e308"}, {4, "-1.7e308"}, {5, "old"}},
                    {},
                    {{3, "8.5E+307"}},
                    Fault::Overflow},
        CommandCase{"ForwardStemBeyondRangeKeepsMean",
                    &Worksheet::Command1,
                    {{1, "7"}, {2, "8"}, {4, "1E400"}, {5, "old"}},
                    {},
                    {{3, "7.5"}},
                    Fault::Overflow},
        CommandCase{"AftMeanLessStem",
                    &Worksheet::Command2,
                    {{6, "8.07"}, {7, "8.03"}, {11, "0.02"}},
                    {},
                    {{8, "8.05"}, {9, "8.03"}}},
        CommandCase{"AftIgnoresForwardStem",
                    &Worksheet::Command2,
                    {{6, "8"}, {7, "8"}, {4, "5"}},
                    {},
                    {{8, "8"}, {9, "8"}}},
        CommandCase{"AftReadingBeyondRange",
                    &Worksheet::Command2,
                    {{6, "-1e999"}, {8, "old"}},
                    {},
                    {},
                    Fault::Overflow},
        CommandCase{"ForwardAndAftMean",
                    &Worksheet::Command3,
                    {{5, "7.13"}, {9, "8.05"}},
                    {},
                    {{10, "7.59"}}},
        CommandCase{"MarkerInSourceReadsAsZero",
                    &Worksheet::Command3,
                    {{5, "????"}, {9, "8"}},
                    {},
                    {{10, "4"}}},
        CommandCase{
            "MidshipMean", &Worksheet::Command4, {{12, "7.2"}, {13, "7.3"}}, {}, {{14, "7.25"}}},
        CommandCase{"MidshipTakesNoStem",
                    &Worksheet::Command4,
                    {{12, "7.2"}, {13, "7.2"}, {4, "1"}, {11, "1"}},
                    {},
                    {{14, "7.2"}}}),
    [](const auto& test_info) { return test_info.param.name; });

const std::vector<std::string> kMeanNotices{kMeanNotice, kDeformationNotice};

INSTANTIATE_TEST_SUITE_P(
    MeanOfMeans, WorksheetCommand,
    testing::Values(
        CommandCase{"BothGiven",
                    &Worksheet::Command5,
                    {{10, "7.2"}, {14, "7.3"}},
                    kMeanNotices,
                    {{15, "7.25"}, {16, "7.275"}}},
        CommandCase{"MidshipEmpty",
                    &Worksheet::Command5,
                    {{10, "7.2"}},
                    kMeanNotices,
                    {{15, "????"}, {16, "1.8"}}},
        CommandCase{"ForeAndAftEmpty",
                    &Worksheet::Command5,
                    {{14, "7.3"}},
                    kMeanNotices,
                    {{15, "????"}, {16, "5.475"}}},
        CommandCase{"BothEmpty", &Worksheet::Command5, {}, kMeanNotices, {{15, "????"}, {16, "0"}}},
        CommandCase{"BlankIsNotEmpty",
                    &Worksheet::Command5,
                    {{10, "7.2"}, {14, " "}},
                    kMeanNotices,
                    {{15, "3.6"}, {16, "1.8"}}},
        CommandCase{"NumberReplacesMarker",
                    &Worksheet::Command5,
                    {{10, "7.2"}, {14, "7.3"}, {15, "????"}},
                    kMeanNotices,
                    {{15, "7.25"}, {16, "7.275"}}},
        CommandCase{"MeanOverflowWritesNeither",
                    &Worksheet::Command5,
                    {{14, "1E400"}, {15, "old"}, {16, "old"}},
                    kMeanNotices,
                    {},
                    Fault::Overflow},
        CommandCase{"DeformationOverflowKeepsMean",
                    &Worksheet::Command5,
                    {{10, "7e306"}, {14, "1.7e308"}, {16, "old"}},
                    kMeanNotices,
                    {{15, TextFromNumber((7e306 + 1.7e308) / 2)}},
                    Fault::Overflow}),
    [](const auto& test_info) { return test_info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Trim, WorksheetCommand,
    testing::Values(
        CommandCase{"AftDeeper",
                    &Worksheet::Command8,
                    {{5, "5.25"}, {9, "5.75"}},
                    {},
                    {{23, "5.25"}, {24, "5.75"}, {25, "0.5"}}},
        CommandCase{"ForwardDeeper",
                    &Worksheet::Command8,
                    {{5, "5.25"}, {9, "4.75"}},
                    {},
                    {{23, "5.25"}, {24, "4.75"}, {25, "-0.5"}}},
        CommandCase{"CopiesVerbatim",
                    &Worksheet::Command8,
                    {{5, "5.20 "}, {9, "5.75"}},
                    {},
                    {{23, "5.20 "}, {24, "5.75"}, {25, "0.55"}}},
        CommandCase{"ForwardEmpty",
                    &Worksheet::Command8,
                    {{9, "6.5"}},
                    {},
                    {{23, "A ?"}, {24, "6.5"}, {25, "6.5"}}},
        CommandCase{
            "BothEmpty", &Worksheet::Command8, {}, {}, {{23, "A ?"}, {24, "F ?"}, {25, "0"}}},
        CommandCase{"BlankSourceGetsNoMarker",
                    &Worksheet::Command8,
                    {{5, " "}, {9, "6"}},
                    {},
                    {{23, " "}, {24, "6"}, {25, "6"}}},
        CommandCase{"TypedDraftsReplaced",
                    &Worksheet::Command8,
                    {{5, "5"}, {9, "6"}, {23, "9"}, {24, "9"}},
                    {},
                    {{23, "5"}, {24, "6"}, {25, "1"}}},
        CommandCase{"OverflowKeepsCopiesNoMarker",
                    &Worksheet::Command8,
                    {{9, "1E400"}, {23, "x"}, {25, "old"}},
                    {},
                    {{23, ""}, {24, "1E400"}},
                    Fault::Overflow},
        CommandCase{"DeltaMtc",
                    &Worksheet::Command9,
                    {{30, "210"}, {31, "190"}},
                    {kDmNotice},
                    {{32, "20"}}},
        CommandCase{
            "DeltaMtcMinusEmpty", &Worksheet::Command9, {{30, "210"}}, {kDmNotice}, {{32, "210"}}},
        CommandCase{"DeltaMtcOverflow",
                    &Worksheet::Command9,
                    {{30, "1.7e308"}, {31, "-1.7e308"}, {32, "old"}},
                    {kDmNotice},
                    {},
                    Fault::Overflow}),
    [](const auto& test_info) { return test_info.param.name; });

const Fields kTc1Inputs{{25, "0.5"}, {29, "-2"}, {27, "20"}, {28, "100"}};
const Fields kTc2Inputs{{25, "-0.5"}, {32, "4"}, {28, "100"}};

INSTANTIATE_TEST_SUITE_P(
    TrimCorrections, WorksheetCommand,
    testing::Values(
        CommandCase{
            "FirstCorrection", &Worksheet::Command12, kTc1Inputs, {kTc1Notice}, {{42, "-20"}}},
        CommandCase{"FirstTinyLbpPasses",
                    &Worksheet::Command12,
                    With(kTc1Inputs, {{28, "0.01"}}),
                    {kTc1Notice},
                    {{42, "-200000"}}},
        CommandCase{"FirstLbpEmpty",
                    &Worksheet::Command12,
                    With(kTc1Inputs, {{28, ""}, {42, "old"}}),
                    {kTc1Notice, kLbpNotice},
                    {}},
        CommandCase{"FirstLbpZero",
                    &Worksheet::Command12,
                    With(kTc1Inputs, {{28, "0"}}),
                    {kTc1Notice, kLbpNotice},
                    {}},
        CommandCase{"FirstLbpZeroDecimals",
                    &Worksheet::Command12,
                    With(kTc1Inputs, {{28, "0.00"}}),
                    {kTc1Notice, kLbpNotice},
                    {}},
        CommandCase{"FirstLbpMinusZero",
                    &Worksheet::Command12,
                    With(kTc1Inputs, {{28, "-0"}}),
                    {kTc1Notice, kLbpNotice},
                    {}},
        CommandCase{"FirstLbpWord",
                    &Worksheet::Command12,
                    With(kTc1Inputs, {{28, "long"}}),
                    {kTc1Notice, kLbpNotice},
                    {}},
        CommandCase{"FirstOverflow",
                    &Worksheet::Command12,
                    With(kTc1Inputs, {{29, "1e300"}, {27, "1e10"}, {42, "old"}}),
                    {kTc1Notice},
                    {},
                    Fault::Overflow},
        CommandCase{"FirstLbpBeyondRange",
                    &Worksheet::Command12,
                    With(kTc1Inputs, {{28, "1e400"}}),
                    {kTc1Notice},
                    {},
                    Fault::Overflow},
        CommandCase{
            "SecondCorrection", &Worksheet::Command13, kTc2Inputs, {kTc2Notice}, {{41, "0.5"}}},
        CommandCase{"SecondIgnoresTrimSign",
                    &Worksheet::Command13,
                    With(kTc2Inputs, {{25, "0.5"}}),
                    {kTc2Notice},
                    {{41, "0.5"}}},
        CommandCase{"SecondBeforeDeltaMtc",
                    &Worksheet::Command13,
                    With(kTc2Inputs, {{32, ""}}),
                    {kTc2Notice},
                    {{41, "0"}}},
        CommandCase{"SecondLbpEmpty",
                    &Worksheet::Command13,
                    With(kTc2Inputs, {{28, ""}, {41, "old"}}),
                    {kTc2Notice, kLbpNotice},
                    {}},
        CommandCase{"SecondLbpMarker",
                    &Worksheet::Command13,
                    With(kTc2Inputs, {{28, "A ?"}}),
                    {kTc2Notice, kLbpNotice},
                    {}},
        CommandCase{
            "Total", &Worksheet::Command11, {{42, "-20"}, {41, "0.5"}}, {}, {{43, "-19.5"}}},
        CommandCase{"TotalOfNothing", &Worksheet::Command11, {}, {}, {{43, "0"}}},
        CommandCase{"TotalNotCarriedIntoUpperBlock",
                    &Worksheet::Command11,
                    {{42, "1"}, {41, "2"}, {18, "7"}},
                    {},
                    {{43, "3"}}}),
    [](const auto& test_info) { return test_info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    DisplacementAndCargo, WorksheetCommand,
    testing::Values(
        CommandCase{"TrimCorrection",
                    &Worksheet::Command6,
                    {{17, "12000"}, {18, "-35.5"}},
                    {kTrimNotice},
                    {{19, "11964.5"}}},
        CommandCase{"TrimCorrectionEmpty", &Worksheet::Command6, {}, {kTrimNotice}, {{19, "0"}}},
        CommandCase{"TrimCorrectionIgnoresTotal",
                    &Worksheet::Command6,
                    {{17, "100"}, {43, "5"}},
                    {kTrimNotice},
                    {{19, "100"}}},
        CommandCase{"Density",
                    &Worksheet::Command7,
                    {{19, "10250"}, {20, "1"}},
                    {kDensityNotice},
                    {{21, "1.025"}, {22, "10000"}}},
        CommandCase{"DensityAtReference",
                    &Worksheet::Command7,
                    {{19, "20500"}, {20, "1.025"}},
                    {kDensityNotice},
                    {{21, "1.025"}, {22, "20500"}}},
        CommandCase{"TypedReferenceReplaced",
                    &Worksheet::Command7,
                    {{19, "10250"}, {20, "1"}, {21, "1.000"}},
                    {kDensityNotice},
                    {{21, "1.025"}, {22, "10000"}}},
        CommandCase{"DensityEmpty",
                    &Worksheet::Command7,
                    {{19, "10250"}},
                    {kDensityNotice},
                    {{21, "1.025"}, {22, "0"}}},
        CommandCase{"DensityOverflowKeepsReference",
                    &Worksheet::Command7,
                    {{19, "1e308"}, {20, "10"}, {22, "old"}},
                    {kDensityNotice},
                    {{21, "1.025"}},
                    Fault::Overflow},
        CommandCase{"Cargo",
                    &Worksheet::Command10,
                    kCargoInputs,
                    {kCargoNotice},
                    {{33, "20000"}, {40, "14250"}}},
        CommandCase{"TypedDisplacementReplaced",
                    &Worksheet::Command10,
                    With(kCargoInputs, {{33, "99999"}}),
                    {kCargoNotice},
                    {{33, "20000"}, {40, "14250"}}},
        CommandCase{"CargoOfOneKept",
                    &Worksheet::Command10,
                    {{22, "1"}},
                    {kCargoNotice},
                    {{33, "1"}, {40, "1"}}},
        CommandCase{"CargoBelowOneWrong",
                    &Worksheet::Command10,
                    {{22, "0.5"}},
                    {kCargoNotice},
                    {{33, "0.5"}, {40, "Wrong ?"}}},
        CommandCase{"CargoZeroWrong",
                    &Worksheet::Command10,
                    {{22, "300"}, {34, "300"}},
                    {kCargoNotice},
                    {{33, "300"}, {40, "Wrong ?"}}},
        CommandCase{"CargoNegativeWrong",
                    &Worksheet::Command10,
                    {{22, "300"}, {44, "500"}},
                    {kCargoNotice},
                    {{33, "300"}, {40, "Wrong ?"}}},
        CommandCase{"DensityMissing",
                    &Worksheet::Command10,
                    With(kCargoInputs, {{22, ""}}),
                    {kCargoNotice},
                    {{33, "0"}, {40, "Density ?"}}},
        CommandCase{"DensityBlank",
                    &Worksheet::Command10,
                    With(kCargoInputs, {{22, " "}}),
                    {kCargoNotice},
                    {{33, "0"}, {40, "Wrong ?"}}},
        CommandCase{"DisplacementBeyondRange",
                    &Worksheet::Command10,
                    With(kCargoInputs, {{22, "1E400"}, {33, "old"}, {40, "old"}}),
                    {kCargoNotice},
                    {},
                    Fault::Overflow},
        CommandCase{"DeductiblesOverflowKeepCopy",
                    &Worksheet::Command10,
                    With(kCargoInputs, {{44, "1.7e308"}, {34, "1.7e308"}, {40, "old"}}),
                    {kCargoNotice},
                    {{33, "20000"}},
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
  sheet.SetText(7, "8.03 m");
  EXPECT_EQ(sheet.Text(7), "8.03 m");
  EXPECT_TRUE(host.events.empty());
}

TEST(WorksheetClear, EmptiesAllFieldsInAscendingOrder) {
  RecordingHost host;
  Worksheet sheet(host);
  host.sheet = &sheet;
  for (int n = 1; n <= Worksheet::kFieldCount; ++n) sheet.SetText(n, n == 40 ? "Wrong ?" : "9");

  sheet.Command14();

  ASSERT_EQ(host.events.size(), static_cast<std::size_t>(Worksheet::kFieldCount));
  for (int n = 1; n <= Worksheet::kFieldCount; ++n) {
    EXPECT_EQ(sheet.Text(n), "") << n;
    EXPECT_EQ(host.events[static_cast<std::size_t>(n - 1)].field, n);
  }
}

TEST(WorksheetClear, ChangesNothingOnEmptySheet) {
  RecordingHost host;
  Worksheet sheet(host);
  host.sheet = &sheet;
  sheet.Command14();
  for (int n = 1; n <= Worksheet::kFieldCount; ++n) EXPECT_EQ(sheet.Text(n), "") << n;
  EXPECT_TRUE(host.Notices().empty());
}

TEST(WorksheetSurvey, WholeSurveyFromReadingsToCargo) {
  RecordingHost host;
  Worksheet sheet(host);
  host.sheet = &sheet;
  const Fields typed{{1, "7.3"},   {2, "7.2"},    {6, "8.3"},    {7, "8.2"},   {12, "7.6"},
                     {13, "7.62"}, {27, "25"},    {28, "150"},   {29, "-1.2"}, {30, "310"},
                     {31, "290"},  {17, "21650"}, {20, "1.019"}, {44, "5200"}, {34, "310"},
                     {35, "45.5"}, {36, "8"},     {37, "180"},   {38, "12"},   {39, "95"}};
  for (const auto& [n, text] : typed) sheet.SetText(n, text);

  for (const Command command :
       {&Worksheet::Command1, &Worksheet::Command2, &Worksheet::Command3, &Worksheet::Command4,
        &Worksheet::Command5, &Worksheet::Command8, &Worksheet::Command9, &Worksheet::Command12,
        &Worksheet::Command13, &Worksheet::Command11}) {
    (sheet.*command)();
  }
  sheet.SetText(18, sheet.Text(43));  // the surveyor carries the total up by hand
  sheet.Command6();
  sheet.Command7();
  sheet.Command10();

  // Expected texts worked out independently, each step rounded to 15 digits.
  const Fields expected{{3, "7.25"},
                        {5, "7.25"},
                        {8, "8.25"},
                        {9, "8.25"},
                        {10, "7.75"},
                        {14, "7.61"},
                        {15, "7.68"},
                        {16, "7.645"},
                        {23, "7.25"},
                        {24, "8.25"},
                        {25, "1"},
                        {32, "20"},
                        {42, "-20"},
                        {41, "6.66666666666667"},
                        {43, "-13.3333333333333"},
                        {19, "21636.6666666667"},
                        {21, "1.025"},
                        {22, "21510.0130081301"},
                        {33, "21510.0130081301"},
                        {40, "15659.5130081301"}};
  for (const auto& [n, text] : expected) EXPECT_EQ(sheet.Text(n), text) << "Text" << n;
  EXPECT_TRUE(host.faults.empty());
}

}  // namespace
}  // namespace calc
