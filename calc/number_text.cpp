#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace calc {
namespace {

constexpr int kSignificantDigits = 15;

// Characters beyond ASCII that show as a blank or as nothing: Unicode's
// space separators (no-break, thin, figure, narrow no-break, ideographic
// and the rest of category Zs), the zero-width space and joiners, the word
// joiner and the byte-order mark. Figures pasted from PDF reports and web
// pages carry them; each must read as the blank it looks like.
constexpr std::array<std::string_view, 21> kWideBlanks{
    "\u00a0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004",
    "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200a", "\u202f",
    "\u205f", "\u3000", "\u200b", "\u200c", "\u200d", "\u2060", "\ufeff"};

constexpr bool IsAsciiBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
constexpr bool IsAscii(char c) {
  return static_cast<unsigned char>(c) < 0x80;
}

// The length in bytes of the blank that `text` starts with, or 0. Text is
// UTF-8; a byte that starts no blank is an ordinary character, valid UTF-8
// or not.
constexpr std::size_t BlankLength(std::string_view text) {
  if (text.empty()) return 0;
  if (IsAsciiBlank(text.front())) return 1;
  if (IsAscii(text.front())) return 0;
  for (const std::string_view blank : kWideBlanks) {
    if (text.starts_with(blank)) return blank.size();
  }
  return 0;
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsSign(char c) {
  return c == '+' || c == '-';
}

// Walks a text as if its blanks had been removed first.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  // The next character that is not a blank, or '\0' at the end (a real
  // '\0' in the text ends a number just the same).
  char Peek() {
    while (const std::size_t blank = BlankLength(text_.substr(pos_))) pos_ += blank;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Take() { consumed_ = ++pos_; }
  // Where the next character that is not a blank stands.
  [[nodiscard]] std::size_t position() {
    Peek();
    return pos_;
  }
  // Just past the last character taken, before any blanks that follow it.
  [[nodiscard]] std::size_t consumed() const { return consumed_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t consumed_ = 0;
};

struct Scan {
  bool negative = false;
  bool has_digit = false;
  std::string_view number;  // unsigned mantissa and exponent, blanks still in it
};

Scan ScanNumber(std::string_view text) {
  Cursor cursor(text);
  Scan scan;
  if (IsSign(cursor.Peek())) {
    scan.negative = cursor.Peek() == '-';
    cursor.Take();
  }
  const std::size_t begin = cursor.position();
  const auto take_digits = [&] {
    for (; IsDigit(cursor.Peek()); cursor.Take()) scan.has_digit = true;
  };
  take_digits();
  if (cursor.Peek() == '.') {
    cursor.Take();
    take_digits();
  }
  std::size_t end = cursor.consumed();
  if (scan.has_digit && (cursor.Peek() == 'E' || cursor.Peek() == 'e')) {
    cursor.Take();
    if (IsSign(cursor.Peek())) cursor.Take();
    if (IsDigit(cursor.Peek())) {
      while (IsDigit(cursor.Peek())) cursor.Take();
      end = cursor.consumed();
    }
  }
  if (scan.has_digit) scan.number = text.substr(begin, end - begin);
  return scan;
}

// Decimal exponent of a compact number, near enough to tell whether a
// number out of range is too large or too small. Saturates, never wraps.
long long DecimalMagnitude(std::string_view number) {
  std::size_t i = 0;
  while (i < number.size() && number[i] == '0') ++i;
  long long magnitude = 0;
  for (; i < number.size() && IsDigit(number[i]); ++i) ++magnitude;
  if (i < number.size() && number[i] == '.') {
    ++i;
    if (magnitude == 0) {
      for (; i < number.size() && number[i] == '0'; ++i) --magnitude;
    }
    while (i < number.size() && IsDigit(number[i])) ++i;
  }
  if (i < number.size()) {  // the exponent
    ++i;
    const bool negative = number[i] == '-';
    if (IsSign(number[i])) ++i;
    constexpr long long kLimit = 1'000'000'000'000;
    long long exponent = 0;
    for (; i < number.size(); ++i) exponent = std::min(kLimit, exponent * 10 + (number[i] - '0'));
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

double ConvertCompact(std::string_view number) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::general);
  assert(end == number.data() + number.size());
  static_cast<void>(end);
  if (error == std::errc::result_out_of_range) {
    value = DecimalMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

double Convert(std::string_view number) {
  // A scanned number holds no byte beyond ASCII but those of wide blanks.
  const auto blank_byte = [](char c) { return IsAsciiBlank(c) || !IsAscii(c); };
  if (std::none_of(number.begin(), number.end(), blank_byte)) return ConvertCompact(number);
  std::string compact;
  for (std::size_t i = 0; i < number.size();) {
    if (const std::size_t blank = BlankLength(number.substr(i))) {
      i += blank;
    } else {
      compact += number[i++];
    }
  }
  return ConvertCompact(compact);
}

// Most field texts hold a number without blanks inside it. Then the
// standard parser, which accepts exactly the mantissa and exponent above,
// reads it in one call. It must stop where the full scan would stop too:
// not on a blank, which the full scan skips, and not on an exponent letter,
// whose digits might follow after blanks.
std::optional<double> ReadWithoutBlanks(std::string_view text) {
  std::size_t start = 0;
  if (!text.empty() && IsSign(text[0])) start = 1;
  if (start == text.size() || !(IsDigit(text[start]) || text[start] == '.')) return std::nullopt;
  const std::string_view rest = text.substr(start);
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
  if (error == std::errc::invalid_argument) return std::nullopt;
  const std::string_view after = rest.substr(static_cast<std::size_t>(end - rest.data()));
  if (BlankLength(after) > 0 || after.starts_with('e') || after.starts_with('E')) {
    return std::nullopt;
  }
  if (error == std::errc::result_out_of_range) {
    value = ConvertCompact(rest.substr(0, static_cast<std::size_t>(end - rest.data())));
  }
  return text[0] == '-' ? -value : value;
}

}  // namespace

double NumberFromText(std::string_view text) {
  if (const auto value = ReadWithoutBlanks(text)) return *value;
  const Scan scan = ScanNumber(text);
  if (!scan.has_digit) return 0.0;
  const double magnitude = Convert(scan.number);
  return scan.negative ? -magnitude : magnitude;
}

std::string TextFromNumber(double x) {
  assert(std::isfinite(x));
  if (x == 0.0) return "0";  // also for -0.0
  // Rounding up past the largest double would write a text that no longer
  // reads back as a number; the largest 15-digit value below it stands in.
  constexpr double kLargest = 1.79769313486231e308;
  if (std::abs(x) > kLargest) x = std::copysign(kLargest, x);

  // "%.15g": 15 significant digits, plain form for exponents -4 to 14,
  // trailing zeros dropped, at least two exponent digits.
  std::array<char, 32> out;  // NOLINT(cppcoreguidelines-pro-type-member-init): written next
  const auto result = std::to_chars(out.data(), out.data() + out.size(), x,
                                    std::chars_format::general, kSignificantDigits);
  assert(result.ec == std::errc());
  std::replace(out.data(), result.ptr, 'e', 'E');
  return {out.data(), result.ptr};
}

}  // namespace calc
