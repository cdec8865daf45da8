// A dialog's designed layout as a table, and the one check of a form against it: every control in design order
// with its kind, name, container, caption or text, box in twips and whether a user can reach it.
#pragma once

#include <span>

#include "trilat/platform/Formulario.h"

namespace Vyr_Trilat::prueba {

struct Disposicion {
  Tipo_Control tipo;
  Id_Control id;
  const char* contenedor;  // null: the form itself
  const char* texto;
  Caja_Twips caja;
  bool al_alcance;
};

// Adds a test failure for every control that differs from its row, or when the counts differ.
void Espera_Disposicion(const Formulario& f, std::span<const Disposicion> tabla);

}  // namespace Vyr_Trilat::prueba
