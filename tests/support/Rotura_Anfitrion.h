// c_Rotura driven as a host drives it, on a terrain model's arrays: the recording picture box, the two forcing calls
// with the messages they show, and the checks that every forcing must pass.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/Grabadores.h"
#include "tests/support/Terrenos.h"
#include "trilat/c_Rotura/c_Rotura.h"

namespace Vyr_Trilat::prueba {

// A model from listed points (numbered from 1) and triangles.
Modelo De_Listas(const std::vector<Vert>& puntos, const std::vector<std::array<Long, 3>>& triangulos);

// The corners of the model's triangles, in the host's order.
std::vector<std::array<Long, 3>> Triangulos_Del_Modelo(const Modelo& m);

// The working tables of a host call on the model, built directly, with these segments to force.
Estado_Rotura Estado_De(const Modelo& m, const std::vector<std::array<Long, 2>>& segmentos);

// Makes a new recording surface the thread's picture box (origin (0, 0), one unit per pixel, 1000 pixels high).
std::shared_ptr<Superficie_Grabadora> Superficie_Nueva();

// The messages each call showed.
std::vector<Mensaje> Fuerza_Segmento(c_Rotura& r, Modelo& m, Long a, Long b);
std::vector<Mensaje> Fuerza_Polilineas(c_Rotura& r, Modelo& m, const std::vector<std::vector<Long>>& lineas);

// What must hold after forcing breaklines into `antes`: the same number of triangles, a sound triangulation (Verifica),
// the same outline edges and covered area, and every piece of the segments inside the triangulated area an edge, unless
// a later segment meets it. A piece runs between the vertices on its segment, found to within the rounding of the
// coordinates and then by the exact test. One line per problem.
std::vector<std::string> Comprueba_Forzado(const Modelo& antes, const Modelo& despues,
                                           const std::vector<std::array<Long, 2>>& segmentos);

}  // namespace Vyr_Trilat::prueba
