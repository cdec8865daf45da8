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

Encadenador::Encadenador(const std::vector<SEGS>& segs, double tolerancia)
    : segs_(segs), tolerancia_(tolerancia), lado_(4 * tolerancia), usado_(segs.size(), false) {
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

int Encadenador::Union(std::uint32_t j, const Vert& frente, const Vert& fondo) const {
  const SEGS& s = segs_[j];
  if (Se_Tocan(frente, s.X1, s.Y1)) return 1;
  if (Se_Tocan(frente, s.X2, s.Y2)) return 2;
  if (Se_Tocan(fondo, s.X1, s.Y1)) return 3;
  if (Se_Tocan(fondo, s.X2, s.Y2)) return 4;
  return 0;
}

void Encadenador::Busca(const Vert& p, const Vert& frente, const Vert& fondo, std::uint32_t& mejor, int& caso) const {
  if (!Finito(p)) return;
  const Celda c = Celda_De(p);
  for (std::int64_t y = c.y - 1; y <= c.y + 1; ++y) {
    // The three cells of a row are consecutive in the index.
    auto e = std::lower_bound(extremos_.begin(), extremos_.end(), Extremo{{y, c.x - 1}, 0});
    for (; e != extremos_.end() && e->celda.y == y && e->celda.x <= c.x + 1; ++e) {
      const std::uint32_t j = e->indice / 2;
      if (j >= mejor || usado_[j]) continue;
      if (const int u = Union(j, frente, fondo)) {
        mejor = j;
        caso = u;
      }
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
  for (;;) {
    const Vert frente = delante_.empty() ? detras_.front() : delante_.back();
    const Vert fondo = detras_.back();
    std::uint32_t mejor = n;
    int caso = 0;
    Busca(frente, frente, fondo, mejor, caso);
    Busca(fondo, frente, fondo, mejor, caso);
    if (mejor == n) break;
    const SEGS& s = segs_[mejor];
    usado_[mejor] = true;
    switch (caso) {
      case 1:
        delante_.push_back({s.X2, s.Y2});
        break;
      case 2:
        delante_.push_back({s.X1, s.Y1});
        break;
      case 3:
        detras_.push_back({s.X2, s.Y2});
        break;
      default:
        detras_.push_back({s.X1, s.Y1});
        break;
    }
  }
  cadena.assign(delante_.rbegin(), delante_.rend());
  cadena.insert(cadena.end(), detras_.begin(), detras_.end());
  return true;
}

}  // namespace Vyr_Trilat
