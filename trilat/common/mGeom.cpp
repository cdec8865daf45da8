#include "trilat/common/mGeom.h"

namespace Vyr_Trilat::mGeom {

namespace {

// The two ends (a, b) lie on both closed sides of the value c, or on it.
bool A_Ambos_Lados(double a, double b, double c) { return (b <= c && a >= c) || (b >= c && a <= c); }

}  // namespace

bool Cruza_Segmentos(const double& x1, const double& y1, const double& x2, const double& y2, const double& x3,
                     const double& y3, const double& x4, const double& y4) {
  bool s1 = false;
  if (x1 == x2) {
    s1 = A_Ambos_Lados(x3, x4, x1);
  } else if (y1 == y2) {
    s1 = A_Ambos_Lados(y3, y4, y1);
  } else {
    // Each product is rounded to a double before the comparison.
    const double L3 = (x2 - x1) * (y3 - y1);
    const double R3 = (x3 - x1) * (y2 - y1);
    const double L4 = (x2 - x1) * (y4 - y1);
    const double R4 = (x4 - x1) * (y2 - y1);
    s1 = (L4 <= R4 && L3 >= R3) || (L4 >= R4 && L3 <= R3);
  }
  bool s2 = false;
  if (x3 == x4) {
    s2 = A_Ambos_Lados(x1, x2, x3);
  } else if (y3 == y4) {
    s2 = A_Ambos_Lados(y1, y2, y3);
  } else {
    const double L1 = (x4 - x3) * (y1 - y3);
    const double R1 = (y4 - y3) * (x1 - x3);
    const double L2 = (x4 - x3) * (y2 - y3);
    const double R2 = (y4 - y3) * (x2 - x3);
    s2 = (L2 <= R2 && L1 >= R1) || (L2 >= R2 && L1 <= R1);
  }
  return s1 && s2;
}

}  // namespace Vyr_Trilat::mGeom
