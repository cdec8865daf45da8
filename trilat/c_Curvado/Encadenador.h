// Joins a level's segments into polylines. A chain starts from the lowest-numbered waiting segment and grows at
// either end; the segment joined next is always the lowest-numbered waiting one that meets an end, by the first
// of: the front meets its start, the front meets its end, the back meets its start, the back meets its end.
// Ends meet when they differ by less than the tolerance in X and in Y. The waiting segments are found through
// an index of their ends by cells of the plane, never by rescanning the waiting list.
//
// Where the segments' places in the model are known, a segment that meets an end at the same place (the triangle
// across the edge the chain ends on) is joined before any other: a corner just below a level puts the crossings
// on its edges within the tolerance of each other, and the lowest-numbered segment there would close a loop
// early, splitting one contour in two. Where only one segment meets an end, as almost everywhere, nothing changes.
// A chain whose two ends lie at one place has closed, and ends there.
#pragma once

#include <cstdint>
#include <vector>

#include "trilat/c_Curvado/Corte_Triangulo.h"
#include "trilat/common/Registros.h"

namespace Vyr_Trilat {

class Encadenador {
 public:
  // `segs` and `lugares` (where the ends of each segment lie, or null) must outlive the chainer.
  Encadenador(const std::vector<SEGS>& segs, double tolerancia, const std::vector<Lugares_Segmento>* lugares = nullptr);

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

  // A segment to join and which of the four joins it makes (0: none).
  struct Union_Hallada {
    std::uint32_t j;
    int caso = 0;
  };

  Celda Celda_De(const Vert& p) const;
  bool Se_Tocan(const Vert& a, double x, double y) const;
  // Which of the four joins segment j makes with the chain's ends, 0 for none; with `en_su_lugar`, only those
  // where the ends also lie at the same place.
  int Union(std::uint32_t j, const Vert& frente, const Vert& fondo, bool en_su_lugar) const;
  // Lowers `cualquiera` to the lowest waiting segment with an end near `p` that joins the chain, and `en_su_lugar`
  // to the lowest that joins it at the same place.
  void Busca(const Vert& p, const Vert& frente, const Vert& fondo, Union_Hallada& cualquiera,
             Union_Hallada& en_su_lugar) const;

  const std::vector<SEGS>& segs_;
  double tolerancia_;
  const std::vector<Lugares_Segmento>* lugares_;
  Lugar_Extremo lugar_frente_, lugar_fondo_;  // where the chain's ends lie
  double lado_;                               // side of a cell
  std::vector<Extremo> extremos_;
  std::vector<bool> usado_;
  std::uint32_t primero_ = 0;  // no waiting segment lies below it
  // The chain being built: the part grown at the front (last vertex first) and the rest.
  std::vector<Vert> delante_, detras_;
};

}  // namespace Vyr_Trilat
