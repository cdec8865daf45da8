// Whether a set of new triangles may replace a set of old ones: a sound triangulation of exactly the region the
// old ones covered, with a given segment as one of its edges and every old edge it does not cross. Decided with
// exact orientation tests.
#pragma once

#include <array>
#include <vector>

#include "trilat/common/Registros.h"
#include "trilat/platform/HostArray.h"

namespace Vyr_Trilat {

using Terna = std::array<Long, 3>;

// As many new triangles as old, none of zero area; the edges that belong to one triangle only are the same in
// both sets, each with its new triangle on the side where the old one lay; every other new edge belongs to
// exactly two new triangles, one on each side of it; every old edge that a-b does not cross inside both is among
// the new edges, and so is a-b. Then the new triangles cover the old region once over, and nothing else.
bool Es_Retriangulacion(const HostArray<Vert>& Coord, const std::vector<Terna>& viejos,
                        const std::vector<Terna>& nuevos, Long a, Long b);

}  // namespace Vyr_Trilat
