// The triangles of an edge set: every triple of mutually joined points, found once from its edge that comes
// first in the list, corners in the order p, q, r (p-q that edge). Drawn as they are found when Formacion is True.
#pragma once

#include <array>
#include <vector>

#include "trilat/c_Rotura/Lados_Cavidad.h"

namespace Vyr_Trilat {

std::vector<std::array<Long, 3>> Forma_Triangulos(const Estado_Rotura& s, const std::vector<Lado>& lados);

}  // namespace Vyr_Trilat
