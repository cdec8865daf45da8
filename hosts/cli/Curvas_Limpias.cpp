#include "hosts/cli/Curvas_Limpias.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace Vyr_Trilat::anfitrion {

namespace {

// Ten to the fewest decimals (nine at most) that write the equidistance exactly.
double Escala_Decimal(double equidistancia) {
  double escala = 1;
  for (int d = 0; d < 9 && !(std::round(equidistancia * escala) / escala == equidistancia); ++d) escala *= 10;
  return escala;
}

bool Iguales(const Pto3D& a, const Pto3D& b) { return a.X == b.X && a.Y == b.Y; }

// The same point but for the last bits: where two smoothed spans meet, each computes it.
bool Casi_Iguales(const Pto3D& a, const Pto3D& b) {
  const auto cerca = [](double u, double v) {
    return std::fabs(u - v) <= 1e-14 * std::max(std::fabs(u), std::fabs(v));
  };
  return cerca(a.X, b.X) && cerca(a.Y, b.Y);
}

Pto3D Medio(const Pto3D& a, const Pto3D& b) { return {0.5 * a.X + 0.5 * b.X, 0.5 * a.Y + 0.5 * b.Y, a.Z}; }

// m is the midpoint of a and b as the drawing computes it.
bool Punto_Medio(const Pto3D& a, const Pto3D& m, const Pto3D& b) { return Iguales(m, Medio(a, b)); }

}  // namespace

Datos_Curvas Curvas_Limpias(const Datos_Curvas& d) {
  Datos_Curvas limpias = d;
  if (d.Curvas.Size() == 0) return limpias;
  const double escala = Escala_Decimal(d.E_finas);
  std::vector<Pto3D> v;
  for (Long i = std::max<Long>(1, d.Curvas.LBound()); i <= std::min(d.nCurvas, d.Curvas.UBound()); ++i) {
    Curva& c = limpias.Curvas(i);
    v.clear();
    for (Long k = c.Vertices.LBound(); k <= c.Vertices.UBound(); ++k) {
      const Pto3D& p = c.Vertices(k);
      if (!v.empty() && Casi_Iguales(v.back(), p)) continue;
      if (v.size() >= 2 && Punto_Medio(v[v.size() - 2], v.back(), p)) {
        v.back() = p;
      } else {
        v.push_back(p);
      }
    }
    // A line of one point keeps what it was: nothing is lost.
    if (v.size() < 2) continue;
    double largo = 0;
    for (std::size_t k = 1; k < v.size(); ++k) largo += std::hypot(v[k].X - v[k - 1].X, v[k].Y - v[k - 1].Y);
    if (v.size() > 2 && std::hypot(v.back().X - v.front().X, v.back().Y - v.front().Y) <= 1e-9 * largo)
      v.back() = v.front();
    // A drawn ring starts halfway along a side: it starts at that side's end instead. That midpoint was taken from
    // the chain's first point, which the point closing the ring may miss by a rounding error.
    if (v.size() > 4 && Iguales(v.back(), v.front()) && Casi_Iguales(v.front(), Medio(v[v.size() - 2], v[1]))) {
      v.erase(v.begin());
      v.back() = v.front();
    }
    const double cota = std::round(v.front().Z * escala) / escala;
    c.Vertices.ReDim(0, static_cast<Long>(v.size()) - 1);
    for (std::size_t k = 0; k < v.size(); ++k)
      c.Vertices(static_cast<Long>(k)) = {v[k].X, v[k].Y, cota == 0 ? 0.0 : cota};  // a zero without sign
    c.Ultimo = static_cast<Long>(v.size()) - 1;
  }
  return limpias;
}

}  // namespace Vyr_Trilat::anfitrion
