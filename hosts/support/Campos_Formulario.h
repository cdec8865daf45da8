// A form as a person reads it off the screen: the controls within reach that take input, in tab order, each
// with the name shown beside it. A text box or a colour button is named by the label to its left on its row.
#pragma once

#include <string>
#include <vector>

#include "trilat/platform/Formulario.h"

namespace Vyr_Trilat::anfitrion {

struct Campo_Formulario {
  Control* control;    // owned by the form
  std::string nombre;  // without a closing colon; empty when nothing on the form names the control
};

// Text boxes, check boxes and command buttons the user can reach (`Formulario::Al_Alcance`), in design order.
std::vector<Campo_Formulario> Campos_Formulario(Formulario& formulario);

}  // namespace Vyr_Trilat::anfitrion
