// Modal forms and messages on a text terminal, for hosts without windows. Each shown form is listed with its
// numbered controls and their values; the user picks one by number and types a value, ticks a box or presses a
// button, so the form's own handlers run as they would for a click. Messages wait for Enter.
#pragma once

#include <iosfwd>
#include <string>

#include "trilat/platform/Formulario.h"
#include "trilat/platform/MsgBox.h"
#include "trilat/platform/Presentador_Formularios.h"

namespace Vyr_Trilat::anfitrion {

// Installed as this thread's form and message presenter while it lives; the previous ones come back after.
// A show returns once the form hides itself (its Aceptar or Cancelar). The end of the input (Ctrl-D on a
// terminal) closes the window on top as its close box would, with no button handler run.
class Presentador_Terminal {
 public:
  // Reads the user's lines from `entrada` and writes to `salida`; neither is owned.
  Presentador_Terminal(std::istream& entrada, std::ostream& salida);
  ~Presentador_Terminal();
  Presentador_Terminal(const Presentador_Terminal&) = delete;
  Presentador_Terminal& operator=(const Presentador_Terminal&) = delete;

 private:
  void Presenta(Formulario& formulario);
  Long Avisa(const Mensaje& mensaje);
  // False at the end of the input.
  bool Lee_Linea(std::string& linea);

  std::istream& entrada_;
  std::ostream& salida_;
  Presentador_Formularios formularios_anterior_;
  Presentador_Mensajes mensajes_anterior_;
};

}  // namespace Vyr_Trilat::anfitrion
