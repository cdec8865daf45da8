// Whether a point lies inside a polygon of working points, decided on a grid of 0.01 coordinate units anchored
// at the polygon's entry 0, with the nonzero winding rule: the inside of a self-crossing outline is every area it
// winds around.
#pragma once

#include "trilat/common/Registros.h"
#include "trilat/platform/HostArray.h"

namespace Vyr_Trilat {

// The polygon's corners are Coord(Vert(1)) ... Coord(Vert(nVrt)); Vert(0) is the grid's origin and takes part in
// the corner test. A point exactly on a corner is outside (Loc := 2); fewer than three corners, outside (Loc := 0);
// otherwise Loc is not touched. A grid point on the outline counts as inside exactly when the point moved an
// infinitesimal step towards +X and then +Y would be inside. Uses the drawing state's polygon buffer.
// Error 9 for an entry outside Vert or Coord, error 6 for a grid coordinate beyond 32 bits.
Boolean Pto_en_Poligono(const HostArray<Vert>& Coord, const HostArray<Long>& Vert, Long nVrt, double xPt, double yTt,
                        Long* Loc);

}  // namespace Vyr_Trilat
