#include "trilat/common/Predicados_Exactos.h"

#include <cmath>

#include "trilat/common/Expansion.h"

namespace Vyr_Trilat {

namespace {

// Half the distance from 1 to the next double: the relative error of one rounded operation.
constexpr double kEps = 1.1102230246251565e-16;

}  // namespace

int Orientacion(double ax, double ay, double bx, double by, double cx, double cy) {
  const double izq = (ax - cx) * (by - cy);
  const double der = (ay - cy) * (bx - cx);
  const double det = izq - der;
  // Error bound of the rounded determinant (Shewchuk's ccwerrboundA).
  constexpr double kCota = (3.0 + 16.0 * kEps) * kEps;
  const double cota = kCota * (std::fabs(izq) + std::fabs(der));
  if (det > cota || -det > cota) return det > 0 ? 1 : -1;

  using expansion::Diferencia;
  const auto acx = Diferencia(ax, cx), acy = Diferencia(ay, cy);
  const auto bcx = Diferencia(bx, cx), bcy = Diferencia(by, cy);
  return (acx * bcy - acy * bcx).Signo();
}

int Incirculo(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy) {
  const double adx = ax - dx, ady = ay - dy;
  const double bdx = bx - dx, bdy = by - dy;
  const double cdx = cx - dx, cdy = cy - dy;
  const double bdxcdy = bdx * cdy, cdxbdy = cdx * bdy;
  const double cdxady = cdx * ady, adxcdy = adx * cdy;
  const double adxbdy = adx * bdy, bdxady = bdx * ady;
  const double alift = adx * adx + ady * ady;
  const double blift = bdx * bdx + bdy * bdy;
  const double clift = cdx * cdx + cdy * cdy;
  const double det = alift * (bdxcdy - cdxbdy) + blift * (cdxady - adxcdy) + clift * (adxbdy - bdxady);
  // Error bound of the rounded determinant, differences included (Shewchuk's iccerrboundA).
  constexpr double kCota = (10.0 + 96.0 * kEps) * kEps;
  const double permanente = (std::fabs(bdxcdy) + std::fabs(cdxbdy)) * alift +
                            (std::fabs(cdxady) + std::fabs(adxcdy)) * blift +
                            (std::fabs(adxbdy) + std::fabs(bdxady)) * clift;
  const double cota = kCota * permanente;
  if (det > cota || -det > cota) return det > 0 ? 1 : -1;

  // The same determinant on exact differences; when they need no second component (nearby points, grids) the
  // expansions stay a few components long.
  using expansion::Diferencia;
  const auto eax = Diferencia(ax, dx), eay = Diferencia(ay, dy);
  const auto ebx = Diferencia(bx, dx), eby = Diferencia(by, dy);
  const auto ecx = Diferencia(cx, dx), ecy = Diferencia(cy, dy);
  const auto elevada_a = eax * eax + eay * eay;
  const auto elevada_b = ebx * ebx + eby * eby;
  const auto elevada_c = ecx * ecx + ecy * ecy;
  return (elevada_a * (ebx * ecy - ecx * eby) + elevada_b * (ecx * eay - eax * ecy) +
          elevada_c * (eax * eby - ebx * eay))
      .Signo();
}

}  // namespace Vyr_Trilat
