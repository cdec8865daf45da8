// The searches of a forcing over the working tables: confirming a breakline end as a triangulation vertex, and
// narrowing the working triangles that one segment can concern. Every answer is a superset of what the exact
// tests that follow accept, so a faster search never changes a result.
#pragma once

#include <memory>
#include <vector>

#include "trilat/c_Rotura/Estado_Rotura.h"

namespace Vyr_Trilat {

class Busqueda_Rotura {
 public:
  virtual ~Busqueda_Rotura() = default;

  // The end P is a corner of a working triangle; otherwise P becomes the first corner, in table order and
  // corner order, within 0.001 of it in X and in Y (strictly), if any. Error 9 for a P outside Coord.
  virtual bool Busca_Vertice(Long& P) = 0;

  // Positions of every working triangle with an edge that the segment test can find meeting A-B, ascending.
  virtual void Cortables(const Vert& A, const Vert& B, std::vector<Long>& posiciones) = 0;

  // Positions of every working triangle that touches the closed segment A-B or has a corner within 0.001 of
  // it, ascending.
  virtual void Cercanos(const Vert& A, const Vert& B, std::vector<Long>& posiciones) = 0;

  // Working triangle t has new corners.
  virtual void Cambiado(Long t) = 0;
};

// Builds the searches over the working tables (which must not move while the search lives).
using Fabrica_Busqueda = std::unique_ptr<Busqueda_Rotura> (*)(const Estado_Rotura& s);

// Searches through a grid of the triangles and a sorted list of the vertices.
std::unique_ptr<Busqueda_Rotura> Crea_Busqueda_Indexada(const Estado_Rotura& s);

}  // namespace Vyr_Trilat
