#include "trilat/c_Rotura/Rejilla_Vertices.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace Vyr_Trilat {

namespace {

// About this many corners to a cell.
constexpr double kEsquinas_Celda = 128;
// Ordering a cell by a key costs about as much as reading it whole this many times.
constexpr std::uint8_t kLecturas_Sin_Orden = 8;

}  // namespace

Rejilla_Vertices::Rejilla_Vertices(const Estado_Rotura& s, const Caja& dominio, double holgura)
    : s_(s), holgura_(holgura), rejilla_(dominio, static_cast<double>(s.Triangs.UBound()) / (2 * kEsquinas_Celda)) {
  const Long n = s.Triangs.UBound();
  const auto nPt = static_cast<std::size_t>(s.Coord.UBound());
  inicio_tri_.assign(nPt + 2, 0);
  for (Long t = 1; t <= n; ++t) {
    const Triang_Rot& r = s.Triangs(t);
    for (Long v : {r.V1, r.V2, r.V3}) ++inicio_tri_[static_cast<std::size_t>(v) + 1];
  }
  // Each corner once in its cell: those with triangles.
  inicio_.assign(rejilla_.Total() + 1, 0);
  for (std::size_t v = 0; v <= nPt; ++v)
    if (inicio_tri_[v + 1] > 0)
      ++inicio_[rejilla_.Celda(rejilla_.Columna(s.Coord(static_cast<Long>(v)).X),
                               rejilla_.Fila(s.Coord(static_cast<Long>(v)).Y)) +
                1];
  for (std::size_t c = 0; c < rejilla_.Total(); ++c) inicio_[c + 1] += inicio_[c];
  puntos_.resize(inicio_.back());
  std::vector<std::size_t> lleno(inicio_.begin(), inicio_.end() - 1);
  for (std::size_t v = 0; v <= nPt; ++v) {
    if (inicio_tri_[v + 1] == 0) continue;
    const Vert& p = s.Coord(static_cast<Long>(v));
    puntos_[lleno[rejilla_.Celda(rejilla_.Columna(p.X), rejilla_.Fila(p.Y))]++] = {p.X, p.Y, static_cast<Long>(v)};
  }
  leidas_.assign(rejilla_.Total(), {});
  for (std::size_t v = 0; v <= nPt; ++v) inicio_tri_[v + 1] += inicio_tri_[v];
  en_vertice_.resize(inicio_tri_.back());
  lleno.assign(inicio_tri_.begin(), inicio_tri_.end() - 1);
  for (Long t = 1; t <= n; ++t) {
    const Triang_Rot& r = s.Triangs(t);
    for (Long v : {r.V1, r.V2, r.V3}) en_vertice_[lleno[static_cast<std::size_t>(v)]++] = t;
  }
}

void Rejilla_Vertices::Cambiado(Long t) {
  const Triang_Rot& r = s_.Triangs(t);
  for (Long v : {r.V1, r.V2, r.V3}) nuevos_[v].push_back(t);
}

void Rejilla_Vertices::A_Lo_Largo(const Vert& A, const Vert& B, std::vector<Long>& posiciones) {
  const double dx = B.X - A.X, dy = B.Y - A.Y, largo = std::sqrt(dx * dx + dy * dy);
  const auto en_linea = [&](const Vert& p) {
    return std::fabs(dx * (p.Y - A.Y) - dy * (p.X - A.X)) <= holgura_ * largo;
  };
  const auto mira = [&](Long t) {
    const Triang_Rot& r = s_.Triangs(t);
    const int cerca = en_linea(s_.Coord(r.V1)) + en_linea(s_.Coord(r.V2)) + en_linea(s_.Coord(r.V3));
    if (cerca >= 2) posiciones.push_back(t);
  };
  // The key along which the line varies least, for its gradient's angle with the line.
  int eje = 0;
  double menor = HUGE_VAL;
  for (int e = 0; e < kEjes; ++e) {
    const auto& g = kGradientes[static_cast<std::size_t>(e)];
    const double coseno = std::fabs(Clave(dx, dy, e)) / std::sqrt(g[0] * g[0] + g[1] * g[1]);
    if (coseno < menor) menor = coseno, eje = e;
  }
  auto& orden = orden_[static_cast<std::size_t>(eje)];
  if (orden.empty()) orden.resize(puntos_.size());
  const auto clave = [&](std::uint32_t k) { return Clave(puntos_[k].x, puntos_[k].y, eje); };
  const Caja todo{-HUGE_VAL, -HUGE_VAL, HUGE_VAL, HUGE_VAL};
  rejilla_.Recorre_Franja(A, B, holgura_, todo, [&](std::size_t c, const Tramo_Franja& tramo) {
    // Across the walk a point near the line lies at most tramo.holgura from the stretch, which moves no key more.
    const double k1 = Clave(tramo.desde.X, tramo.desde.Y, eje), k2 = Clave(tramo.hasta.X, tramo.hasta.Y, eje);
    const double lo = std::min(k1, k2) - tramo.holgura, hi = std::max(k1, k2) + tramo.holgura;
    const auto toma = [&](const Punto& p) {
      if (!en_linea({p.x, p.y})) return;
      const auto v = static_cast<std::size_t>(p.v);
      for (std::size_t i = inicio_tri_[v]; i < inicio_tri_[v + 1]; ++i) mira(en_vertice_[i]);
      if (const auto nuevo = nuevos_.find(p.v); nuevo != nuevos_.end())
        for (Long t : nuevo->second) mira(t);
    };
    auto& leida = leidas_[c][static_cast<std::size_t>(eje)];
    if (leida < kLecturas_Sin_Orden) {
      ++leida;
      for (std::size_t k = inicio_[c]; k < inicio_[c + 1]; ++k) {
        const double v = Clave(puntos_[k].x, puntos_[k].y, eje);
        if (lo <= v && v <= hi) toma(puntos_[k]);
      }
      return;
    }
    const auto desde = orden.begin() + static_cast<std::ptrdiff_t>(inicio_[c]);
    const auto fin = orden.begin() + static_cast<std::ptrdiff_t>(inicio_[c + 1]);
    if (leida == kLecturas_Sin_Orden) {
      std::iota(desde, fin, static_cast<std::uint32_t>(inicio_[c]));
      std::sort(desde, fin, [&](std::uint32_t a, std::uint32_t b) { return clave(a) < clave(b); });
      ++leida;
    }
    auto it = std::lower_bound(desde, fin, lo, [&](std::uint32_t k, double v) { return clave(k) < v; });
    for (; it != fin && clave(*it) <= hi; ++it) toma(puntos_[*it]);
  });
}

}  // namespace Vyr_Trilat
