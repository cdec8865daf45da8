// The sibling library's modal colour chooser: a small form that shows the colour as text (a decimal RGB value,
// or #RRGGBB with red first as people write it) beside a sample of it. Callers set the title and the initial
// colour, show it and read the colour; cancelling or closing it without choosing keeps the initial colour.
#pragma once

#include <string>

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

class c_Color {
 public:
  // The controls a user works: the colour text and the two buttons.
  static constexpr const char* kCaja_Color = "txtColor";
  static constexpr const char* kBoton_Aceptar = "cmdAceptar";
  static constexpr const char* kBoton_Cancelar = "cmdCancelar";

  void Let_Titulo(std::string titulo) { titulo_ = std::move(titulo); }
  // Decimal text of a 32-bit RGB value (red in the low byte); error 13 when it holds no number, 6 when too big.
  void Let_Color_Inicial(const std::string& texto);
  // Accepted so that callers keep their fixed order: this chooser has no options, no owner window and no
  // palette of custom colours, so the values are not used.
  void Let_Opciones(Long) {}
  void Let_Ventana_Propietaria(Long) {}
  void Let_Colores_Propios(Long) {}

  // Shows the chooser modally; returns when it closes.
  void Muestra();
  // The chosen colour, or the initial one when the chooser was cancelled or not shown.
  Long Color() const { return color_; }

 private:
  std::string titulo_;
  Long inicial_ = 0;
  Long color_ = 0;
};

}  // namespace Vyr_Trilat
