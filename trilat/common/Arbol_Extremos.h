// Minimum and maximum of a value over ranges of positions (a segment tree), with the searches a sweep makes:
// the first position from some point on whose value lies beyond a limit, or at or below a threshold.
// Positions may be set beyond the current size; the tree then grows, keeping its values.
#pragma once

#include <cstddef>
#include <vector>

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

class Arbol_Extremos {
 public:
  // Positions 0 .. n - 1 with the given values; an empty tree when none.
  explicit Arbol_Extremos(const std::vector<double>& valores = {});

  // Position k takes value v; a value that is not a number is never found by the searches.
  void Pon(Long k, double v);
  // Position k holds no value from now on.
  void Quita(Long k);
  // First position at or after `desde` whose value is greater than `limite`; -1 when none.
  Long Primero_Mayor(Long desde, double limite) const;
  // First position at or after `desde` whose value is at most `umbral`; -1 when none.
  Long Primero_No_Mayor(Long desde, double umbral) const;
  // Smallest and largest value over positions desde .. hasta - 1 (infinities when the range holds none).
  void Extremos(Long desde, Long hasta, double& minimo, double& maximo) const;

 private:
  void Crece(std::size_t n);
  void Hoja(std::size_t k, double v);
  // Node k takes the extremes of its two children; whether they changed.
  bool Sube(std::size_t k);
  template <typename Cumple>
  Long Primero(Long desde, Cumple cumple) const;

  std::size_t hojas_ = 1;
  // Both extremes of a node side by side: a change reads and writes one place per level.
  struct Nodo {
    double minimo, maximo;
  };
  std::vector<Nodo> nodos_;
};

}  // namespace Vyr_Trilat
