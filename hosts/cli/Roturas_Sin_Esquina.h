// Breakline segments with an end that is no corner of the model. The library skips such a segment and names it by
// the library's positions of its ends, which a user reads as point numbers of the survey and which are not: the
// command takes them out itself and names them by their numbers.
#pragma once

#include <cstdint>
#include <vector>

#include "hosts/cli/Levantamiento.h"

namespace Vyr_Trilat::anfitrion {

struct Segmento_Apartado {
  std::int64_t desde, hasta;  // the segment, as point numbers
  std::int64_t fuera;         // its first end that is no corner
};

// `esquina[k]`: the survey's point at library position k + 1 is a corner of the model. Splits the polylines of
// `lineas` where a segment has an end that is no corner, keeps the pieces of two points or more in order, and
// returns the segments taken out in order.
std::vector<Segmento_Apartado> Aparta_Sin_Esquina(std::vector<std::vector<std::int64_t>>& lineas,
                                                  const Levantamiento& lev, const std::vector<bool>& esquina);

}  // namespace Vyr_Trilat::anfitrion
