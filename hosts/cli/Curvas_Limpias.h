// The contour lines as the command writes them to files. Contouring keeps each line as it drew it: an unsmoothed
// line as the control sequence of its drawing (its ends repeated, the midpoint of every side inserted), each level
// reached by adding the equidistance over and over (843.3000000000009, or -2.8e-17 for the zero contour), and a
// smoothed ring ending a rounding error away from its start. Files get each line's vertices once, its level as the
// equidistance's decimals write it, and each ring ending exactly where it starts.
#pragma once

#include "trilat/sibling/Datos_Curvas.h"

namespace Vyr_Trilat::anfitrion {

Datos_Curvas Curvas_Limpias(const Datos_Curvas& d);

}  // namespace Vyr_Trilat::anfitrion
