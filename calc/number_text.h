#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace calc {

// How a field's text is read as a number. Text is UTF-8.
//
//   number   := [ sign ] mantissa [ exponent ]     blanks removed first
//   mantissa := digits [ point [ digits ] ] | point digits
//   exponent := exponent-letter [ sign ] digits
//
//   blank  := any code point with Unicode's White_Space or
//             Default_Ignorable_Code_Point property, or of category Cc:
//             spaces of every width, tab, line and paragraph breaks, the
//             zero-width characters, the byte-order mark, the soft hyphen,
//             the left-to-right and right-to-left marks, the other bidi
//             controls and every control character, NUL included
//   sign   := '+' | U+FF0B | U+FE62                         plus
//           | '-' | U+2212 | U+2010..U+2013 | U+FE63 | U+FF0D  minus
//   digit  := any code point of category Nd, read as its value: ASCII,
//             full-width, Arabic-Indic, Devanagari and every other script
//   point  := '.' | U+FF0E (full-width) | U+066B (Arabic decimal separator)
//   exponent-letter := 'E' | 'e' | U+FF25 | U+FF45      (ASCII or full-width)
//
// Every character the field shows as a blank, or shows as nothing, is a
// blank; each that shows as a minus sign, a digit or a point is one. So
// figures pasted from spreadsheets, PDF tables, web pages, right-to-left
// documents and Asian input methods read as they look. The tables are
// Unicode 15.0 (number_characters.h). A byte that is not well-formed UTF-8
// is an ordinary character.
//
// The longest leading number is rounded to the nearest double; everything
// after it is ignored. An exponent letter without digits after it ends the
// number before the letter. Text without a digit in its mantissa reads as
// 0. A comma, an em dash and every letter but the exponent's are no part
// of a number, whatever the process locale says; there are no thousands
// separators. A number beyond the range of a double reads as +/-infinity,
// which the worksheet treats as an overflow; one too small reads as 0 or a
// subnormal.
//
//   ""          -> 0             "7.25m"    -> 7.25
//   "  7.25 "   -> 7.25          "1.2.3"    -> 1.2
//   "7 .2 5"    -> 7.25          "7,25"     -> 7
//   "- 3"       -> -3            "1.5E-05"  -> 0.000015
//   ".5"        -> 0.5           "2e"       -> 2
//   "5."        -> 5             "????"     -> 0
//   "1E400"     -> +infinity     "1E-400"   -> 0
//   "18 650"    -> 18650         "\r\n7.25"  -> 7.25
//   "18\u2009650" (thin space)  -> 18650
//   "\u200e612.4" (left-to-right mark) -> 612.4
//   "\u22122.1" (minus sign)    -> -2.1      "\u20142.1" (em dash) -> 0
//   "\uff17\uff0e\uff11\uff12" (full-width "7.12") -> 7.12
//   "\u0667\u066b\u0661\u0662" (Arabic-Indic "7.12") -> 7.12
//   "7.12\t7.16" (two cells pasted into one field) -> 7.127
//
// The grammar is stated twice in the code: a scan that classifies each
// character, and a fast way for plain ASCII text without blanks, where
// std::from_chars accepts exactly the mantissa and exponent above. The
// scan alone reads survey figures at about a quarter of from_chars' speed;
// with the fast way, reading keeps within 1.25 times of it
// (bench/calc_bench.cpp). The fuzz target checks that both agree.
double NumberFromText(std::string_view text);

// How a finite double is written into a field.
//
// x is rounded to 15 significant digits, to nearest. With e the decimal
// exponent of the rounded value, -4 <= e <= 14 gives the plain form, any
// other e the exponent form: one digit, the remaining digits after a point,
// "E", the exponent's sign and at least two exponent digits. Trailing zeros
// and a bare point are dropped; negative zero is written as 0.
// The one exception: a value whose rounding would pass the largest double
// is rounded towards zero instead, so that the text still reads back.
//
//   7.125             -> "7.125"        0.0001  -> "0.0001"
//   0.1 + 0.2         -> "0.3"          0.00001 -> "1E-05"
//   1.0 / 3           -> "0.333333333333333"
//   123456789012345   -> "123456789012345"
//   1e15              -> "1E+15"        -0.0    -> "0"
//   DBL_MAX           -> "1.79769313486231E+308"
//
// For every finite x: TextFromNumber(NumberFromText(TextFromNumber(x)))
// equals TextFromNumber(x).
std::string TextFromNumber(double x);

// Whether a text fits its field whole, as the field measures it.
using FitsField = std::function<bool(std::string_view)>;

// What a field shows of a text too wide for it, so that no figure shows as
// another number. The text itself is untouched: editing and copying give
// all of it.
//
// A text that fits shows whole. Otherwise the longest start of it that
// fits shows, its cut marked by "…" (U+2026). Where the leading number has
// an exponent, the mark goes before the exponent letter and the exponent
// and all after it always show, with at least the number's first digit
// before the mark; where even that does not fit, the text is cut at its
// end like any other. Cuts fall between characters. With room for 12
// characters:
//
//   "7.12"                  -> "7.12"
//   "1.97142857142857E-05"  -> "1.97142…E-05"
//   "-1.5E+300 t"           -> "-1.5E+300 t"   (fits)
//   "11942.3503219512"      -> "11942.35032…"
//   "Corrected for Trim"    -> "Corrected f…"
std::string ShownText(std::string_view text, const FitsField& fits);

}  // namespace calc
