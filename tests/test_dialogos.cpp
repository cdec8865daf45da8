// The triangulation and contouring dialogs as a user and their caller see them, beyond what the terminal's tests
// show: the values they correct as they are remembered or typed, the colour buttons, Aceptar (statement by
// statement) and Cancelar, and what they remember in a real settings file of their own.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Grabadores.h"
#include "tests/support/Presentador_Guionizado.h"
#include "trilat/dialogs/f_Curv_P.h"
#include "trilat/dialogs/f_Tri_P.h"
#include "trilat/sibling/c_Ajustes.h"
#include "trilat/sibling/c_Color.h"

namespace Vyr_Trilat::prueba {
namespace {

// The settings in a file of their own, read and written under the dialog's section, and the messages shown.
template <const char* Seccion>
class Prueba_Dialogo : public ::testing::Test {
 protected:
  static std::string Ajuste(const std::string& clave) {
    return c_Ajustes::Instancia().Lee_Valor("MDT", Seccion, clave, Variant()).A_Texto();
  }
  static void Guarda(const std::string& clave, const std::string& valor) {
    c_Ajustes::Instancia().Guarda_Valor("MDT", Seccion, clave, Variant::De_Texto(valor));
  }
  // Shows the dialog (loading it first if need be) to a user who must play the whole script; returns the captions
  // of the forms shown.
  static std::vector<std::string> Muestra(Formulario& dialogo, std::vector<Accion_Usuario> guion) {
    Presentador_Guionizado usuario(std::move(guion));
    dialogo.Show_Modal();
    EXPECT_EQ(usuario.Pendientes(), 0u) << dialogo.Caption();
    return usuario.Formularios();
  }

