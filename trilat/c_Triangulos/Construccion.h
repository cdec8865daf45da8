// Steps shared by every construction: the working tables built from the cleaned, sorted selection, and the
// output written into the host's triangle arrays.
#pragma once

#include "trilat/c_Triangulos/Completado.h"
#include "trilat/c_Triangulos/Estado_Triangulos.h"
#include "trilat/platform/HostArray.h"

namespace Vyr_Trilat {

// The working point table from the host's own coordinates of the points that the index list orders, turned
// about its first point; then the tolerance, the connection flags and the triangle count of a new run.
void Prepara_Tablas(Estado_Triangulos& s, Long nPt, const HostArray<double>& X, const HostArray<double>& Y,
                    const HostArray<double>& Z, const HostArray<Long>& numeros, const HostArray<Long>& indices);

// Turns a point about `origen` by the construction's small fixed angle.
Vert Gira(const Vert& origen, const Vert& p);

// The model's triangles as host point numbers. Arrays that end with fewer than two keep the bounds of the
// whole construction.
void Escribe_Salida(const Estado_Triangulos& s, const Modelo& m, Long& nTri, HostArray<Long>& Vt1, HostArray<Long>& Vt2,
                    HostArray<Long>& Vt3);

}  // namespace Vyr_Trilat
