// The order a stable sort by key gives: positions 0 .. n - 1 by ascending key, equal keys (-0 and 0 among them) in
// position order; exactly the permutation std::stable_sort with < gives. Found by radix sort, a few passes over
// the keys' bits, when the keys are numbers; by that sort itself when one is not (and for short lists).
#pragma once

#include <cstddef>
#include <vector>

namespace Vyr_Trilat {

std::vector<std::size_t> Orden_Por_Clave(const std::vector<double>& clave);

}  // namespace Vyr_Trilat
