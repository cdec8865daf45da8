// Cells of an unbounded plane grid, named by two integers, each holding a number: an open-addressing table with
// linear probing that doubles when half full. For grids far finer than the points in them, where most cells
// are empty and a lookup should cost one memory access.
#pragma once

#include <cstdint>
#include <vector>

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

class Tabla_Celdas {
 public:
  explicit Tabla_Celdas(std::size_t previstas);

  // The number held by cell (i, j); nullptr when it holds none.
  const Long* Busca(std::int64_t i, std::int64_t j) const;
  // Asks for the memory where cell (i, j) is looked up to be brought near, for a lookup soon after.
  void Anticipa(std::int64_t i, std::int64_t j) const;
  // The number held by cell (i, j), which holds 0 from now on if it held none.
  Long& operator()(std::int64_t i, std::int64_t j);

 private:
  struct Entrada {
    std::int64_t i = 0, j = 0;
    Long valor = 0;
    bool usada = false;
  };
  std::size_t Inicio(std::int64_t i, std::int64_t j) const;
  void Crece();

  std::vector<Entrada> entradas_;
  std::size_t mascara_ = 0, usadas_ = 0;
};

}  // namespace Vyr_Trilat
