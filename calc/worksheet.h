#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/checked.h"
#include "calc/fault.h"
#include "calc/host.h"

namespace calc {

// The texts that commands write in place of a number. They read as 0.
namespace marker {
inline constexpr std::string_view kMeanOfMeans = "????";   // Text15: a mean is missing
inline constexpr std::string_view kForward = "A ?";        // Text23: Text5 is empty
inline constexpr std::string_view kAft = "F ?";            // Text24: Text9 is empty
inline constexpr std::string_view kDensity = "Density ?";  // Text40: Text22 is empty
inline constexpr std::string_view kWrong = "Wrong ?";      // Text40: cargo below 1
}  // namespace marker

// One draft survey: 44 free-text fields and the fourteen commands that
// work on them. Each command reads its input fields as numbers, computes in
// double precision and writes its results back as text; the fields are the
// only state. An arithmetic fault ends a command where it is found: fields
// written before keep their new text, later ones their old text.
class Worksheet {
 public:
  static constexpr int kFieldCount = 44;

  explicit Worksheet(Host& host);

  // The text of field Text<n>, n from 1 to 44.
  [[nodiscard]] const std::string& Text(int n) const;
  // Replaces the text of Text<n> as the user types it; no host call.
  void SetText(int n, std::string text);

  void Command1();   // forward draft: Text3, Text5
  void Command2();   // aft draft: Text8, Text9
  void Command3();   // mean of forward and aft: Text10
  void Command4();   // midship draft: Text14
  void Command5();   // mean of means, deformation: Text15, Text16
  void Command6();   // displacement corrected for trim: Text19
  void Command7();   // density correction: Text21, Text22
  void Command8();   // trim: Text23, Text24, Text25
  void Command9();   // D.M.: Text32
  void Command10();  // cargo: Text33, Text40
  void Command11();  // total trim correction: Text43
  void Command12();  // first trim correction: Text42
  void Command13();  // second trim correction: Text41
  void Command14();  // clear all 44 fields

 private:
  using Body = void (Worksheet::*)();

  // Runs one command body and reports an arithmetic fault that ends it.
  void Run(Body body);

  void ForwardDraft();
  void AftDraft();
  void MeanOfForwardAndAft();
  void MidshipDraft();
  void MeanOfMeans();
  void TrimCorrection();
  void DensityCorrection();
  void Trim();
  void DeltaMtc();
  void Cargo();
  void TotalTrimCorrection();
  void TrimCorrection1();
  void TrimCorrection2();
  void Clear();

  // The means of a block of two readings and a stem correction.
  void DraftMeans(int port, int starboard, int stem, int mean_out, int corrected_out);
  // The formula notice and the L.B.P. test shared by both trim corrections.
  [[nodiscard]] bool LbpGiven();

  [[nodiscard]] Checked Number(int n) const;
  [[nodiscard]] bool IsEmpty(int n) const;
  // The value of a finished step; ends the command if it faulted.
  static Checked Require(Checked value);
  void WriteNumber(int n, Checked value);
  void Write(int n, std::string_view text);
  [[nodiscard]] std::string& Field(int n);

  Host& host_;
  std::array<std::string, kFieldCount> fields_;
};

}  // namespace calc
