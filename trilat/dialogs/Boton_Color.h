// A dialog's colour button: pressing it opens the sibling library's colour chooser on the button's colour, in the
// chooser's fixed order of calls, and the button then shows the colour chosen.
#pragma once

#include <string>

#include "trilat/platform/Control.h"

namespace Vyr_Trilat {

// Runs the chooser with this prompt and returns the button's new colour (its old one when the user cancelled).
Long Elige_Color(Control& boton, const std::string& titulo);

}  // namespace Vyr_Trilat
