// A window's position on the screen, in twips: what the settings store remembers of a dialog.
#pragma once

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

class Ventana {
 public:
  virtual ~Ventana() = default;
  virtual Long Left() const = 0;
  virtual Long Top() const = 0;
  virtual void Mueve(Long left, Long top) = 0;
};

}  // namespace Vyr_Trilat
