// The state of one c_Triangulos instance that the construction reads and writes: its parameters, progress
// object, abort flag and progress counters, the in-circle state, and the working tables of the last run.
//
// Working points are positions 0 to nPuntos - 1 of Puntos_Trab, in sweep order. A working triangle stores the
// positions of its corners ascending (V1 < V2 < V3); an edge flag says the edge already has a triangle on its
// far side (or is the edge the triangle was built through); Cerrado means all three are set; an Excluido
// triangle has a side longer than Dist_Max and stays in the construction without being returned.
#pragma once

#include <memory>
#include <vector>

#include "trilat/c_Triangulos/Delaunay_Adelantada.h"
#include "trilat/c_Triangulos/Predicados.h"
#include "trilat/common/Registros.h"
#include "trilat/common/Triangulacion_Delaunay.h"
#include "trilat/platform/Object.h"
#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

struct Triangulos_Trabajo {
  std::vector<Long> V1, V2, V3;
  std::vector<Boolean> Lado12, Lado13, Lado23, Cerrado, Excluido;

  // Upper bound of the arrays, -1 when they hold nothing.
  Long Limite() const { return static_cast<Long>(Cerrado.size()) - 1; }
  // Every array to 0 .. limite, cleared.
  void Dimensiona(Long limite);
  // Every array to 0 .. limite, keeping contents.
  void Amplia(Long limite);
  // The corner arrays are released when a run completes; the flags stay.
  void Libera_Vertices();
};

struct Estado_Triangulos {
  // Parameters.
  double Dist_Max = 0;
  double Dist_Busqueda = 0;
  Boolean Ver_Formacion = False;
  Long Color_Tri = 0;

  ObjectRef Progreso;
  Boolean Abortar = False;
  Long Punto_Actual = 0;
  Long nPuntos = 0;

  // The in-circle tolerance is 0 until the first run sets it, and the edge counter is never reset: both
  // outlive a run and change how the next one decides.
  double Tolerancia = 0;
  Circulo Circ;
  Long Contador_Lados = 0;

  // Working tables.
  std::vector<XYZ> Puntos_Trab;
  // The working points in the host's own coordinates, and their Delaunay triangulation there: begun on another
  // thread once the points are cleaned, or made by whoever needs it first during a run (the indexed sweep's bound on
  // where accepting edges lie, or the completion, which then forces the sweep's edges into it), and released when
  // the run ends.
  std::vector<Vert> Puntos_Anfitrion;
  std::shared_ptr<Delaunay_Adelantada> Delaunay_En_Curso;
  std::shared_ptr<Triangulacion_Delaunay> Delaunay;
  Triangulos_Trabajo Triangs;
  Long count = 0;
  std::vector<Boolean> Conectado;
  Long Primer_Tri = 0;
  Long Primer_Pto = 0;

  // How the last model was made: triangles returned from the sweep and added by the completion.
  Long Del_Barrido = 0;
  Long Del_Completado = 0;
};

// The run's Delaunay triangulation of the working points in host coordinates: the one begun ahead, or one made now.
Triangulacion_Delaunay& Delaunay_Anfitrion(Estado_Triangulos& s);

}  // namespace Vyr_Trilat
