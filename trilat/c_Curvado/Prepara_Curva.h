// What happens to every chain the tracing finishes: its control sequence, the one yield to the host's message
// loop per line, and the hand-over to the smoothed or the straight drawing and storage.
#pragma once

#include <vector>

#include "trilat/c_Curvado/Estado_Curvado.h"

namespace Vyr_Trilat {

// `cadena` (two vertices or more) is rewritten in place when it is a closed ring. Smooths when Suavizar is
// non-zero.
void Prepara_Curva(Estado_Curvado& s, std::vector<Vert>& cadena, Long segmentos, Long color, double cota);

}  // namespace Vyr_Trilat
