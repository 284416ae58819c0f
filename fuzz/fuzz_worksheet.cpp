// Feeds arbitrary bytes to the number reader and, split at 0x1f bytes, into
// the worksheet's fields, then runs every step. Besides the sanitizers,
// it checks the promises that other code relies on.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/number_characters.h"
#include "calc/number_text.h"
#include "calc/worksheet.h"
#include "tests/support/icu_utf8.h"

namespace {

class SilentHost : public calc::Host {
 public:
  void ShowNotice(const std::string&) override {}
  void ReportFault(calc::Fault) override {}
};

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckReading(std::string_view text) {
  const double value = calc::NumberFromText(text);
  Require(!std::isnan(value));
  // A leading blank changes no reading, but sends every text down the full
  // scan: the fast way for plain texts must read what the scan reads.
  const double scanned = calc::NumberFromText(" " + std::string(text));
  Require(std::bit_cast<std::uint64_t>(scanned) == std::bit_cast<std::uint64_t>(value));
  if (std::isinf(value)) return;
  const std::string written = calc::TextFromNumber(value);
  const double back = calc::NumberFromText(written);
  Require(std::isfinite(back));
  Require(calc::TextFromNumber(back) == written);
}

// The reader's decoder reads each character of the input as ICU does.
void CheckDecoding(std::string_view text) {
  while (!text.empty()) {
    const calc::Utf8Character read = calc::FirstCharacter(text);
    Require(testing_support::SameCharacter(read, testing_support::IcuFirstCharacter(text)));
    text.remove_prefix(read.length);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CheckReading(input);
  CheckDecoding(input);

  SilentHost host;
  calc::Worksheet sheet(host);
  std::size_t start = 0;
  for (int n = 1; n <= calc::Worksheet::kFieldCount && start <= input.size(); ++n) {
    const std::size_t end = std::min(input.find('\x1f', start), input.size());
    sheet.SetText(n, std::string(input.substr(start, end - start)));
    start = end + 1;
  }
  constexpr int kClear = static_cast<int>(calc::Step::kClear);
  for (int step = 1; step < kClear; ++step) sheet.Run(static_cast<calc::Step>(step));
  for (int n = 1; n <= calc::Worksheet::kFieldCount; ++n) CheckReading(sheet.Text(n));
  sheet.Run(calc::Step::kClear);
  for (int n = 1; n <= calc::Worksheet::kFieldCount; ++n) Require(sheet.Text(n).empty());
  return 0;
}
