// A range of items worked in stretches on the processor's threads: each stretch of at least a given number of items,
// one stretch per thread at most, the first on the calling thread.
#pragma once

#include <algorithm>
#include <cstddef>
#include <future>
#include <thread>
#include <vector>

#include "trilat/common/En_Otro_Hilo.h"

namespace Vyr_Trilat {

// How many stretches n items make, with at least `minimo` items in each (at least one stretch).
inline std::size_t Tramos(std::size_t n, std::size_t minimo) {
  return std::clamp<std::size_t>(n / std::max<std::size_t>(minimo, 1), 1,
                                 std::max(1U, std::thread::hardware_concurrency()));
}

// Calls f(parte, desde, hasta) for each of `partes` stretches of 0 .. n - 1 in order, all at once; returns when all
// are done, raising what one raised.
template <typename F>
void Por_Tramos(std::size_t n, std::size_t partes, F&& f) {
  const auto tramo = [&](std::size_t p) { return n * p / partes; };
  std::vector<std::future<void>> hilos;
  for (std::size_t p = 1; p < partes; ++p) hilos.push_back(En_Otro_Hilo([&, p] { f(p, tramo(p), tramo(p + 1)); }));
  f(0, tramo(0), tramo(1));
  for (auto& h : hilos) h.get();
}

}  // namespace Vyr_Trilat
