// Number conversions beside the standard calls they wrap, and a whole survey.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "calc/number_text.h"
#include "calc/worksheet.h"
#include "tests/support/worked_example.h"

namespace {

// Survey-like magnitudes: drafts, densities, displacements, small corrections.
std::vector<double> SampleNumbers() {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> draft(2.0, 20.0);
  std::uniform_real_distribution<double> tonnes(1000.0, 90000.0);
  std::uniform_real_distribution<double> small(-0.5, 0.5);
  std::vector<double> numbers;
  for (int i = 0; i < 1000; ++i) {
    numbers.push_back(draft(random));
    numbers.push_back(tonnes(random));
    numbers.push_back(small(random) * 1e-4);
  }
  return numbers;
}

std::vector<std::string> SampleTexts() {
  std::vector<std::string> texts;
  for (const double x : SampleNumbers()) texts.push_back(calc::TextFromNumber(x));
  return texts;
}

void BM_NumberFromText(benchmark::State& state) {
  const std::vector<std::string> texts = SampleTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) benchmark::DoNotOptimize(calc::NumberFromText(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(BM_NumberFromText);

void BM_StdFromChars(benchmark::State& state) {
  const std::vector<std::string> texts = SampleTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      double value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(BM_StdFromChars);

void BM_TextFromNumber(benchmark::State& state) {
  const std::vector<double> numbers = SampleNumbers();
  for (auto _ : state) {
    for (const double x : numbers) benchmark::DoNotOptimize(calc::TextFromNumber(x));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}
BENCHMARK(BM_TextFromNumber);

// The standard call TextFromNumber wraps; returns the end of the text.
char* ToChars(std::array<char, 32>& buffer, double x) {
  return std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::general,
                       15)
      .ptr;
}

void BM_StdToChars(benchmark::State& state) {
  const std::vector<double> numbers = SampleNumbers();
  std::array<char, 32> buffer{};
  for (auto _ : state) {
    for (const double x : numbers) {
      benchmark::DoNotOptimize(ToChars(buffer, x));
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}
BENCHMARK(BM_StdToChars);

// The same call with its text kept in a std::string, as TextFromNumber must
// return it: shows how much of the difference is the string's allocation.
void BM_StdToCharsIntoString(benchmark::State& state) {
  const std::vector<double> numbers = SampleNumbers();
  std::array<char, 32> buffer{};
  for (auto _ : state) {
    for (const double x : numbers) {
      std::string text(buffer.data(), ToChars(buffer, x));
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}
BENCHMARK(BM_StdToCharsIntoString);

// Reading time grows with the length of the text, not faster.
void BM_NumberFromLongText(benchmark::State& state) {
  std::string text;
  for (std::int64_t i = 0; i < state.range(0); ++i) text += i % 3 == 0 ? ' ' : '7';
  for (auto _ : state) benchmark::DoNotOptimize(calc::NumberFromText(text));
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NumberFromLongText)->RangeMultiplier(16)->Range(1 << 10, 1 << 20)->Complexity();

class QuietHost : public calc::Host {
 public:
  void ShowNotice(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  void ReportFault(calc::Fault) override {}
};

// Works the user's guide's survey, typing and pressing as it does, then Clear.
void BM_WholeSurvey(benchmark::State& state) {
  std::ifstream guide(DRAFTSURVEY_GUIDE);
  const std::vector<testing_support::ExampleStep> survey =
      testing_support::ReadWorkedExample(guide);
  QuietHost host;
  calc::Worksheet sheet(host);
  for (auto _ : state) {
    for (const testing_support::ExampleStep& step : survey) {
      for (const auto& [n, figure] : step.typed) sheet.SetText(n, figure);
      sheet.Run(step.step);
    }
    benchmark::DoNotOptimize(sheet.Text(calc::kCargo).data());
    sheet.Run(calc::Step::kClear);
  }
}
BENCHMARK(BM_WholeSurvey);

}  // namespace
