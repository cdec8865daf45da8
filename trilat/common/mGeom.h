// Plane geometry shared by the classes.
#pragma once

namespace Vyr_Trilat::mGeom {

// True when the closed segments (x1, y1)-(x2, y2) and (x3, y3)-(x4, y4) cross or touch; collinear segments
// on one line count as crossing whether they overlap or not.
bool Cruza_Segmentos(const double& x1, const double& y1, const double& x2, const double& y2, const double& x3,
                     const double& y3, const double& x4, const double& y4);

}  // namespace Vyr_Trilat::mGeom
