// How close to an unconnected point the edges that could still accept it must lie.
//
// An edge accepts a point only when the circle it computes holds no scanned point strictly inside. That circle
// is measured to the edge's second corner and, whatever the rounding of its formulas, passes within `Epsilon`
// of the point too, as long as the edge is not nearly horizontal with a steep bisector (`Lado_Seguro`) and the
// point does not lie level with the corner (within the height below which the formulas treat a side as
// horizontal). If every Delaunay neighbour of the point is scanned, such a circle must have its centre in the
// point's Voronoi cell, widened for the slack of the test and that rounding: so the second corner lies within
// twice the cell's reach (plus Epsilon) of the point. Edges farther away provably reject it.
#pragma once

#include <vector>

#include "trilat/c_Triangulos/Estado_Triangulos.h"
#include "trilat/common/Registros.h"
#include "trilat/common/Triangulacion_Delaunay.h"

namespace Vyr_Trilat {

class Alcance_Aceptacion {
 public:
  // Over the working points of the run, whose Delaunay neighbours it takes from the run's triangulation in host
  // coordinates (a neighbour ring that does not turn the same way in working coordinates gives no bound). Without
  // a bound at all when a coordinate is outside the range the error analysis covers (0, or magnitudes from 1e-30
  // to 1e9).
  explicit Alcance_Aceptacion(Estado_Triangulos& s);

  // The distance from point i within which the second corner of any edge that accepts it lies, with the
  // positions of the Delaunay neighbours this rests on (all of them must be scanned); infinity when unknown.
  double Alcance(std::size_t i, std::vector<int>& vecinos) const;
  // The edge from X to Y (X the first corner) keeps its computed circles within Epsilon of the point.
  static bool Lado_Seguro(const XYZ& X, const XYZ& Y);
  // Heights below which the circle formulas treat a side as horizontal, widened for the rounding of the test.
  static constexpr double kFranja_Horizontal = 2 * kCasi_Cero;
  // How far from the point a computed circle through a covered edge may pass (0 when there is no bound at all).
  double Epsilon() const { return epsilon_; }

 private:
  // How far from P the centre of a circle through P within `radio` of it can lie without holding a neighbour.
  double Alcance_Centro(std::size_t i, const std::vector<int>& vecinos, double radio) const;

  const std::vector<XYZ>& puntos_;
  const Triangulacion_Delaunay* delaunay_ = nullptr;
  double epsilon_ = 0;
};

}  // namespace Vyr_Trilat
