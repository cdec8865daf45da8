#include "hosts/cli/Vista.h"

#include <algorithm>
#include <cmath>

namespace Vyr_Trilat::anfitrion {

Vista Ajusta_Vista(const std::vector<double>& x, const std::vector<double>& y, int ancho, int margen) {
  const auto [xmin, xmax] = std::minmax_element(x.begin(), x.end());
  const auto [ymin, ymax] = std::minmax_element(y.begin(), y.end());
  const double dx = std::max(*xmax - *xmin, 1e-9), dy = std::max(*ymax - *ymin, 1e-9);
  Vista v;
  v.ancho = ancho;
  v.EE1 = dx / (ancho - 2 * margen);
  // Tall surveys keep their aspect within a square picture at most twice as tall as wide.
  v.alto = static_cast<int>(std::ceil(dy / v.EE1)) + 2 * margen;
  if (v.alto > 2 * ancho) {
    v.alto = 2 * ancho;
    v.EE1 = dy / (v.alto - 2 * margen);
  }
  v.oX1 = *xmin - margen * v.EE1;
  v.oY1 = *ymin - margen * v.EE1;
  v.altoY = v.alto;
  return v;
}

}  // namespace Vyr_Trilat::anfitrion
