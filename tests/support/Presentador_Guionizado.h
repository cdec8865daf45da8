// A form presenter for tests: plays a script of user actions (type into a box, tick a check box, press a button,
// pick a colour in the chooser) against each form shown modally, through the controls' own operations so the
// form's real handlers run. It records the caption of every form it was shown.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/support/Grabadores.h"
#include "trilat/platform/Formulario.h"
#include "trilat/platform/Presentador_Formularios.h"

namespace Vyr_Trilat::prueba {

struct Accion_Usuario {
  enum class Tipo { Escribe, Marca, Pulsa, Elige_Color };
  Tipo tipo;
  std::string control;
  std::string texto;
  bool marcado = false;
};

// Replaces a text box's whole text, as one edit.
inline Accion_Usuario Escribe(std::string control, std::string texto) {
  return {Accion_Usuario::Tipo::Escribe, std::move(control), std::move(texto)};
}
// Ticks (true) or unticks a check box.
inline Accion_Usuario Marca(std::string control, bool marcado) {
  return {Accion_Usuario::Tipo::Marca, std::move(control), {}, marcado};
}
inline Accion_Usuario Pulsa(std::string control) { return {Accion_Usuario::Tipo::Pulsa, std::move(control), {}}; }
// In the colour chooser: types the colour's decimal value and presses Aceptar.
inline Accion_Usuario Elige_Color(Long color) { return {Accion_Usuario::Tipo::Elige_Color, {}, std::to_string(color)}; }

// Installed for this thread while it lives. Each shown form takes the next actions of the script until it is
// hidden; when the script runs out the user closes the window. An action on a control that the user cannot
// reach (hidden, disabled, below the client area) or of the wrong kind throws std::logic_error.
class Presentador_Guionizado {
 public:
  explicit Presentador_Guionizado(std::vector<Accion_Usuario> guion = {}) : guion_(std::move(guion)) {}

  // Captions of the forms shown, in order.
  const std::vector<std::string>& Formularios() const { return formularios_; }
  // Actions not played yet.
  std::size_t Pendientes() const { return guion_.size() - siguiente_; }

 private:
  void Presenta(Formulario& f);

  std::vector<Accion_Usuario> guion_;
  std::size_t siguiente_ = 0;
  std::vector<std::string> formularios_;
  Gancho_Temporal<Presentador_Formularios, Instala_Presentador_Formularios> presentador_{
      [this](Formulario& f) { Presenta(f); }};
};

}  // namespace Vyr_Trilat::prueba
