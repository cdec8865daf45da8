// What a dialog's tests share: the settings in a file of their own, in a fresh folder, read and written under the
// dialog's section, and the messages it shows.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Grabadores.h"
#include "trilat/sibling/c_Ajustes.h"

namespace Vyr_Trilat::prueba {

template <const char* Seccion>
class Prueba_Dialogo : public ::testing::Test {
 protected:
  static std::string Ajuste(const std::string& clave) {
    return c_Ajustes::Instancia().Lee_Valor("MDT", Seccion, clave, Variant()).A_Texto();
  }
  static void Guarda(const std::string& clave, const std::string& valor) {
    c_Ajustes::Instancia().Guarda_Valor("MDT", Seccion, clave, Variant::De_Texto(valor));
  }

  Ajustes_Temporales ajustes_;
  Mensajes_Grabados mensajes_;
};

}  // namespace Vyr_Trilat::prueba
