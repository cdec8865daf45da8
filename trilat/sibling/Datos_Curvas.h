// The contour record of the sibling library: the lines that contouring stored, with the settings of the run that
// made them, which a host reads back, keeps and hands back for a later repaint. Copies are deep: the lines and
// their vertices are values, never shared.
#pragma once

#include "trilat/platform/HostArray.h"
#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

// A vertex of a contour line; Z is the line's level.
struct Pto3D {
  double X = 0, Y = 0, Z = 0;
};

// One stored line: vertices 0 to Ultimo, the colour it was drawn with, True for a major contour.
struct Curva {
  Long Ultimo = 0;
  HostArray<Pto3D> Vertices;
  Long Color = 0;
  Boolean Maestra = False;
};

struct Datos_Curvas {
  Long nCurvas = 0;
  Long Colfinas = 0;
  Long ColMaestras = 0;
  double E_Maestras = 0;
  double E_finas = 0;
  Integer Segmentos = 0;
  Boolean Dibuja_Curvas = False;
  Boolean Suavizar = False;
  double Cota_Max = 0;
  double Cota_Min = 0;
  Boolean Calculado = False;
  // Lines 1 to nCurvas; element 0 is never filled.
  HostArray<Curva> Curvas;
};

}  // namespace Vyr_Trilat
