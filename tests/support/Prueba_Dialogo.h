// What a dialog's tests share: the settings in a file of their own, in a fresh folder, read and written under the
// dialog's section, the messages it shows, and a show to a scripted user.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Grabadores.h"
#include "tests/support/Presentador_Guionizado.h"
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
  // Shows the dialog (loading it first if need be) to a user who plays the whole script; returns the captions of
  // the forms shown.
  static std::vector<std::string> Muestra(Formulario& dialogo, std::vector<Accion_Usuario> guion) {
    Presentador_Guionizado usuario(std::move(guion));
    dialogo.Show_Modal();
    EXPECT_EQ(usuario.Pendientes(), 0u) << dialogo.Caption();
    return usuario.Formularios();
  }

  Ajustes_Temporales ajustes_;
  Mensajes_Grabados mensajes_;
};

}  // namespace Vyr_Trilat::prueba
