#include "tests/support/Presentador_Guionizado.h"

#include <stdexcept>

#include "trilat/sibling/c_Color.h"

namespace Vyr_Trilat::prueba {

namespace {

// The control the action works, checked as a user would find it on screen.
Control& Alcanza(Formulario& f, const std::string& nombre, Tipo_Control tipo) {
  Control& c = f.Busca(nombre);
  if (c.Tipo() != tipo) throw std::logic_error(nombre + " no es del tipo que la acción espera");
  if (!f.Al_Alcance(c)) throw std::logic_error(nombre + " no está al alcance del usuario");
  return c;
}

}  // namespace

void Presentador_Guionizado::Presenta(Formulario& f) {
  formularios_.push_back(f.Caption());
  while (f.Visible() && siguiente_ < guion_.size()) {
    const Accion_Usuario& a = guion_[siguiente_++];
    switch (a.tipo) {
      case Accion_Usuario::Tipo::Escribe:
        Alcanza(f, a.control, Tipo_Control::TextBox).Let_Texto(a.texto);
        break;
      case Accion_Usuario::Tipo::Marca:
        Alcanza(f, a.control, Tipo_Control::CheckBox).Let_Value(a.marcado ? 1 : 0);
        break;
      case Accion_Usuario::Tipo::Pulsa:
        Alcanza(f, a.control, Tipo_Control::CommandButton).Click();
        break;
      case Accion_Usuario::Tipo::Elige_Color:
        Alcanza(f, c_Color::kCaja_Color, Tipo_Control::TextBox).Let_Texto(a.texto);
        Alcanza(f, c_Color::kBoton_Aceptar, Tipo_Control::CommandButton).Click();
        break;
    }
  }
}

}  // namespace Vyr_Trilat::prueba
