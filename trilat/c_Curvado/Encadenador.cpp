#include "trilat/c_Curvado/Encadenador.h"

#include <algorithm>
#include <cmath>

namespace Vyr_Trilat {

namespace {

// Beyond this many cells every coordinate is so large that ends within the tolerance are equal, so clamping
// the cell number keeps equal ends together.
constexpr double kCelda_Maxima = 0x1p62;

bool Finito(const Vert& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

}  // namespace

Encadenador::Encadenador(const std::vector<SEGS>& segs, double tolerancia, const std::vector<Lugares_Segmento>* lugares)
    : segs_(segs), tolerancia_(tolerancia), lugares_(lugares), lado_(4 * tolerancia), usado_(segs.size(), false) {
  // Two ends that meet differ by less than a quarter of a cell on each axis, however the division rounds, so
  // they lie in the same or in neighbouring cells. Ends that are not finite meet nothing and are left out.
  extremos_.reserve(2 * segs.size());
  for (std::uint32_t j = 0; j < segs.size(); ++j) {
    const Vert inicio{segs[j].X1, segs[j].Y1}, fin{segs[j].X2, segs[j].Y2};
    if (Finito(inicio)) extremos_.push_back({Celda_De(inicio), 2 * j});
    if (Finito(fin)) extremos_.push_back({Celda_De(fin), 2 * j + 1});
  }
  std::sort(extremos_.begin(), extremos_.end());
}

Encadenador::Celda Encadenador::Celda_De(const Vert& p) const {
  const auto numero = [this](double v) {
    return static_cast<std::int64_t>(std::clamp(std::floor(v / lado_), -kCelda_Maxima, kCelda_Maxima));
  };
  return {numero(p.Y), numero(p.X)};
}

bool Encadenador::Se_Tocan(const Vert& a, double x, double y) const {
  return std::abs(a.X - x) < tolerancia_ && std::abs(a.Y - y) < tolerancia_;
}

int Encadenador::Union(std::uint32_t j, const Vert& frente, const Vert& fondo, bool en_su_lugar) const {
  const SEGS& s = segs_[j];
  const auto une = [&](const Vert& extremo, const Lugar_Extremo& lugar_extremo, double x, double y, bool inicio) {
    if (!Se_Tocan(extremo, x, y)) return false;
    if (!en_su_lugar) return true;
    const Lugares_Segmento& l = (*lugares_)[j];
    return (inicio ? l.inicio : l.fin) == lugar_extremo;
  };
  if (une(frente, lugar_frente_, s.X1, s.Y1, true)) return 1;
  if (une(frente, lugar_frente_, s.X2, s.Y2, false)) return 2;
  if (une(fondo, lugar_fondo_, s.X1, s.Y1, true)) return 3;
  if (une(fondo, lugar_fondo_, s.X2, s.Y2, false)) return 4;
  return 0;
}

void Encadenador::Busca(const Vert& p, const Vert& frente, const Vert& fondo, Union_Hallada& cualquiera,
                        Union_Hallada& en_su_lugar) const {
  if (!Finito(p)) return;
  const Celda c = Celda_De(p);
  for (std::int64_t y = c.y - 1; y <= c.y + 1; ++y) {
    // The three cells of a row are consecutive in the index.
    auto e = std::lower_bound(extremos_.begin(), extremos_.end(), Extremo{{y, c.x - 1}, 0});
    for (; e != extremos_.end() && e->celda.y == y && e->celda.x <= c.x + 1; ++e) {
      const std::uint32_t j = e->indice / 2;
      if (usado_[j]) continue;
      if (j < cualquiera.j)
        if (const int u = Union(j, frente, fondo, false)) cualquiera = {j, u};
      if (lugares_ && j < en_su_lugar.j)
        if (const int u = Union(j, frente, fondo, true)) en_su_lugar = {j, u};
    }
  }
}

bool Encadenador::Siguiente(std::vector<Vert>& cadena) {
  const auto n = static_cast<std::uint32_t>(segs_.size());
  while (primero_ < n && usado_[primero_]) ++primero_;
  if (primero_ == n) return false;

  const SEGS& s0 = segs_[primero_];
  usado_[primero_] = true;
  delante_.clear();
  detras_.assign({{s0.X1, s0.Y1}, {s0.X2, s0.Y2}});
  if (lugares_) {
    lugar_frente_ = (*lugares_)[primero_].inicio;
    lugar_fondo_ = (*lugares_)[primero_].fin;
  }
  for (;;) {
    // Where the places are known, a chain whose two ends lie on one edge has closed: its ring is whole, and an end
    // of another line within the tolerance of it (beside a saddle just below the level) belongs to another ring.
    if (lugares_ && lugar_frente_ == lugar_fondo_ && delante_.size() + detras_.size() > 2) break;
    const Vert frente = delante_.empty() ? detras_.front() : delante_.back();
    const Vert fondo = detras_.back();
    Union_Hallada cualquiera{n}, en_su_lugar{n};
    Busca(frente, frente, fondo, cualquiera, en_su_lugar);
    Busca(fondo, frente, fondo, cualquiera, en_su_lugar);
    const Union_Hallada& u = en_su_lugar.j < n ? en_su_lugar : cualquiera;
    if (u.j == n) break;
    const SEGS& s = segs_[u.j];
    usado_[u.j] = true;
    const Lugares_Segmento l = lugares_ ? (*lugares_)[u.j] : Lugares_Segmento{};
    switch (u.caso) {
      case 1:
        delante_.push_back({s.X2, s.Y2});
        lugar_frente_ = l.fin;
        break;
      case 2:
        delante_.push_back({s.X1, s.Y1});
        lugar_frente_ = l.inicio;
        break;
      case 3:
        detras_.push_back({s.X2, s.Y2});
        lugar_fondo_ = l.fin;
        break;
      default:
        detras_.push_back({s.X1, s.Y1});
        lugar_fondo_ = l.inicio;
        break;
    }
  }
  cadena.assign(delante_.rbegin(), delante_.rend());
  cadena.insert(cadena.end(), detras_.begin(), detras_.end());
  return true;
}

}  // namespace Vyr_Trilat
