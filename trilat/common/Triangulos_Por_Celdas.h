// Triangles filed by the cells of a uniform grid that they cover, for the queries that decide overlap and
// containment among many triangles: only those that share a cell are compared.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "trilat/common/Registros.h"
#include "trilat/common/Rejilla_Uniforme.h"
#include "trilat/common/Solape_Triangulos.h"

namespace Vyr_Trilat {

// The corners of the triangle of points p with corners t, as listed.
inline Triangulo_Plano Esquinas_De_Triangulo(const std::vector<Vert>& p, const std::array<Long, 3>& t) {
  return {p[static_cast<std::size_t>(t[0])], p[static_cast<std::size_t>(t[1])], p[static_cast<std::size_t>(t[2])]};
}

// The bounding box of the triangle of points p with corners t.
Caja Caja_De_Triangulo(const std::vector<Vert>& p, const std::array<Long, 3>& t);

// Each cell's triangles form a list threaded through flat arrays: filing one allocates nothing.
class Triangulos_Por_Celdas {
 public:
  // Over the central box of the points p (kept by reference), with about `previstos` cells.
  Triangulos_Por_Celdas(const std::vector<Vert>& p, std::size_t previstos);

  void Agrega(const std::array<Long, 3>& t, std::size_t id);

  // Calls f(id) for each filed triangle whose box shares a cell with `caja`, until one answers true; a triangle
  // filed in several of those cells may be given more than once. For use from several threads at once.
  template <typename F>
  bool Alguno_En(const Caja& caja, F&& f) const {
    return En_Celdas([&](auto&& celda) { rejilla_.Recorre_Caja(caja, celda); }, f);
  }
  // The same for the cells of t, each triangle once.
  template <typename F>
  bool Alguno(const std::array<Long, 3>& t, F&& f) {
    ++sello_;
    const Triangulo_Plano e = Esquinas_De_Triangulo(p_, t);
    return En_Celdas([&](auto&& celda) { rejilla_.Recorre_Triangulo(e[0], e[1], e[2], celda); },
                     [&](std::size_t id) {
                       if (visto_.size() <= id) visto_.resize(id + 1, 0);
                       if (visto_[id] == sello_) return false;
                       visto_[id] = sello_;
                       return f(id);
                     });
  }

 private:
  // f(id) for the triangles filed in the cells that recorre(celda) hands over, until one answers true.
  template <typename R, typename F>
  bool En_Celdas(R&& recorre, F&& f) const {
    bool hallado = false;
    recorre([&](std::size_t c) {
      for (std::size_t e = primero_[c]; e != kNinguno && !hallado; e = entradas_[e].siguiente)
        if (f(entradas_[e].id)) hallado = true;
    });
    return hallado;
  }

  static constexpr std::size_t kNinguno = static_cast<std::size_t>(-1);
  struct Entrada {
    std::size_t id, siguiente;
  };
  const std::vector<Vert>& p_;
  Rejilla_Uniforme rejilla_;
  std::vector<std::size_t> primero_;
  // Grown in pieces: a table of millions of entries is never copied whole while both copies are held.
  std::deque<Entrada> entradas_;
  std::vector<std::uint32_t> visto_;
  std::uint32_t sello_ = 0;
};

}  // namespace Vyr_Trilat
