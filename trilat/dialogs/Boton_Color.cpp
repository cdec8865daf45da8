#include "trilat/dialogs/Boton_Color.h"

#include "trilat/sibling/c_Color.h"

namespace Vyr_Trilat {

Long Elige_Color(Control& boton, const std::string& titulo) {
  c_Color selector;
  selector.Let_Titulo(titulo);
  selector.Let_Color_Inicial(std::to_string(boton.BackColor()));
  selector.Let_Opciones(0);
  selector.Let_Ventana_Propietaria(0);
  selector.Let_Colores_Propios(0);
  selector.Muestra();
  boton.Let_BackColor(selector.Color());
  return boton.BackColor();
}

}  // namespace Vyr_Trilat
