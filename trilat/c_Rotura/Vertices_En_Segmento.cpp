#include "trilat/c_Rotura/Vertices_En_Segmento.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "trilat/common/Predicados_Exactos.h"

namespace Vyr_Trilat {

namespace {

bool En_Linea(const Vert& A, const Vert& B, const Vert& V, Prueba_Linea prueba) {
  if (prueba == Prueba_Linea::Exacta) return Orientacion(A.X, A.Y, B.X, B.Y, V.X, V.Y) == 0;
  // Within 16 units of the last place of the largest coordinate, or of the segment's length, of the line: the
  // cross product over the length, whose own rounding the second term covers.
  const double mayor =
      std::max({std::fabs(A.X), std::fabs(A.Y), std::fabs(B.X), std::fabs(B.Y), std::fabs(V.X), std::fabs(V.Y)});
  const double ux = B.X - A.X, uy = B.Y - A.Y, largo = std::hypot(ux, uy);
  const double cruz = ux * (V.Y - A.Y) - uy * (V.X - A.X);
  return std::fabs(cruz) <= 16 * std::numeric_limits<double>::epsilon() * largo * (mayor + largo);
}

bool Entre(double a, double b, double v) { return std::min(a, b) < v && v < std::max(a, b); }

}  // namespace

std::vector<Long> Vertices_En_Segmento(const Estado_Rotura& s, const std::vector<Long>& triangulos, Long a, Long b,
                                       Prueba_Linea prueba) {
  const Vert A = s.Coord(a), B = s.Coord(b);
  const bool por_x = std::fabs(B.X - A.X) >= std::fabs(B.Y - A.Y);
  std::vector<std::pair<double, Long>> en_medio;
  for (Long t : triangulos) {
    const Triang_Rot& r = s.Triangs(t);
    for (Long v : {r.V1, r.V2, r.V3}) {
      if (v == a || v == b) continue;
      const Vert V = s.Coord(v);
      if (!(por_x ? Entre(A.X, B.X, V.X) : Entre(A.Y, B.Y, V.Y)) || !En_Linea(A, B, V, prueba)) continue;
      const double dx = V.X - A.X, dy = V.Y - A.Y;
      en_medio.emplace_back(dx * dx + dy * dy, v);
    }
  }
  std::sort(en_medio.begin(), en_medio.end());
  en_medio.erase(std::unique(en_medio.begin(), en_medio.end()), en_medio.end());
  std::vector<Long> vertices;
  for (const auto& [d, v] : en_medio) vertices.push_back(v);
  return vertices;
}

}  // namespace Vyr_Trilat
