// Forces the breakline segments of a call into the working triangles, one after another, each against the
// triangles as the previous ones left them. A segment through vertices is forced piece by piece. For each piece
// the forcing's own retriangulation is tried first and kept when it is sound; otherwise the corridor of crossed
// triangles is retriangulated on either side of the piece; a piece that leaves the triangulated area stays
// unforced. The number of triangles never changes.
#pragma once

#include <vector>

#include "trilat/c_Rotura/Busqueda_Rotura.h"

namespace Vyr_Trilat {

// The replacement records (corners and Num) in the order they were made, for the write-back into the host's
// arrays. Counts what became of each piece in s.Cuentas.
std::vector<Triang_Rot> Mete_Roturas(Estado_Rotura& s, Busqueda_Rotura& busqueda);

}  // namespace Vyr_Trilat
