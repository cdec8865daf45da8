// A uniform grid of cells over a box, and the ways a search walks it: every cell of a box, every cell of a
// triangle, and every cell within a given distance of a line (as far as a box allows), one cell column or row at a
// time along the line.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "trilat/common/Registros.h"

namespace Vyr_Trilat {

struct Caja {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Toca(const Caja& o) const { return x0 <= o.x1 && o.x0 <= x1 && y0 <= o.y1 && o.y0 <= y1; }
  bool Contiene(const Caja& o) const { return x0 <= o.x0 && o.x1 <= x1 && y0 <= o.y0 && o.y1 <= y1; }
  bool Contiene(const Vert& p) const { return x0 <= p.X && p.X <= x1 && y0 <= p.Y && p.Y <= y1; }
  Caja Ampliada(double m) const { return {x0 - m, y0 - m, x1 + m, y1 + m}; }
  Caja Con(const Caja& o) const {
    return {std::min(x0, o.x0), std::min(y0, o.y0), std::max(x1, o.x1), std::max(y1, o.y1)};
  }
  static Caja De(const Vert& a, const Vert& b) {
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
  }
};

class Rejilla_Uniforme {
 public:
  Rejilla_Uniforme() = default;
  // About `celdas` cells, as square as the box allows; coordinates outside the box fall in its edge cells.
  Rejilla_Uniforme(const Caja& dominio, double celdas);

  std::size_t Total() const { return static_cast<std::size_t>(nx_) * static_cast<std::size_t>(ny_); }
  int Columna(double x) const;
  int Fila(double y) const;
  std::size_t Celda(int i, int j) const {
    return static_cast<std::size_t>(j) * static_cast<std::size_t>(nx_) + static_cast<std::size_t>(i);
  }
  // How many cells the box covers.
  long long Celdas_De(const Caja& c) const {
    return static_cast<long long>(Columna(c.x1) - Columna(c.x0) + 1) * (Fila(c.y1) - Fila(c.y0) + 1);
  }

  template <typename F>
  void Recorre_Caja(const Caja& c, F&& visita) const {
    Recorre_Celdas(Columna(c.x0), Columna(c.x1), Fila(c.y0), Fila(c.y1), visita);
  }

  // Every cell the triangle abc touches, perhaps with a few beside them, each once: a long thin triangle covers far
  // fewer cells than its box.
  template <typename F>
  void Recorre_Triangulo(const Vert& a, const Vert& b, const Vert& c, F&& visita) const;

  // Every cell within `ancho` of the line through A and B and inside `limite`; the cells of `limite` when A = B.
  template <typename F>
  void Recorre_Franja(const Vert& A, const Vert& B, double ancho, const Caja& limite, F&& visita) const;

 private:
  // The cells of columns i0 to i1 and rows j0 to j1.
  template <typename F>
  void Recorre_Celdas(int i0, int i1, int j0, int j1, F&& visita) const {
    for (int j = j0; j <= j1; ++j)
      for (int i = i0; i <= i1; ++i) visita(Celda(i, j));
  }

