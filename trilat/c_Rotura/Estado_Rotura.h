// The state of one c_Rotura instance: its colour and drawing switch, the working copies of the host's points
// and triangles, the breakline segments of the current call, and how the pieces of the last calls were forced.
#pragma once

#include "trilat/common/Registros.h"
#include "trilat/platform/HostArray.h"
#include "trilat/platform/Types.h"
#include "trilat/sibling/Polilinea.h"

namespace Vyr_Trilat {

// A working triangle: which edges the segment being forced crosses (in the list of crossed triangles only), its
// corners as the host stored them, and its index in the host's arrays.
struct Triang_Rot {
  Boolean Corta12 = False;
  Boolean Corta13 = False;
  Boolean Corta23 = False;
  Long V1 = 0, V2 = 0, V3 = 0;
  Long Num = 0;
};

// A breakline segment between two point numbers.
struct Par_Rotura {
  Long P1 = 0, P2 = 0;
};

// What became of every piece forced since the instance was created. A piece is a segment, or part of one
// between vertices lying on it.
struct Estadistica_Rotura {
  Long Aceptados = 0;   // the new triangles of the outline-and-diagonals procedure were a sound retriangulation
  Long Corredores = 0;  // the corridor of crossed triangles was retriangulated instead
  Long Sin_Forzar = 0;  // left as it was: the piece leaves the triangulated area
  Long Sin_Cortes = 0;  // no triangle crossed: nothing to do
  Long Ya_Aristas = 0;  // the procedure's triangles refused, but the piece already is an edge or has no length
  Long Partidos = 0;    // segments and pieces split at vertices lying on them
};

struct Estado_Rotura {
  Long tricolor = 0;
  Boolean Formacion = False;
  HostArray<Vert> Coord;          // 0 to nPt; entry 0 stays (0, 0)
  HostArray<Triang_Rot> Triangs;  // 1 to nTri + 1; working triangle i is host triangle i - 1
  HostArray<Par_Rotura> Roturas;  // 1 to nRoturas
  Long nRoturas = 0;
  HostArray<Polilinea> Pol;  // the host's polylines, held only while they are read
  Long nPol = 0;
  Estadistica_Rotura Cuentas;
};

}  // namespace Vyr_Trilat
