// The picture a host draws the survey on: a size in pixels and a view that fits the survey's extent.
#pragma once

#include <vector>

namespace Vyr_Trilat::anfitrion {

struct Vista {
  int ancho = 0, alto = 0;           // pixels
  double oX1 = 0, oY1 = 0, EE1 = 1;  // world at the left and bottom edges, world units per pixel
  double altoY = 0;
};

// A picture `ancho` pixels wide, as tall as the extent needs, with a margin all round.
Vista Ajusta_Vista(const std::vector<double>& x, const std::vector<double>& y, int ancho, int margen);

}  // namespace Vyr_Trilat::anfitrion