  Caja dominio_;
  double ancho_celda_ = 1, alto_celda_ = 1;
  int nx_ = 1, ny_ = 1;
};

template <typename F>
void Rejilla_Uniforme::Recorre_Triangulo(const Vert& a, const Vert& b, const Vert& c, F&& visita) const {
  // A triangle of a few cells is walked as its box: cheaper than finding which of them it misses.
  constexpr long long kCeldas_Caja = 8;
  const Caja caja = Caja::De(a, a).Con(Caja::De(b, c));
  const int i0 = Columna(caja.x0), i1 = Columna(caja.x1), j0 = Fila(caja.y0), j1 = Fila(caja.y1);
  if (static_cast<long long>(i1 - i0 + 1) * (j1 - j0 + 1) <= kCeldas_Caja)
    return Recorre_Celdas(i0, i1, j0, j1, visita);
  const Vert v[3] = {a, b, c};
  for (int j = j0; j <= j1; ++j) {
    // The row's band of Y, widened by a quarter cell so that it surely holds every Y that Fila puts in the row (the
    // end rows also hold what lies beyond the grid); the triangle's extent in X over it, from its edges' parts in it.
    const double lo = j == j0 ? caja.y0 : std::max(caja.y0, dominio_.y0 + (j - 0.25) * alto_celda_);
    const double hi = j == j1 ? caja.y1 : std::min(caja.y1, dominio_.y0 + (j + 1.25) * alto_celda_);
    double xmin = HUGE_VAL, xmax = -HUGE_VAL;
    for (int k = 0; k < 3; ++k) {
      const Vert &p = v[k], &q = v[(k + 1) % 3];
      if (std::max(p.Y, q.Y) < lo || std::min(p.Y, q.Y) > hi) continue;
      if (p.Y == q.Y) {
        xmin = std::min({xmin, p.X, q.X}), xmax = std::max({xmax, p.X, q.X});
        continue;
      }
      for (const double y : {std::clamp(lo, std::min(p.Y, q.Y), std::max(p.Y, q.Y)),
                             std::clamp(hi, std::min(p.Y, q.Y), std::max(p.Y, q.Y))}) {
        const double x = p.X + (y - p.Y) * (q.X - p.X) / (q.Y - p.Y);
        xmin = std::min(xmin, x), xmax = std::max(xmax, x);
      }
    }
    if (xmin > xmax) continue;
    // Far more than the rounding of those sums, relative to the grid and to the coordinates.
    const double margen =
        1e-9 * (dominio_.x1 - dominio_.x0 + dominio_.y1 - dominio_.y0) + 1e-12 * std::max(-xmin, xmax);
    const int m0 = std::max(i0, Columna(xmin - margen)), m1 = std::min(i1, Columna(xmax + margen));
    for (int i = m0; i <= m1; ++i) visita(Celda(i, j));
  }
}

template <typename F>
void Rejilla_Uniforme::Recorre_Franja(const Vert& A, const Vert& B, double ancho, const Caja& limite,
                                      F&& visita) const {
  const Caja l{std::max(limite.x0, dominio_.x0), std::max(limite.y0, dominio_.y0), std::min(limite.x1, dominio_.x1),
               std::min(limite.y1, dominio_.y1)};
  if (l.x0 > l.x1 || l.y0 > l.y1) return;
  const double dx = B.X - A.X, dy = B.Y - A.Y;
  if (dx == 0 && dy == 0) {
    Recorre_Caja(l, visita);
    return;
  }
  // March along the line's main axis one cell at a time; across it, the line's extent over the cell widened by
  // the half-width measured along that axis, and by far more than the rounding of these sums.
  const bool por_columnas = std::fabs(dx) >= std::fabs(dy);
  const double pendiente = por_columnas ? dy / dx : dx / dy;
  const double ancho_eje =
      ancho * std::sqrt(1 + pendiente * pendiente) + 1e-9 * (dominio_.x1 - dominio_.x0 + dominio_.y1 - dominio_.y0);
  const double u0 = por_columnas ? A.X : A.Y, v0 = por_columnas ? A.Y : A.X;
  const double u_min = por_columnas ? l.x0 : l.y0, u_max = por_columnas ? l.x1 : l.y1;
  const double v_min = por_columnas ? l.y0 : l.x0, v_max = por_columnas ? l.y1 : l.x1;
  const double base = por_columnas ? dominio_.x0 : dominio_.y0, paso = por_columnas ? ancho_celda_ : alto_celda_;
  const int k0 = por_columnas ? Columna(u_min) : Fila(u_min), k1 = por_columnas ? Columna(u_max) : Fila(u_max);
  for (int k = k0; k <= k1; ++k) {
    const double ua = std::max(base + k * paso, u_min), ub = std::min(base + (k + 1) * paso, u_max);
    const double va = v0 + (ua - u0) * pendiente, vb = v0 + (ub - u0) * pendiente;
    const double lo = std::max(std::min(va, vb) - ancho_eje, v_min);
    const double hi = std::min(std::max(va, vb) + ancho_eje, v_max);
    if (lo > hi) continue;
    const int m0 = por_columnas ? Fila(lo) : Columna(lo), m1 = por_columnas ? Fila(hi) : Columna(hi);
    for (int m = m0; m <= m1; ++m) visita(por_columnas ? Celda(k, m) : Celda(m, k));
  }
}

}  // namespace Vyr_Trilat
