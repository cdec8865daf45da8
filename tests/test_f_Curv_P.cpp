// The contouring dialog as a user and its caller see it: what it shows on load, the segment count it keeps within
// 1 to 9, the colour buttons and "Restaurar colores", Aceptar (statement by statement), Cancelar,
// and what it remembers in a real settings file.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/Prueba_Dialogo.h"
#include "trilat/dialogs/f_Curv_P.h"
#include "trilat/sibling/c_Color.h"

namespace Vyr_Trilat::prueba {
namespace {

constexpr char kSeccion_Curvado[] = "Curvado";
using Curv_P = Prueba_Dialogo<kSeccion_Curvado>;

// What neither the terminal (which cannot reach the segment count) nor a contouring run reads: the segment box,
// enabled by the smoothing box, and kept within 1 to 9 whether remembered or typed.
TEST_F(Curv_P, SegmentosEntreUnoYNueve) {
  {
    f_Curv_P dlg;
    dlg.A_CancelarCrv1 = True;
    dlg.Load();
    EXPECT_TRUE(!dlg.Siempre_Encima() && dlg.A_CancelarCrv1 == False);
    EXPECT_EQ(dlg.Busca("txtsegment").Texto(), "5.00");
    EXPECT_TRUE(dlg.Busca("txtsegment").Enabled() && dlg.Busca("Label5").Enabled());
    // Unticking smoothing disables the segment count; resizing puts the frame back; closing stores nothing.
    Muestra(dlg, {Marca("chkcurvAli", false)});
    dlg.Redimensiona(5000, 2000);
    EXPECT_TRUE(!dlg.Busca("txtsegment").Enabled() && !dlg.Busca("Label5").Enabled());
    EXPECT_TRUE(dlg.Width() == 3300 && dlg.Height() == 4095);
    EXPECT_TRUE(ajustes_.Texto().empty() && mensajes_.Lista().empty());
  }
  for (const auto& [guardado, texto, propiedad] : std::vector<std::tuple<std::string, std::string, double>>{
           {"12", "9", 12}, {"0", "1", 0}, {"-3", "1", 5}, {"3.456", "3.46", 3.456}, {"0.999", "1.00", 0.999}}) {
    Guarda("Segmentos", guardado);
    Guarda("Formacion", "0");
    Guarda("Alineacion", "0");
    f_Curv_P dlg;
    dlg.Load();
    EXPECT_EQ(dlg.Busca("txtsegment").Texto(), texto) << guardado;
    EXPECT_EQ(dlg.A_Segmentos(), propiedad) << guardado;  // negative gives 5, zero stays
    EXPECT_TRUE(dlg.Busca("chkFormCrv").Value() == 0 && !dlg.Busca("txtsegment").Enabled() &&
                dlg.A_Ver_Formacion() == False);
  }
  f_Curv_P dlg;
  Control& caja = dlg.Busca("txtsegment");
  for (const auto& [texto, queda] : std::vector<std::pair<std::string, std::string>>{
           {"12", "9"}, {"0", "1"}, {"abc", "1"}, {" 7.5x", " 7.5x"}, {"9.5", "9"}}) {
    caja.Let_Texto(texto);
    EXPECT_EQ(caja.Texto(), queda) << texto;
  }
}

TEST_F(Curv_P, AceptarGuardaYDevuelveLoEscrito) {
  {
    f_Curv_P dlg;
    dlg.Load();
    dlg.Let_A_Cota_Maxima(0);
    dlg.Let_A_Cota_Minima(0);
    EXPECT_TRUE(dlg.Busca("txtCotaMax").Texto() == "5000.000" && dlg.A_Cota_Maxima() == 5000);
    EXPECT_TRUE(dlg.Busca("txtCotaMin").Texto() == "0.000" && dlg.A_Cota_Minima() == 0);
    dlg.Busca("txtsegment").Let_Texto(" 7.50 pasos");
    dlg.Mueve(1200, 700);
    Muestra(dlg, {Escribe("txtequidist", "0"), Escribe("txtMaestras", "nada"), Escribe("txtCotaMax", "250,5"),
                  Escribe("txtCotaMin", "12.25"), Marca("chkFormCrv", false), Pulsa("cmdDatosaceptar")});
    EXPECT_TRUE(dlg.A_Aceptar1 == True && dlg.A_CancelarCrv1 == False);
    EXPECT_TRUE(dlg.A_EquiFi == 1 && dlg.A_EquiMa == 5);  // zero equidistances become 1 and 5
    EXPECT_TRUE(dlg.A_Cota_Maxima() == 250.5 && dlg.A_Cota_Minima() == 12.25);
    EXPECT_TRUE(dlg.A_Segmentos() == 7.5 && dlg.A_Suavizar() == True);
    dlg.Unload();
  }
  EXPECT_NE(ajustes_.Texto().find("Segmentos=7.5\nFormacion=0\nAlineacion=1\n"), std::string::npos);
  // The position comes back, also after a dialog that was never shown.
  for (const Long izquierda : {1200, 10}) {
    f_Curv_P dlg;
    dlg.Load();
    EXPECT_EQ(dlg.Left(), izquierda);
    dlg.Mueve(10, 20);
    dlg.Unload();
  }
  // Negative equidistances are taken as none, like 0.
  f_Curv_P dlg;
  Muestra(dlg, {Escribe("txtequidist", "-2"), Escribe("txtMaestras", "-0,5"), Pulsa("cmdDatosaceptar")});
  EXPECT_TRUE(dlg.A_EquiFi == 1 && dlg.A_EquiMa == 5);

  // A number too large to read keeps what the caller set; a damaged store refuses every write; the rest runs.
  std::ofstream(ajustes_.Archivo(), std::ios::binary) << std::string("x=\0", 3);
  f_Curv_P danado;
  danado.A_EquiMa = 2.5;
  Muestra(danado, {Escribe("txtMaestras", "1e999"), Escribe("txtequidist", "0,25"), Escribe("txtCotaMax", "88"),
                   Pulsa("cmdDatosaceptar")});
  EXPECT_TRUE(danado.A_EquiMa == 2.5 && danado.A_EquiFi == 0.25 && danado.A_Cota_Maxima() == 88 &&
              danado.A_Aceptar1 == True);
  EXPECT_TRUE(ajustes_.Texto() == std::string("x=\0", 3) && mensajes_.Lista().empty());
}

TEST_F(Curv_P, ColoresYCancelar) {
  f_Curv_P dlg;
  dlg.Load();
  dlg.Busca("cmbColorF").Let_BackColor(dlg.A_ColorF = 255);
  dlg.Busca("cmbColorM").Let_BackColor(dlg.A_ColorM = 65280);
  EXPECT_EQ(Muestra(dlg, {Pulsa("cmbColorF"), Elige_Color(0x123456), Pulsa("cmbColorM"),
                          Pulsa(c_Color::kBoton_Cancelar), Pulsa("bt_salir")}),
            (std::vector<std::string>{"Curvado:", "Color curvas finas:", "Color curvas maestras:"}));
  EXPECT_TRUE(dlg.A_ColorF == 0x123456 && dlg.Busca("cmbColorF").BackColor() == 0x123456);
  EXPECT_EQ(dlg.A_ColorM, 65280);  // a cancelled chooser keeps the button's colour
  EXPECT_TRUE(dlg.A_Aceptar1 == False && dlg.A_CancelarCrv1 == True);
  // "Restaurar colores" and Cancelar: the caller still reads the restored colours, and nothing is stored.
  Muestra(dlg, {Pulsa("cmdColor"), Pulsa("bt_salir")});
  EXPECT_TRUE(dlg.A_ColorF == 38088 && dlg.A_ColorM == 11578544 && dlg.Busca("cmbColorM").BackColor() == 11578544);
  EXPECT_TRUE(ajustes_.Texto().empty());
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
