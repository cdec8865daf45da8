#include "trilat/common/Predicados_Exactos.h"

#include <cmath>

#include "trilat/common/Expansion.h"

namespace Vyr_Trilat {

int Orientacion(double ax, double ay, double bx, double by, double cx, double cy) {
  const double izq = (ax - cx) * (by - cy);
  const double der = (ay - cy) * (bx - cx);
  const double det = izq - der;
  // Error bound of the rounded determinant (Shewchuk's ccwerrboundA).
  constexpr double kEps = 1.1102230246251565e-16;
  constexpr double kCota = (3.0 + 16.0 * kEps) * kEps;
  const double cota = kCota * (std::fabs(izq) + std::fabs(der));
  if (det > cota || -det > cota) return det > 0 ? 1 : -1;

  // ax*by - ay*bx + bx*cy - by*cx + cx*ay - cy*ax, each product split exactly into two doubles.
  expansion::Expansion e;
  const double terminos[6][2] = {{ax, by}, {-ay, bx}, {bx, cy}, {-by, cx}, {cx, ay}, {-cy, ax}};
  for (const auto& t : terminos) {
    double p = 0, err = 0;
    expansion::Two_Product(t[0], t[1], p, err);
    expansion::Suma(e, err);
    expansion::Suma(e, p);
  }
  return expansion::Signo(e);
}

}  // namespace Vyr_Trilat
