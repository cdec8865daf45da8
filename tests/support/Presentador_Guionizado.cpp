#include "tests/support/Presentador_Guionizado.h"

#include <stdexcept>

#include "trilat/sibling/c_Color.h"

namespace Vyr_Trilat::prueba {

namespace {

using Tipo = Accion_Usuario::Tipo;

// The control the action works, checked as a user would find it on screen.
Control& Alcanza(Formulario& f, const std::string& nombre, Tipo_Control tipo) {
  Control& c = f.Busca(nombre);
  if (c.Tipo() != tipo) throw std::logic_error(nombre + " no es del tipo que la acción espera");
  if (!f.Al_Alcance(c)) throw std::logic_error(nombre + " no está al alcance del usuario");
  return c;
}

}  // namespace

Accion_Usuario Escribe(std::string control, std::string texto) {
  return {Tipo::Escribe, std::move(control), std::move(texto)};
}
Accion_Usuario Marca(std::string control, bool marcado) { return {Tipo::Marca, std::move(control), {}, marcado}; }
Accion_Usuario Pulsa(std::string control) { return {Tipo::Pulsa, std::move(control), {}}; }
Accion_Usuario Elige_Color(Long color) { return {Tipo::Elige_Color, {}, std::to_string(color)}; }
Accion_Usuario Cierra() { return {Tipo::Cierra, {}, {}}; }
Accion_Usuario Redimensiona(Long ancho, Long alto) { return {Tipo::Redimensiona, {}, {}, false, ancho, alto}; }

Presentador_Guionizado::Presentador_Guionizado(std::vector<Accion_Usuario> guion)
    : guion_(std::move(guion)), anterior_(Instala_Presentador_Formularios([this](Formulario& f) { Presenta(f); })) {}

Presentador_Guionizado::~Presentador_Guionizado() { Instala_Presentador_Formularios(std::move(anterior_)); }

void Presentador_Guionizado::Presenta(Formulario& f) {
  formularios_.push_back(f.Caption());
  while (f.Visible() && siguiente_ < guion_.size()) {
    if (!Juega(guion_[siguiente_++], f)) return;
  }
}

bool Presentador_Guionizado::Juega(const Accion_Usuario& a, Formulario& f) {
  switch (a.tipo) {
    case Tipo::Escribe:
      Alcanza(f, a.control, Tipo_Control::TextBox).Let_Texto(a.texto);
      break;
    case Tipo::Marca:
      Alcanza(f, a.control, Tipo_Control::CheckBox).Let_Value(a.marcado ? 1 : 0);
      break;
    case Tipo::Pulsa:
      Alcanza(f, a.control, Tipo_Control::CommandButton).Click();
      break;
    case Tipo::Elige_Color:
      Alcanza(f, c_Color::kCaja_Color, Tipo_Control::TextBox).Let_Texto(a.texto);
      Alcanza(f, c_Color::kBoton_Aceptar, Tipo_Control::CommandButton).Click();
      break;
    case Tipo::Redimensiona:
      f.Redimensiona(a.ancho, a.alto);
      break;
    case Tipo::Cierra:
      return false;
  }
  return true;
}

}  // namespace Vyr_Trilat::prueba
