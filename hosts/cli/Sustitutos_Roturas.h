// Breakline vertices the model left out as repeats of a nearby point: cleaning keeps one of two points nearer than
// its tolerance, and a breakline drawn through the other one would lose the segments into and out of it. Such a
// vertex is taken as the nearest corner of the model within that tolerance, so the breakline runs through it.
#pragma once

#include <cstdint>
#include <vector>

#include "hosts/cli/Levantamiento.h"

namespace Vyr_Trilat::anfitrion {

struct Sustituto {
  std::int64_t punto;  // the breakline's point number
  std::int64_t por;    // the corner it is taken as
  double distancia;
};

// `esquina[k]`: the survey's point at library position k + 1 is a corner of the model. Replaces in `lineas` every
// point that is no corner but lies strictly nearer than `tolerancia` to one (the nearest; on equal distances the
// first in the survey), drops a vertex that then repeats the one before it, and returns the replacements in order
// of first appearance.
std::vector<Sustituto> Sustituye_Repetidos(std::vector<std::vector<std::int64_t>>& lineas, const Levantamiento& lev,
                                           const std::vector<bool>& esquina, double tolerancia);

}  // namespace Vyr_Trilat::anfitrion
