// Terrain models for contouring tests: the host's point and triangle arrays over surfaces of several kinds
// (smooth, rough, with flat areas, a single hill), either a triangulation of generated points or a jittered grid
// split into two triangles per cell, optionally with holes cut out; and c_Curvado run on them as a host does.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "tests/support/Generadores.h"
#include "tests/support/Grabadores.h"
#include "tests/support/Verificador.h"
#include "trilat/c_Curvado/c_Curvado.h"

namespace Vyr_Trilat::prueba {

enum class Relieve { Suave, Rugoso, Mesetas, Cerro };

struct Modelo {
  Long nPun = 0;
  HostArray<double> X, Y, Z;  // 1 to nPun
  Long nTri = 0;
  HostArray<Long> Vt1, Vt2, Vt3;  // 0 to nTri

  double Z_Max() const;
  double Z_Min() const;
};

// A model from its points (numbered from 1) and triangles.
Modelo Modelo_De(const std::vector<Pto3D>& puntos, const std::vector<Tri>& triangulos);

// nx by ny points `paso` apart, each moved at random by up to `movido` times the step, every cell split into two
// triangles by a diagonal chosen at random.
Modelo Rejilla(Relieve r, int nx, int ny, double paso, double movido, std::uint64_t semilla);

// The library's triangulation of n generated points of the given shape; it may leave gaps.
Modelo Triangulado(Relieve r, Forma forma, std::size_t n, double lado, double dist_max, std::uint64_t semilla);

// The library's triangulation of the points, with their own elevations.
Modelo Triangulado(const Nube& c, double dist_max);

// Leaves out the triangles whose centroid lies within `radio` of (cx, cy).
void Agujerea(Modelo& m, double cx, double cy, double radio);

// The parameters of a run, as a host passes them without showing the dialog.
struct Ajustes_Curvado {
  double e_finas = 1;
  double e_maestras = 5;
  Long colfinas = 38088;
  Long colmaestras = 11578544;
  Long segmentos = 5;
  Boolean suavizar = False;
  Boolean dibuja = True;
};

// Hands recording stand-ins to the instance; the view is origin (0, 0), one unit per pixel, 1000 pixels high.
void Prepara_Curvado(c_Curvado& c, std::shared_ptr<Superficie_Grabadora> sup = nullptr,
                     std::shared_ptr<Progreso_Grabador> prog = nullptr);

// Parametros_Curvado1 without the dialog, over the model's elevation range, then the remembered choices for
// the run. Needs a settings store.
void Configura_Curvado(c_Curvado& c, const Modelo& m, const Ajustes_Curvado& a);

struct Salida_Curvado {
  Datos_Curvas datos;
  std::vector<Mensaje> mensajes;
  Boolean cancela = False;
};

// Curvado_calcula1 on the model, with the record afterwards and the messages shown.
Salida_Curvado Calcula_Curvado(c_Curvado& c, Modelo& m);

// A fresh instance prepared, configured and run.
Salida_Curvado Curvado(Modelo& m, const Ajustes_Curvado& a);

}  // namespace Vyr_Trilat::prueba
