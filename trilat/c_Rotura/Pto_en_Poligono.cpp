#include "trilat/c_Rotura/Pto_en_Poligono.h"

#include <cmath>

#include "trilat/common/Predicados_Exactos.h"
#include "trilat/draw/mDibuja.h"

namespace Vyr_Trilat {

namespace {

// A coordinate on the grid: hundredths from the origin, rounded down.
Long En_Rejilla(double v, double origen) {
  const double r = std::floor((v - origen) * 100);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw RuntimeError(Err::Overflow);
  return static_cast<Long>(r);
}

// Winding number of the point q + (e, e^2), e infinitesimal, about the closed outline p. Grid coordinates are
// exact doubles, so the orientation tests are exact.
long long Vueltas(const HostArray<POINT>& p, Long n, POINT q) {
  long long vueltas = 0;
  const double qx = q.x, qy = q.y;
  for (Long j = 0; j < n; ++j) {
    const POINT& u = p(j);
    const POINT& w = p(j + 1 < n ? j + 1 : 0);
    // The moved point's horizontal ray meets the edge only when q.y lies in [low y, high y).
    if (u.y <= q.y && w.y > q.y) {
      // Upward edge: counted when q (or, with q on the edge, q moved to +X) is on its left.
      if (Orientacion(u.x, u.y, w.x, w.y, qx, qy) > 0) ++vueltas;
    } else if (w.y <= q.y && u.y > q.y) {
      if (Orientacion(u.x, u.y, w.x, w.y, qx, qy) < 0) --vueltas;
    }
  }
  return vueltas;
}

}  // namespace

Boolean Pto_en_Poligono(const HostArray<Vert>& Coord, const HostArray<Long>& Vert, Long nVrt, double xPt, double yTt,
                        Long* Loc) {
  auto& buffer = mDibuja::Estado().Ptos_Poligono;
  buffer.ReDim(0, nVrt);
  if (nVrt < 3) {
    if (Loc) *Loc = 0;
    return False;
  }
  for (Long i = 0; i <= nVrt; ++i) {
    const auto& c = Coord(Vert(i));
    if (xPt == c.X && yTt == c.Y) {
      if (Loc) *Loc = 2;
      return False;
    }
  }
  const auto& origen = Coord(Vert(0));
  for (Long j = 0; j < nVrt; ++j) {
    const auto& c = Coord(Vert(j + 1));
    buffer(j) = {En_Rejilla(c.X, origen.X), En_Rejilla(c.Y, origen.Y)};
  }
  const POINT q{En_Rejilla(xPt, origen.X), En_Rejilla(yTt, origen.Y)};
  return A_Booleano(Vueltas(buffer, nVrt, q) != 0);
}

}  // namespace Vyr_Trilat
