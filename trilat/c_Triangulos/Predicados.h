// The plane tests on which the construction decides. Tolerances are part of the behaviour: results depend on
// them, and on the order in which each formula is evaluated.
#pragma once

#include "trilat/common/Registros.h"

namespace Vyr_Trilat {

// The construction's numbers. A coordinate difference below kCasi_Cero counts as none in the circle formulas; an
// edge accepts circles of radius below kRadio_Maximo (the seed, below kRadio_Maximo_Semilla); a point is inside a
// circle when its squared distance to the centre plus kHolgura_Circulo is below the squared radius.
inline constexpr double kCasi_Cero = 0.0001;
inline constexpr double kRadio_Maximo = 1000;
inline constexpr double kRadio_Maximo_Semilla = 10000;
inline constexpr double kHolgura_Circulo = 0.0001;

// Circumcircle of the last triangle tested by the in-circle test.
struct Circulo {
  double Xc = 0;
  double Yc = 0;
  double R = 0;
};

// P strictly inside the circumcircle of 1-2-3, with `tolerancia` added to P's squared distance to the centre.
// Leaves the circumcircle of 1-2-3 in `c` (centre 0, 0 and radius 100000 for a degenerate triangle).
bool En_Circulo(double tolerancia, Circulo& c, double Xp, double Yp, double X1, double Y1, double X2, double Y2,
                double X3, double Y3);

struct Lejos {
  bool AB = false, BC = false, AC = false;
};

// Whether a plane distance, measured as sqrt(dx*dx + dy*dy), exceeds a limit: decided on the squared distance
// against the largest square whose root does not exceed it, which gives exactly the same answers without a root.
class Mas_Lejos_Que {
 public:
  explicit Mas_Lejos_Que(double limite);
  bool operator()(double d2) const { return d2 > umbral_; }

 private:
  double umbral_;
};

// far_XY: P is farther than the limit from X or from Y.
Lejos Lejanias(const XYZ& A, const XYZ& B, const XYZ& C, const XYZ& P, const Mas_Lejos_Que& lejos);
Lejos Lejanias(const XYZ& A, const XYZ& B, const XYZ& C, const XYZ& P, double limite);

// True if a side of A-B-C is longer than `dist_max` (a side exactly that long is allowed); the second form answers
// the same without roots, for a limit used many times.
bool Lados_Largos(const XYZ& A, const XYZ& B, const XYZ& C, double dist_max);
bool Lados_Largos(const XYZ& A, const XYZ& B, const XYZ& C, const Mas_Lejos_Que& largo);

// Plane distance, as every length test of the construction measures it.
double Distancia(const XYZ& a, const XYZ& b);

}  // namespace Vyr_Trilat