  Ajustes_Temporales ajustes_;
  Mensajes_Grabados mensajes_;
};

constexpr char kSeccion_Triangulacion[] = "Triangulación";
using Tri_P = Prueba_Dialogo<kSeccion_Triangulacion>;
constexpr char kSeccion_Curvado[] = "Curvado";
using Curv_P = Prueba_Dialogo<kSeccion_Curvado>;

// A distance below 1, or beyond the doubles, is put back to 100 with a message, whether remembered or typed; the
// caller reads the remembered one (100 for none above 0) until Aceptar stores what the box holds.
TEST_F(Tri_P, DistanciaMenorQueUnoSeCorrigeAlMomento) {
  const Mensaje corrige{"La distancia máxima debe ser mayor de 1", vbCritical, "Triangulación:"};
  std::size_t dichos = 0;
  for (const auto& [guardada, leida] : {std::pair("0.5", 0.5), {"0", 100.0}, {"-3", 100.0}, {"nada", 100.0}}) {
    Guarda("Distacia Maxima", guardada);
    f_Tri_P dlg;
    dlg.Load();
    EXPECT_EQ(mensajes_.Lista(), std::vector<Mensaje>(++dichos, corrige)) << guardada;
    EXPECT_TRUE(dlg.Busca("txtDistMax").Texto() == "100" && dlg.A_Distac_Maxima() == leida) << guardada;
  }
  // Typed: 1 is the least kept, read as the leading number; the last is stored.
  f_Tri_P dlg;
  Muestra(dlg, {Escribe("txtDistMax", "0.999"), Escribe("txtDistMax", " 1m"), Escribe("txtDistMax", "-2.5"),
                Escribe("txtDistMax", "1e400"), Escribe("txtDistMax", "2.75"), Pulsa("cmdDatosaceptar")});
  EXPECT_EQ(mensajes_.Lista(), std::vector<Mensaje>(dichos + 4, corrige));  // the remembered one, and three typed
  EXPECT_TRUE(Ajuste("Distacia Maxima") == "2.75" && dlg.A_Distac_Maxima() == 2.75);
}

// A colour chosen and then cancelled is shown but not stored; Aceptar stores the boxes, and the position is
// remembered on every unload, also of a dialog never shown.
TEST_F(Tri_P, AceptarGuardaCancelarNo) {
  Guarda("Color", "255");
  {
    f_Tri_P dlg;
    Muestra(dlg, {Escribe("txtDistMax", "20"), Pulsa("cmbColorF"), Elige_Color(0xFF0000), Pulsa("bt_salir")});
    EXPECT_TRUE(dlg.A_color == 0xFF0000 && dlg.Busca("cmbColorF").BackColor() == 0xFF0000);
    EXPECT_TRUE(dlg.A_Aceptar == False && dlg.A_CancelarMDT1 == True);
    EXPECT_TRUE(Ajuste("Color") == "255" && Ajuste("Distacia Maxima").empty());
  }
  {
    f_Tri_P dlg;
    Muestra(dlg, {Escribe("txtDistMax", "37,5"), Marca("chkTriForm", false), Pulsa("cmdDatosaceptar")});
    dlg.Unload();
  }
  EXPECT_NE(ajustes_.Texto().find("Distacia Maxima=37,5\nFormacion=0\nAlineacion=0\n"), std::string::npos);
  {
    f_Tri_P dlg;
    dlg.Load();
    EXPECT_TRUE(dlg.A_Distac_Maxima() == 37.5 && dlg.Busca("txtDistMax").Texto() == "37.5" &&
                dlg.A_Ver_Formacion() == False && dlg.A_color == 255);
    dlg.Mueve(30, 60);
    dlg.Unload();
  }
  f_Tri_P dlg;
  dlg.Load();
  EXPECT_TRUE(dlg.Left() == 30 && dlg.Top() == 60);
}

// The run reads the accepted values back from the store. When its file cannot keep them (here damaged; the
// command's tests make it read-only) the dialog says that they will not be remembered, once, and closes as
// accepted, the run taking what was typed; the file is left as it was.
TEST_F(Tri_P, AceptarConElAlmacenDanadoUsaLoEscrito) {
  std::ofstream(ajustes_.Archivo(), std::ios::binary) << "garbage line\n";
  f_Tri_P dlg;
  Muestra(dlg, {Escribe("txtDistMax", "5"), Marca("chkTriForm", false), Pulsa("cmdDatosaceptar")});
  EXPECT_TRUE(dlg.A_Aceptar == True && dlg.A_Distac_Maxima() == 5 && dlg.A_Ver_Formacion() == False);
  ASSERT_EQ(mensajes_.Lista().size(), 1u);
  const Mensaje& m = mensajes_.Lista()[0];
  EXPECT_TRUE(m.estilo == vbExclamation && m.titulo == "Triangulación:" &&
              m.texto.find(" is damaged (") != std::string::npos &&
              m.texto.ends_with("; the values are used for this run only"))
      << m.texto;
  EXPECT_EQ(ajustes_.Texto(), "garbage line\n");
}

// What neither the terminal (which cannot reach the segment count) nor a contouring run reads: the segment box,
// enabled by the smoothing box, and kept within 1 to 9 whether remembered or typed.
TEST_F(Curv_P, SegmentosEntreUnoYNueve) {
  {
    f_Curv_P dlg;
    dlg.A_CancelarCrv1 = True;
    dlg.Load();
    EXPECT_TRUE(!dlg.Siempre_Encima() && dlg.A_CancelarCrv1 == False && dlg.Busca("txtsegment").Texto() == "5.00");
    EXPECT_TRUE(dlg.Busca("txtsegment").Enabled() && dlg.Busca("Label5").Enabled());
    // Unticking smoothing disables the segment count; resizing puts the frame back; closing stores nothing.
    Muestra(dlg, {Marca("chkcurvAli", false)});
    dlg.Redimensiona(5000, 2000);
    EXPECT_TRUE(!dlg.Busca("txtsegment").Enabled() && !dlg.Busca("Label5").Enabled());
    EXPECT_TRUE(dlg.Width() == 3300 && dlg.Height() == 4095 && ajustes_.Texto().empty() && mensajes_.Lista().empty());
  }
  // Remembered (a negative count reads as 5, zero as it is), then typed over.
  Guarda("Formacion", "0");
  Guarda("Alineacion", "0");
  for (const auto& [guardado, texto, propiedad, tecleado, queda] :
       std::vector<std::tuple<std::string, std::string, double, std::string, std::string>>{
           {"12", "9", 12, "abc", "1"},
           {"0", "1", 0, " 7.5x", " 7.5x"},
           {"-3", "1", 5, "9.5", "9"},
           {"3.456", "3.46", 3.456, "12", "9"},
           {"0.999", "1.00", 0.999, "0", "1"}}) {
    Guarda("Segmentos", guardado);
    f_Curv_P dlg;
    dlg.Load();
    Control& caja = dlg.Busca("txtsegment");
    EXPECT_TRUE(caja.Texto() == texto && dlg.A_Segmentos() == propiedad) << guardado;
    EXPECT_TRUE(dlg.Busca("chkFormCrv").Value() == 0 && !caja.Enabled() && dlg.A_Ver_Formacion() == False);
    caja.Let_Texto(tecleado);
    EXPECT_EQ(caja.Texto(), queda) << tecleado;
  }
}

TEST_F(Curv_P, AceptarGuardaYDevuelveLoEscrito) {
  {
    f_Curv_P dlg;
    dlg.Load();
    dlg.Let_A_Cota_Maxima(0);
    EXPECT_TRUE(dlg.Busca("txtCotaMax").Texto() == "5000.000" && dlg.A_Cota_Maxima() == 5000);
    dlg.Busca("txtsegment").Let_Texto(" 7.50 pasos");
    dlg.Mueve(1200, 700);
    Muestra(dlg, {Escribe("txtequidist", "0"), Escribe("txtMaestras", "nada"), Escribe("txtCotaMax", "250,5"),
                  Escribe("txtCotaMin", "12.25"), Marca("chkFormCrv", false), Pulsa("cmdDatosaceptar")});
    EXPECT_TRUE(dlg.A_EquiFi == 1 && dlg.A_EquiMa == 5);  // zero equidistances become 1 and 5
    EXPECT_TRUE(dlg.A_Cota_Maxima() == 250.5 && dlg.A_Cota_Minima() == 12.25);
    EXPECT_TRUE(dlg.A_Segmentos() == 7.5 && dlg.A_Suavizar() == True);
    // Negative equidistances are taken as none, like 0.
    Muestra(dlg, {Escribe("txtequidist", "-2"), Escribe("txtMaestras", "-0,5"), Pulsa("cmdDatosaceptar")});
    EXPECT_TRUE(dlg.A_EquiFi == 1 && dlg.A_EquiMa == 5);
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
