// Breakline segments that the forced model does not hold. The forcing leaves a segment out where it cannot make it
// an edge (it crosses another breakline, or spans ground the model leaves open) without saying so: the command
// looks for each segment among the model's edges and names those it does not find.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "hosts/cli/Levantamiento.h"

namespace Vyr_Trilat::anfitrion {

struct Segmento_Ausente {
  std::int64_t desde, hasta;  // the segment, as point numbers
  // A breakline segment it crosses, when one does: the first in the lines' order that the model holds and that
  // does not meet it at a point of both; else the first it crosses.
  std::optional<std::pair<std::int64_t, std::int64_t>> cruza;
  // The model holds that segment, so it stands in this one's way; one it does not hold is no reason (two breaklines
  // that cross over open ground are each missing for the ground).
  bool estorba = false;
};

// The segments of `lineas` (point numbers) that are neither an edge of `triangulos` (point numbers) nor a run of its
// edges through points that lie on the segment (to within the rounding of their coordinates: the forcing splits a
// segment at such points), each once, in order.
std::vector<Segmento_Ausente> Roturas_Ausentes(const std::vector<std::vector<std::int64_t>>& lineas,
                                               const Levantamiento& lev,
                                               const std::vector<std::array<std::int64_t, 3>>& triangulos);

}  // namespace Vyr_Trilat::anfitrion
