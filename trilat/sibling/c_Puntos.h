// Point-set services of the sibling library: removing points that coincide within a tolerance, and sorting an
// index list by a coordinate. Lists are 1-based, positions 1 to n.
#pragma once

#include "trilat/platform/HostArray.h"
#include "trilat/platform/Object.h"

namespace Vyr_Trilat {

class c_Puntos {
 public:
  // Keeps a point unless it lies strictly nearer than `tolerancia` (plane distance) to a point already kept,
  // walking the list in order; points that are not finite are dropped too. Kept points keep their order in
  // all four lists and n becomes their count. The progress object is not touched.
  void Depura_Puntos(Long& n, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z,
                     HostArray<Long>& numeros, const ObjectRef& progreso, double tolerancia, Boolean mensajes);

  // Reorders idx(1..n) by ascending X(idx); equal X keep their order (a stable sort).
  void Ordena_Indices(Long n, const HostArray<double>& X, HostArray<Long>& idx, const ObjectRef& progreso);
};

}  // namespace Vyr_Trilat
