// Plane-geometry services of the sibling library: azimuth and distance between two points, and the point at a
// given azimuth and distance. Azimuths are in gon (400 to a turn), clockwise from north (+Y).
#pragma once

#include "trilat/common/Registros.h"

namespace Vyr_Trilat {

class c_Geometria {
 public:
  void Acimut_Distancia(const Vert& origen, const Vert& p, double& acimut, double& distancia) const;
  Vert Polar(const Vert& origen, double acimut, double distancia) const;
};

}  // namespace Vyr_Trilat
