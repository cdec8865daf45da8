// Orientation decided exactly for any double inputs: a floating-point filter, then exact expansion arithmetic
// (sums of non-overlapping doubles) when the filter cannot vouch for the sign.
#pragma once

namespace Vyr_Trilat {

// > 0 when a, b, c turn counter-clockwise, < 0 clockwise, 0 exactly collinear.
int Orientacion(double ax, double ay, double bx, double by, double cx, double cy);

}  // namespace Vyr_Trilat
