// Value types that cross the host boundary: 16-bit Booleans (True = -1), 16-bit Integers and 32-bit Longs,
// with the host's checked conversions (an out-of-range conversion is an Overflow, not a wrap).
#pragma once

#include <cstdint>

namespace Vyr_Trilat {

using Boolean = std::int16_t;
using Integer = std::int16_t;
using Long = std::int32_t;

inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

// Host flags count only when exactly True; 1 or any other non-zero value is not True.
constexpr bool Es_Verdadero(Boolean b) { return b == True; }
constexpr Boolean A_Booleano(bool b) { return b ? True : False; }

// Round half to even, then range-check: run-time error 6 (Overflow) when out of range or not a number.
Integer CInt(double v);
Long CLng(double v);

// Checked 32-bit arithmetic on counts (error 6 on overflow).
Long Suma(Long a, Long b);

}  // namespace Vyr_Trilat
