// Joins a level's segments into polylines. A chain starts from the lowest-numbered waiting segment and grows at
// either end; the segment joined next is always the lowest-numbered waiting one that meets an end, by the first
// of: the front meets its start, the front meets its end, the back meets its start, the back meets its end.
// Ends meet when they differ by less than the tolerance in X and in Y. The waiting segments are found through
// an index of their ends by cells of the plane, never by rescanning the waiting list.
#pragma once

#include <cstdint>
#include <vector>

#include "trilat/common/Registros.h"

namespace Vyr_Trilat {

class Encadenador {
 public:
  // `segs` must outlive the chainer.
  Encadenador(const std::vector<SEGS>& segs, double tolerancia);

  // The next chain, its vertices in order; false once every segment is in a chain.
  bool Siguiente(std::vector<Vert>& cadena);

 private:
  struct Celda {
    std::int64_t y, x;
    auto operator<=>(const Celda&) const = default;
  };
  struct Extremo {
    Celda celda;
    std::uint32_t indice;  // 2 j for the start of segment j, 2 j + 1 for its end
    auto operator<=>(const Extremo&) const = default;
  };

  Celda Celda_De(const Vert& p) const;
  bool Se_Tocan(const Vert& a, double x, double y) const;
  // Which of the four joins segment j makes with the chain's ends, 0 for none.
  int Union(std::uint32_t j, const Vert& frente, const Vert& fondo) const;
  // Lowers `mejor` to the lowest waiting segment with an end near `p` that joins the chain.
  void Busca(const Vert& p, const Vert& frente, const Vert& fondo, std::uint32_t& mejor, int& caso) const;

  const std::vector<SEGS>& segs_;
  double tolerancia_;
  double lado_;  // side of a cell
  std::vector<Extremo> extremos_;
  std::vector<bool> usado_;
  std::uint32_t primero_ = 0;  // no waiting segment lies below it
  // The chain being built: the part grown at the front (last vertex first) and the rest.
  std::vector<Vert> delante_, detras_;
};

}  // namespace Vyr_Trilat
