// The state of one c_Curvado instance: the parameters of its runs, its progress object, the lines stored so far
// with the record the host reads, and the working tables of the last run.
#pragma once

#include <vector>

#include "trilat/c_Curvado/Corte_Triangulo.h"
#include "trilat/common/Registros.h"
#include "trilat/platform/Object.h"
#include "trilat/sibling/Datos_Curvas.h"

namespace Vyr_Trilat {

struct Estado_Curvado {
  // Parameters, from the dialog or from the record of the last run.
  double Cota_Max = 0, Cota_Min = 0;
  double E_Maestras = 0;  // 0 is taken as 5
  double E_finas = 0;     // 0 is taken as 1
  Long Colfinas = 0, ColMaestras = 0;
  Long Segmentos = 0;  // samples per smoothed span
  Boolean Suavizar = False;
  Boolean Dibuja_Curvas = False;
  Boolean Cancelado = False;  // the user pressed the dialog's Cancelar
  Boolean Aceptado = False;   // the user pressed its Aceptar (it may also be closed without either)

  ObjectRef Progreso;

  double Tolerancia = 0;       // set by every run
  Boolean Es_Maestra = False;  // the style of the line being finished

  // Lines stored so far (the list only grows), and the count as it stood when the last run completed.
  Long nCurvas = 0;
  Long nCurvas_Completas = 0;
  Datos_Curvas Datos;

  // Working tables: the points with their working elevations (position j is host point j + 1) and the
  // triangles' corners as positions in it.
  std::vector<Pto3D> Puntos;
  std::vector<Esquinas> Triangulos;
};

}  // namespace Vyr_Trilat
