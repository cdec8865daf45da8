#include "trilat/c_Rotura/Indice_Vertices.h"

#include <algorithm>

namespace Vyr_Trilat {

Indice_Vertices::Indice_Vertices(const Estado_Rotura& s) : s_(s) {
  const Long nPt = s.Coord.UBound();
  primera_.assign(static_cast<std::size_t>(nPt) + 1, kNunca);
  const Long n = s.Triangs.Allocated() ? s.Triangs.UBound() : 0;
  hay_triangulos_ = n >= 1;
  for (Long t = 1; t <= n; ++t) {
    const Triang_Rot& r = s.Triangs(t);
    const Long esquinas[3] = {r.V1, r.V2, r.V3};
    for (int k = 0; k < 3; ++k) {
      const Orden orden = 3 * static_cast<Orden>(t - 1) + k;
      const Long v = esquinas[k];
      if (v < 0 || v > nPt) {
        fuera_.push_back(v);
        if (primera_fuera_ == kNunca) primera_fuera_ = orden;
      } else if (primera_[static_cast<std::size_t>(v)] == kNunca) {
        primera_[static_cast<std::size_t>(v)] = orden;
      }
    }
  }
  std::sort(fuera_.begin(), fuera_.end());
}

bool Indice_Vertices::Es_Esquina(Long P) const {
  if (P >= 0 && P < static_cast<Long>(primera_.size())) return primera_[static_cast<std::size_t>(P)] != kNunca;
  return std::binary_search(fuera_.begin(), fuera_.end(), P);
}

// The same sums and strict comparisons as the plain scan, so that both snap to the same corner.
bool Indice_Vertices::Cerca(const Vert& p, const Vert& c) const {
  return p.X + 0.001 > c.X && p.X - 0.001 < c.X && p.Y + 0.001 > c.Y && p.Y - 0.001 < c.Y;
}

bool Indice_Vertices::Busca_Vertice(Long& P) {
  if (Es_Esquina(P)) return true;
  if (!hay_triangulos_) return false;
  const Vert p = s_.Coord(P);
  if (por_x_.empty()) {
    for (std::size_t v = 0; v < primera_.size(); ++v)
      if (primera_[v] != kNunca) por_x_.push_back(static_cast<Long>(v));
    std::sort(por_x_.begin(), por_x_.end(), [&](Long a, Long b) { return s_.Coord(a).X < s_.Coord(b).X; });
  }
  // Every corner that can pass the test lies within 0.002 in X (the sums round by far less).
  const auto desde =
      std::lower_bound(por_x_.begin(), por_x_.end(), p.X - 0.002, [&](Long v, double x) { return s_.Coord(v).X < x; });
  Orden mejor = kNunca;
  Long elegido = 0;
  for (auto it = desde; it != por_x_.end() && s_.Coord(*it).X <= p.X + 0.002; ++it) {
    const Orden orden = primera_[static_cast<std::size_t>(*it)];
    if ((mejor == kNunca || orden < mejor) && Cerca(p, s_.Coord(*it))) {
      mejor = orden;
      elegido = *it;
    }
  }
  // The scan in table order would have failed on a corner outside Coord before reaching this one.
  if (primera_fuera_ != kNunca && (mejor == kNunca || primera_fuera_ < mejor))
    throw RuntimeError(Err::Subscript_Out_Of_Range);
  if (mejor == kNunca) return false;
  P = elegido;
  return true;
}

}  // namespace Vyr_Trilat
