// The dialogs on a text terminal: what the user reads, typing that runs the forms' own handlers, what Aceptar,
// Cancelar and the end of the input leave in the settings store.
#include <gtest/gtest.h>

#include <sstream>

#include "hosts/support/Presentador_Terminal.h"
#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Grabadores.h"
#include "tests/support/Presentador_Guionizado.h"
#include "trilat/dialogs/f_Curv_P.h"
#include "trilat/dialogs/f_Tri_P.h"
#include "trilat/sibling/c_Ajustes.h"

namespace Vyr_Trilat::anfitrion {
namespace {

constexpr auto npos = std::string::npos;

const std::string kLista_Tri_P =
    "Triangulación:\n  Parámetros triángulos:\n    1) Distáncia máxima de los lados: 100"
    "  (No se formará nigun triángulo con un lado mayor  a la distancia dada)\n"
    "    2) Color triángulos: #00FF00\n  3) [x] Ver formacion de los triangulos\n  4) <Aceptar>\n  5) <Cancelar>\n"
    "Choose 1-5: ";

// Shows the form, loaded first, to a user who types `teclas`; returns what the terminal showed.
std::string Sesion(Formulario& f, std::istream& teclas) {
  std::ostringstream pantalla;
  Presentador_Terminal presentador(teclas, pantalla);
  f.Load();
  f.Show_Modal();
  return pantalla.str();
}

std::string Ajuste(const std::string& seccion, const std::string& clave) {
  return c_Ajustes::Instancia().Lee_Valor("MDT", seccion, clave, Variant()).A_Texto();
}

TEST(Presentador_Terminal, TriangulationDialogValidatesAndEndOfInputClosesWithoutStoring) {
  prueba::Ajustes_Temporales ajustes;
  f_Tri_P dlg;
  std::istringstream teclas("1\n0.5\n\nx\n99\n");  // then the input ends
  const std::string pantalla = Sesion(dlg, teclas);
  const std::string validacion =
      "Distáncia máxima de los lados [100]: Triangulación:: La distancia máxima debe ser mayor de 1\n[Enter] \n";
  const std::string aviso = "Type a number from the list (Enter shows it again), or Ctrl-D to close.\n";
  EXPECT_EQ(pantalla,
            "\n" + kLista_Tri_P + validacion + kLista_Tri_P + aviso + "Choose 1-5: " + aviso + "Choose 1-5: \n");
  EXPECT_EQ(dlg.Busca("txtDistMax").Texto(), "100");
  EXPECT_EQ(dlg.A_CancelarMDT1, False) << "closing the window runs no button handler";
  EXPECT_EQ(ajustes.Texto(), "");
}

TEST(Presentador_Terminal, TriangulationDialogAceptarStoresTheEditedValuesCancelarNothing) {
  prueba::Ajustes_Temporales ajustes;
  f_Tri_P cancelado;
  std::istringstream cancela("1\n250\n3\n5\n");
  Sesion(cancelado, cancela);
  EXPECT_TRUE(cancelado.A_CancelarMDT1 == True && ajustes.Texto().empty());
  // The distance, formation off, the colour through the chooser (a form shown from a handler), Aceptar; the show
  // returns as soon as the form hides itself, leaving the rest of the input unread.
  f_Tri_P dlg;
  std::istringstream teclas("1\n250\n3\n2\n1\n#FF0000\n3\n4\nnot for the form\n");
  const std::string pantalla = Sesion(dlg, teclas);
  EXPECT_NE(pantalla.find("Color triangulos:\n  1) Color (número o #RRGGBB): #FF0000\n  2) <Cancelar>"), npos);
  EXPECT_NE(pantalla.find("    2) Color triángulos: #FF0000\n  3) [ ] Ver formacion"), npos) << pantalla;
  EXPECT_TRUE(dlg.A_Aceptar == True && Ajuste("Triangulación", "Distacia Maxima") == "250" &&
              Ajuste("Triangulación", "Color") == "255");
  std::string resto;
  EXPECT_TRUE(std::getline(teclas, resto) && resto == "not for the form") << resto;
}

TEST(Presentador_Terminal, ContouringDialogShowsEveryReachableControlAndStoresOnAceptar) {
  prueba::Ajustes_Temporales ajustes;
  f_Curv_P dlg;
  dlg.A_ColorF = 38088;
  dlg.A_ColorM = 11578544;
  dlg.Load();
  dlg.Let_A_Cota_Maxima(812.5);
  dlg.Let_A_Cota_Minima(700);
  std::istringstream teclas("3\n2.5\n5\n10\n8\n11\n");
  const std::string pantalla = Sesion(dlg, teclas);
  // The segment count sits below the client area: never listed.
  EXPECT_EQ(pantalla.find("\nCurvado:\n  Curvado:\n    1) Cota Maxima: 812.500\n    2) Cota Minima: 700.000\n"
                          "    3) Curvas Finas: 1\n    4) Color Curvas Finas: #C89400\n    5) Curvas Maestras: 5\n"
                          "    6) Color Curvas Maestras: #B0ACB0\n    7) <Restaurar colores>\n"
                          "  8) [x] Suavizar  (Calcula curvas suavizadas o solo sus alineaciones exactas)\n"
                          "  9) [x] Ver formacion del curvado\n  10) <Cancelar>\n  11) <Aceptar>\nChoose 1-11: "),
            0u)
      << pantalla;
  EXPECT_NE(pantalla.find("  8) [ ] Suavizar  ("), npos);
  EXPECT_TRUE(dlg.A_Aceptar1 == True && dlg.A_EquiFi == 2.5 && dlg.A_EquiMa == 10);
}

// Messages and forms go to the terminal while its presenter lives, and to the ones before it afterwards.
TEST(Presentador_Terminal, PresentsOnlyWhileItLives) {
  prueba::Ajustes_Temporales ajustes;
  prueba::Mensajes_Grabados mensajes;
  prueba::Presentador_Guionizado guion;
  f_Tri_P dlg;
  std::istringstream enter("\n");
  std::ostringstream pantalla;
  {
    Presentador_Terminal presentador(enter, pantalla);
    MsgBox("hola", vbExclamation);
  }
  EXPECT_EQ(pantalla.str(), "Vyr_Trilat: hola\n[Enter] ");
  MsgBox("adiós");
  dlg.Show_Modal();
  EXPECT_TRUE(mensajes.Lista().size() == 1 && mensajes.Lista()[0].texto == "adiós");
  EXPECT_EQ(guion.Formularios(), std::vector<std::string>{"Triangulación:"});
}

}  // namespace
}  // namespace Vyr_Trilat::anfitrion
