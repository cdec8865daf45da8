// The order in which an incremental triangulation takes its points: along a Hilbert curve, so that each point
// lands next to the one before, in rounds of doubling size (a biased randomized insertion order), so that the
// early points already span the whole set. Sorting along the curve also brings exact duplicates together.
// Deterministic on every machine: the rounds come from a fixed-seed std::mt19937_64, whose output the standard
// fixes bit for bit.
#pragma once

#include <span>
#include <vector>

namespace Vyr_Trilat {

struct Orden_Insercion {
  std::vector<int> orden;          // the distinct points, in the order to insert them
  std::vector<int> representante;  // for every point, the lowest index with exactly its coordinates
};

// The points (x[i], y[i]) must be finite and x and y equally long.
Orden_Insercion Ordena_Para_Insercion(std::span<const double> x, std::span<const double> y);

}  // namespace Vyr_Trilat
