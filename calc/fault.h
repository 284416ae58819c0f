#pragma once

namespace calc {

// The two kinds of arithmetic fault that can end a worksheet step.
// Overflow also covers undefined results such as zero divided by zero.
enum class Fault { DivisionByZero, Overflow };

}  // namespace calc
