#include "trilat/common/Tabla_Celdas.h"

#include "trilat/common/Anticipa_Memoria.h"

namespace Vyr_Trilat {

Tabla_Celdas::Tabla_Celdas(std::size_t previstas) {
  std::size_t capacidad = 16;
  while (capacidad < 2 * previstas) capacidad *= 2;
  entradas_.resize(capacidad);
  mascara_ = capacidad - 1;
}

std::size_t Tabla_Celdas::Inicio(std::int64_t i, std::int64_t j) const {
  // Neighbouring cells must not land in neighbouring slots in runs: mix both indexes thoroughly.
  std::uint64_t h = static_cast<std::uint64_t>(i) * 0x9E3779B97F4A7C15ull;
  h ^= (static_cast<std::uint64_t>(j) + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 32;
  return static_cast<std::size_t>(h) & mascara_;
}

const Long* Tabla_Celdas::Busca(std::int64_t i, std::int64_t j) const {
  for (std::size_t k = Inicio(i, j);; k = (k + 1) & mascara_) {
    const Entrada& e = entradas_[k];
    if (!e.usada) return nullptr;
    if (e.i == i && e.j == j) return &e.valor;
  }
}

void Tabla_Celdas::Anticipa(std::int64_t i, std::int64_t j) const { Anticipa_Memoria(&entradas_[Inicio(i, j)]); }

Long& Tabla_Celdas::operator()(std::int64_t i, std::int64_t j) {
  if (2 * (usadas_ + 1) > entradas_.size()) Crece();
  for (std::size_t k = Inicio(i, j);; k = (k + 1) & mascara_) {
    Entrada& e = entradas_[k];
    if (!e.usada) {
      e = {i, j, 0, true};
      ++usadas_;
      return e.valor;
    }
    if (e.i == i && e.j == j) return e.valor;
  }
}

void Tabla_Celdas::Crece() {
  std::vector<Entrada> viejas(2 * entradas_.size());
  viejas.swap(entradas_);
  mascara_ = entradas_.size() - 1;
  usadas_ = 0;
  for (const Entrada& e : viejas)
    if (e.usada) (*this)(e.i, e.j) = e.valor;
}

}  // namespace Vyr_Trilat
