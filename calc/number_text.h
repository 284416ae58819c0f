#pragma once

#include <string>
#include <string_view>

namespace calc {

// How a field's text is read as a number. Text is UTF-8.
//
//   text  := { any byte }
//   blank := ' ' | '\t' | '\n' | '\r'
//          | U+00A0 | U+1680 | U+2000..U+200A | U+202F | U+205F | U+3000
//          | U+200B..U+200D | U+2060 | U+FEFF      skipped wherever it stands
//   number:= [ '+' | '-' ] mantissa [ exponent ]
//   mantissa := digits [ '.' [ digits ] ] | '.' digits
//   exponent := ( 'E' | 'e' ) [ '+' | '-' ] digits
//
// A blank is every character that shows as one, or shows as nothing: the
// Unicode space separators (no-break, thin, figure, narrow no-break ...),
// carriage return, the zero-width characters and the byte-order mark, as
// figures copied from spreadsheets, PDF reports and web pages carry them.
//
// The longest leading number, blanks removed, is rounded to the nearest
// double; everything after it is ignored. An exponent letter without
// digits after it ends the number before the letter. Text without a digit
// in its mantissa reads as 0. Only '.' is a decimal separator, whatever the
// process locale says; there are no thousands separators.
// A number beyond the range of a double reads as +/-infinity, which the
// worksheet treats as an overflow; one too small reads as 0 or a subnormal.
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
//   "\u00a0612.4" (no-break space) -> 612.4
//   "7.12\t7.16" (two cells pasted into one field) -> 7.127
//
// The grammar is stated twice in the code: a scan that skips blanks, and a
// fast way for a text without blanks, where std::from_chars accepts exactly
// the mantissa and exponent above. The scan alone reads survey figures at
// about a quarter of from_chars' speed; with the fast way, reading keeps
// within 1.25 times of it (bench/calc_bench.cpp).
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

}  // namespace calc
