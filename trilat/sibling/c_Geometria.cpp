#include "trilat/sibling/c_Geometria.h"

#include <cmath>
#include <numbers>

#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

void c_Geometria::Acimut_Distancia(const Vert& origen, const Vert& p, double& acimut, double& distancia) const {
  const double dx = p.X - origen.X;
  const double dy = p.Y - origen.Y;
  distancia = std::sqrt(dx * dx + dy * dy);
  // Coordinates whose differences square beyond the doubles (beyond about 1e154) overflow; a distance taken as
  // infinite would turn every point it places into no point at all.
  if (!std::isfinite(distancia)) throw RuntimeError(Err::Overflow);
  if (distancia == 0) {
    acimut = 0;
    return;
  }
  acimut = std::atan2(dx, dy) * 200 / std::numbers::pi;
  if (acimut < 0) acimut += 400;
}

Vert c_Geometria::Polar(const Vert& origen, double acimut, double distancia) const {
  const double a = acimut * std::numbers::pi / 200;
  const Vert p{origen.X + distancia * std::sin(a), origen.Y + distancia * std::cos(a)};
  if (!std::isfinite(p.X) || !std::isfinite(p.Y)) throw RuntimeError(Err::Overflow);
  return p;
}

}  // namespace Vyr_Trilat
