// Many short lists of values kept in one array, list k being elementos[inicio[k]] to elementos[inicio[k + 1] - 1],
// filled by counting: no allocation per list, and each list keeps the order in which its values were given.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace Vyr_Trilat {

template <typename T>
struct Listas {
  std::vector<std::size_t> inicio;
  std::vector<T> elementos;

  // `listas` lists from reparte(pon), which calls pon(k, valor) for each value of list k. It runs twice (to count,
  // then to place) and must make the same calls both times.
  template <typename F>
  void Llena(std::size_t listas, F&& reparte) {
    inicio.assign(listas + 1, 0);
    reparte([&](std::size_t k, const T&) { ++inicio[k + 1]; });
    for (std::size_t k = 1; k <= listas; ++k) inicio[k] += inicio[k - 1];
    std::vector<std::size_t> libre(inicio.begin(), inicio.end() - 1);
    elementos.resize(inicio.back());
    reparte([&](std::size_t k, const T& valor) { elementos[libre[k]++] = valor; });
  }

  std::span<T> operator[](std::size_t k) { return {elementos.data() + inicio[k], elementos.data() + inicio[k + 1]}; }
  std::span<const T> operator[](std::size_t k) const {
    return {elementos.data() + inicio[k], elementos.data() + inicio[k + 1]};
  }
};

}  // namespace Vyr_Trilat
