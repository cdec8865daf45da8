#include "trilat/c_Rotura/Rejilla_Triangulos.h"

namespace Vyr_Trilat {

namespace {

// A triangle whose box covers more cells than this is kept in the list that every search reads.
constexpr long long kCeldas_Grande = 16;

}  // namespace

Rejilla_Triangulos::Rejilla_Triangulos(const Estado_Rotura& s, const Caja& dominio, double holgura)
    : s_(s), holgura_(holgura), rejilla_(dominio, static_cast<double>(s.Triangs.UBound()) / 2) {
  // Two passes: count the listings of each cell, then fill them in.
  const Long n = s.Triangs.UBound();
  inicio_.assign(rejilla_.Total() + 1, 0);
  for (Long t = 1; t <= n; ++t)
    if (!Cada_Celda(t, [&](std::size_t c) { ++inicio_[c + 1]; })) grandes_.push_back(t);
  for (std::size_t c = 0; c < rejilla_.Total(); ++c) inicio_[c + 1] += inicio_[c];
  lista_.resize(inicio_.back());
  std::vector<std::size_t> lleno(inicio_.begin(), inicio_.end() - 1);
  for (Long t = 1; t <= n; ++t) Cada_Celda(t, [&](std::size_t c) { lista_[lleno[c]++] = t; });
}

Caja Caja_Triangulo(const Estado_Rotura& s, Long t) {
  const Triang_Rot& r = s.Triangs(t);
  return Caja::De(s.Coord(r.V1), s.Coord(r.V2)).Con(Caja::De(s.Coord(r.V3), s.Coord(r.V3)));
}

// Calls f(cell) for the cells of t's widened box; false, calling nothing, when there are too many.
template <typename F>
bool Rejilla_Triangulos::Cada_Celda(Long t, F&& f) const {
  const Caja c = Caja_Triangulo(s_, t).Ampliada(holgura_);
  if (rejilla_.Celdas_De(c) > kCeldas_Grande) return false;
  rejilla_.Recorre_Caja(c, f);
  return true;
}

void Rejilla_Triangulos::Cambiado(Long t) {
  if (!Cada_Celda(t, [&](std::size_t c) { nuevos_[c].push_back(t); })) grandes_.push_back(t);
}

void Rejilla_Triangulos::Junto_A(const Vert& A, const Vert& B, const Caja& cerca, std::vector<Long>& posiciones) const {
  const auto mira = [&](Long t) {
    if (Caja_Triangulo(s_, t).Ampliada(holgura_).Toca(cerca)) posiciones.push_back(t);
  };
  rejilla_.Recorre_Franja(A, B, holgura_, cerca, [&](std::size_t c) {
    for (std::size_t k = inicio_[c]; k < inicio_[c + 1]; ++k) mira(lista_[k]);
    if (nuevos_.empty()) return;
    if (const auto it = nuevos_.find(c); it != nuevos_.end())
      for (Long t : it->second) mira(t);
  });
  for (Long t : grandes_) mira(t);
}

}  // namespace Vyr_Trilat
