// The crossing segments of each level, in triangle order, without cutting every triangle at every level: each
// triangle is filed under the first level its elevation range reaches and kept in hand until the levels pass
// its last one, so that a level only visits the triangles whose range holds it.
#pragma once

#include <vector>

#include "trilat/c_Curvado/Corte_Triangulo.h"

namespace Vyr_Trilat {

class Colector_Segmentos {
 public:
  // `niveles` must rise or fall throughout (repeated addition of one step does either); every corner must be a
  // position in `puntos`. Both tables must outlive the collector.
  Colector_Segmentos(const std::vector<Pto3D>& puntos, const std::vector<Esquinas>& triangulos,
                     const std::vector<double>& niveles);

  // Replaces `segs` with the segments of level i, in the order of the triangles that give them, and `lugares`
  // (when given) with where their ends lie. Levels must be asked for in order, from 0.
  void Segmentos(std::size_t i, std::vector<SEGS>& segs, std::vector<Lugares_Segmento>* lugares = nullptr);

 private:
  struct Triangulo_En_Mano {
    Long k;
    std::size_t ultimo;  // the last level its range reaches
  };

  const std::vector<Pto3D>& puntos_;
  const std::vector<Esquinas>& triangulos_;
  const std::vector<double>& niveles_;
  // The triangles filed under each level, by triangle: those of level i at primeros_[i] to primeros_[i + 1].
  std::vector<std::size_t> primeros_;
  std::vector<Triangulo_En_Mano> archivo_;
  std::vector<Triangulo_En_Mano> en_mano_;  // reached and not yet passed, by triangle
};

}  // namespace Vyr_Trilat
