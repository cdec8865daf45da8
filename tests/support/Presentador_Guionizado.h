// A form presenter for tests: plays a script of user actions (type into a box, tick a check box, press a button,
// pick a colour in the chooser) against each form shown modally, through the controls' own operations so the
// form's real handlers run. It records the caption of every form it was shown.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "trilat/platform/Formulario.h"
#include "trilat/platform/Presentador_Formularios.h"

namespace Vyr_Trilat::prueba {

struct Accion_Usuario {
  enum class Tipo { Escribe, Marca, Pulsa, Elige_Color, Cierra, Redimensiona };
  Tipo tipo;
  std::string control;
  std::string texto;
  bool marcado = false;
  Long ancho = 0;
  Long alto = 0;
};

// Replaces a text box's whole text, as one edit.
Accion_Usuario Escribe(std::string control, std::string texto);
// Ticks (true) or unticks a check box.
Accion_Usuario Marca(std::string control, bool marcado);
Accion_Usuario Pulsa(std::string control);
// In the colour chooser: types the colour's decimal value and presses Aceptar.
Accion_Usuario Elige_Color(Long color);
// Closes the window without choosing.
Accion_Usuario Cierra();
// Drags the window's frame to this outer size.
Accion_Usuario Redimensiona(Long ancho, Long alto);

// Installed for this thread while it lives. Each shown form takes the next actions of the script until it is
// hidden; when the script runs out the user closes the window. An action on a control that the user cannot
// reach (hidden, disabled, below the client area) or of the wrong kind throws std::logic_error.
class Presentador_Guionizado {
 public:
  explicit Presentador_Guionizado(std::vector<Accion_Usuario> guion = {});
  ~Presentador_Guionizado();
  Presentador_Guionizado(const Presentador_Guionizado&) = delete;
  Presentador_Guionizado& operator=(const Presentador_Guionizado&) = delete;

  // Captions of the forms shown, in order.
  const std::vector<std::string>& Formularios() const { return formularios_; }
  // Actions not played yet.
  std::size_t Pendientes() const { return guion_.size() - siguiente_; }

 private:
  void Presenta(Formulario& f);
  // False when the action closes the window.
  bool Juega(const Accion_Usuario& a, Formulario& f);

  std::vector<Accion_Usuario> guion_;
  std::size_t siguiente_ = 0;
  std::vector<std::string> formularios_;
  Presentador_Formularios anterior_;
};

}  // namespace Vyr_Trilat::prueba
