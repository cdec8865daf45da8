// Orientation and in-circle decided exactly for double inputs: a floating-point filter with a proven error bound
// settles almost every call; exact expansion arithmetic settles the rest. Exact for coordinates of magnitude 0 or
// between 1e-60 and 1e60 (see Expansion.h).
#pragma once

namespace Vyr_Trilat {

// > 0 when a, b, c turn counter-clockwise, < 0 clockwise, 0 exactly collinear.
int Orientacion(double ax, double ay, double bx, double by, double cx, double cy);

// With a, b, c counter-clockwise: > 0 when d lies strictly inside their circle, < 0 outside, 0 on it. The sign
// flips when a, b, c turn clockwise, and is 0 when they are collinear and d on their line.
int Incirculo(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy);

}  // namespace Vyr_Trilat
