// The triangulation's vertices in a uniform grid, each with the working triangles at it, to find the triangles
// with an edge lying along a line anywhere in the model: the segment test calls two segments on one line
// meeting however far apart they are, so a forcing must find those too without scanning the table.
#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "trilat/c_Rotura/Estado_Rotura.h"
#include "trilat/common/Rejilla_Uniforme.h"

namespace Vyr_Trilat {

class Rejilla_Vertices {
 public:
  // `dominio` holds every corner; `holgura` is how far from the line a corner may lie.
  Rejilla_Vertices(const Estado_Rotura& s, const Caja& dominio, double holgura);

  // Appends every working triangle with two corners within the margin of the line through A and B (A != B),
  // unsorted and possibly repeated.
  void A_Lo_Largo(const Vert& A, const Vert& B, std::vector<Long>& posiciones);
  // Working triangle t has new corners.
  void Cambiado(Long t);

 private:
  struct Punto {
    double x, y;
    Long v;
  };
  // The keys the corners of each cell are kept in order of, by their gradients: X, Y, X + Y and X - Y.
  static constexpr int kEjes = 4;
  static constexpr std::array<std::array<double, 2>, kEjes> kGradientes{{{1, 0}, {0, 1}, {1, 1}, {1, -1}}};
  static double Clave(double x, double y, int eje) {
    const auto& g = kGradientes[static_cast<std::size_t>(eje)];
    return g[0] * x + g[1] * y;
  }

  const Estado_Rotura& s_;
  double holgura_;
  // Cells of some hundred corners: a line crosses the model through few of them, and in each only the corners in the
  // narrow band it leaves across one of the keys (the one along which the line varies least) are looked at, found
  // by a binary search.
  Rejilla_Uniforme rejilla_;
  std::vector<std::size_t> inicio_;  // the corners of cell c: places inicio_[c] .. inicio_[c + 1] of each order
  std::vector<Punto> puntos_;        // by cell
  // The places in puntos_ by cell, then by each key. A cell is put in a key's order only once lines along that key
  // have crossed it a few times; until then it is read whole, which costs less than ordering it (a model with few
  // breaklines has most cells crossed once or never).
  std::array<std::vector<std::uint32_t>, kEjes> orden_;
  std::vector<std::array<std::uint8_t, kEjes>> leidas_;  // by cell and key, how often read whole so far
  std::vector<std::size_t> inicio_tri_;  // the triangles at corner v: en_vertice_[inicio_tri_[v] .. [v + 1])
  std::vector<Long> en_vertice_;
  std::unordered_map<Long, std::vector<Long>> nuevos_;  // triangles that took a corner since (corner -> triangles)
};

}  // namespace Vyr_Trilat
