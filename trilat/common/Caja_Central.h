// Where a uniform grid over a set of points should lie: their box less the outermost hundredth of the points on
// each side (at least one). The points left out fall in the grid's edge cells; a few points mistyped kilometres
// away would otherwise stretch the cells until the whole survey lay in a handful of them.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "trilat/common/Rejilla_Uniforme.h"

namespace Vyr_Trilat {

template <typename P>
Caja Caja_Central(const std::vector<P>& puntos, double P::*x, double P::*y) {
  if (puntos.empty()) return {};
  const auto extremos = [&](double P::*coordenada) {
    std::vector<double> v(puntos.size());
    for (std::size_t k = 0; k < puntos.size(); ++k) v[k] = puntos[k].*coordenada;
    const std::size_t fuera = std::min((v.size() + 99) / 100, (v.size() - 1) / 2);
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(fuera), v.end());
    const double menor = v[fuera];
    std::nth_element(v.begin(), v.end() - 1 - static_cast<std::ptrdiff_t>(fuera), v.end());
    return std::pair{menor, v[v.size() - 1 - fuera]};
  };
  const auto [x0, x1] = extremos(x);
  const auto [y0, y1] = extremos(y);
  return {x0, y0, x1, y1};
}

}  // namespace Vyr_Trilat
