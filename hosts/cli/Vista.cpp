#include "hosts/cli/Vista.h"

#include <algorithm>
#include <cmath>

namespace Vyr_Trilat::anfitrion {

Vista Ajusta_Vista(const std::vector<double>& x, const std::vector<double>& y, int ancho, int margen) {
  const auto [xmin, xmax] = std::minmax_element(x.begin(), x.end());
  const auto [ymin, ymax] = std::minmax_element(y.begin(), y.end());
  double dx = *xmax - *xmin, dy = *ymax - *ymin;
  // An extent beyond the range of doubles gets a square view of its own: the model's computation reports the
  // overflow.
  if (!std::isfinite(dx) || !std::isfinite(dy)) dx = dy = 1;
  dx = std::max(dx, 1e-9), dy = std::max(dy, 1e-9);
  Vista v;
  v.ancho = ancho;
  v.EE1 = dx / (ancho - 2 * margen);
  // Tall surveys keep their aspect within a picture at most twice as tall as wide; the height is capped before it
  // becomes an int, which a very thin survey's would not fit.
  const double alto = std::ceil(dy / v.EE1) + 2 * margen;
  if (alto > 2 * ancho) {
    v.alto = 2 * ancho;
    v.EE1 = dy / (v.alto - 2 * margen);
  } else {
    v.alto = static_cast<int>(alto);
  }
  v.oX1 = *xmin - margen * v.EE1;
  v.oY1 = *ymin - margen * v.EE1;
  v.altoY = v.alto;
  return v;
}

}  // namespace Vyr_Trilat::anfitrion
