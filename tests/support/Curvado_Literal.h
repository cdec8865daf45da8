// Contour tracing as designed, the reference that the library's indexed tracing must match exactly: every
// triangle cut at every level, and chains grown by rescanning the waiting segments from the start after each
// join. Slow on purpose: one level with s segments costs about s² end tests.
#pragma once

#include <vector>

#include "tests/support/Terrenos.h"
#include "trilat/c_Curvado/Corte_Triangulo.h"

namespace Vyr_Trilat::prueba {

// The segments of level `cota`, in triangle order.
std::vector<SEGS> Segmentos_Literales(const std::vector<Pto3D>& puntos, const std::vector<Esquinas>& triangulos,
                                      double cota);

// The chains of a level's segments, in the order they are finished.
std::vector<std::vector<Vert>> Cadenas_Literales(std::vector<SEGS> segs, double tolerancia);

// The working tables of a model: points with their working elevations, triangles as zero-based corners.
std::vector<Pto3D> Puntos_De_Trabajo(const Modelo& m, double e_finas);
std::vector<Esquinas> Esquinas_De(const Modelo& m);

// The lines an unsmoothed run over the model's elevation range stores, traced the literal way.
std::vector<Curva> Curvas_Literales(const Modelo& m, const Ajustes_Curvado& a);

}  // namespace Vyr_Trilat::prueba
