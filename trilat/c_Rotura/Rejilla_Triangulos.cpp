#include "trilat/c_Rotura/Rejilla_Triangulos.h"

namespace Vyr_Trilat {

namespace {

// A triangle is listed in the finest grid where its box covers at most this many cells; each coarser grid has this
// many times fewer cells (four times wider ones).
constexpr long long kCeldas_Por_Triangulo = 16;

}  // namespace

Rejilla_Triangulos::Rejilla_Triangulos(const Estado_Rotura& s, const Caja& dominio, double holgura)
    : s_(s), holgura_(holgura) {
  for (double celdas = static_cast<double>(s.Triangs.UBound()) / 2;; celdas /= kCeldas_Por_Triangulo) {
    niveles_.push_back({Rejilla_Uniforme(dominio, celdas), {}, {}, {}});
    if (celdas <= 1) break;
  }
  // Two passes: count the listings of each cell, then fill them in.
  const Long n = s.Triangs.UBound();
  std::vector<std::size_t> nivel(static_cast<std::size_t>(n) + 1);
  for (Nivel& l : niveles_) l.inicio.assign(l.rejilla.Total() + 1, 0);
  for (Long t = 1; t <= n; ++t) {
    Caja c;
    Nivel& l = niveles_[nivel[static_cast<std::size_t>(t)] = Nivel_De(t, c)];
    l.rejilla.Recorre_Caja(c, [&](std::size_t k) { ++l.inicio[k + 1]; });
  }
  std::vector<std::vector<std::size_t>> lleno;
  for (Nivel& l : niveles_) {
    for (std::size_t k = 0; k < l.rejilla.Total(); ++k) l.inicio[k + 1] += l.inicio[k];
    l.lista.resize(l.inicio.back());
    lleno.emplace_back(l.inicio.begin(), l.inicio.end() - 1);
  }
  for (Long t = 1; t <= n; ++t) {
    Caja c = Caja_Triangulo(s, t).Ampliada(holgura_);
    const std::size_t i = nivel[static_cast<std::size_t>(t)];
    niveles_[i].rejilla.Recorre_Caja(c, [&](std::size_t k) { niveles_[i].lista[lleno[i][k]++] = t; });
  }
}

Caja Caja_Triangulo(const Estado_Rotura& s, Long t) {
  const Triang_Rot& r = s.Triangs(t);
  return Caja::De(s.Coord(r.V1), s.Coord(r.V2)).Con(Caja::De(s.Coord(r.V3), s.Coord(r.V3)));
}

std::size_t Rejilla_Triangulos::Nivel_De(Long t, Caja& caja) const {
  caja = Caja_Triangulo(s_, t).Ampliada(holgura_);
  std::size_t i = 0;
  while (i + 1 < niveles_.size() && niveles_[i].rejilla.Celdas_De(caja) > kCeldas_Por_Triangulo) ++i;
  return i;
}

void Rejilla_Triangulos::Cambiado(Long t) {
  Caja c;
  Nivel& l = niveles_[Nivel_De(t, c)];
  l.rejilla.Recorre_Caja(c, [&](std::size_t k) { l.nuevos[k].push_back(t); });
}

void Rejilla_Triangulos::Junto_A(const Vert& A, const Vert& B, const Caja& cerca, std::vector<Long>& posiciones) const {
  const auto mira = [&](Long t) {
    if (Caja_Triangulo(s_, t).Ampliada(holgura_).Toca(cerca)) posiciones.push_back(t);
  };
  for (const Nivel& l : niveles_) {
    if (l.lista.empty() && l.nuevos.empty()) continue;
    l.rejilla.Recorre_Franja(A, B, holgura_, cerca, [&](std::size_t c) {
      for (std::size_t k = l.inicio[c]; k < l.inicio[c + 1]; ++k) mira(l.lista[k]);
      if (l.nuevos.empty()) return;
      if (const auto it = l.nuevos.find(c); it != l.nuevos.end())
        for (Long t : it->second) mira(t);
    });
  }
}

}  // namespace Vyr_Trilat
