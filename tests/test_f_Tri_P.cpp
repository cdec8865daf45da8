// The triangulation dialog as a user and its caller see it: its validation message, the colour button, Aceptar
// and Cancelar, and what it remembers in a real settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/Prueba_Dialogo.h"
#include "trilat/dialogs/f_Tri_P.h"
#include "trilat/sibling/c_Numeros.h"

namespace Vyr_Trilat::prueba {
namespace {

const Mensaje kMensaje_Distancia{"La distancia máxima debe ser mayor de 1", vbCritical, "Triangulación:"};

constexpr char kSeccion_Triangulacion[] = "Triangulación";
using Tri_P = Prueba_Dialogo<kSeccion_Triangulacion>;

// A distance below 1, or beyond the doubles, is put back to 100 with a message, whether remembered or typed; the
// caller reads the remembered one (100 for none above 0) until Aceptar stores what the box holds.
TEST_F(Tri_P, DistanciaMenorQueUnoSeCorrigeAlMomento) {
  for (const char* guardada : {"0.5", "0.4", "0", "-3", "nada"}) {
    Guarda("Distacia Maxima", guardada);
    const std::size_t antes = mensajes_.Lista().size();
    f_Tri_P dlg;
    dlg.Load();
    // "0.5" is shown as Formatea(0.5, 0, 0) = "0", a tie rounded to even, and so it is corrected too.
    ASSERT_EQ(mensajes_.Lista().size(), antes + 1) << guardada;
    EXPECT_EQ(mensajes_.Lista().back(), kMensaje_Distancia);
    EXPECT_EQ(dlg.Busca("txtDistMax").Texto(), "100");
    const double d = c_Numeros::Instancia().Lee_Numero(guardada);
    EXPECT_EQ(dlg.A_Distac_Maxima(), d > 0 ? d : 100) << guardada;
    Muestra(dlg, {Pulsa("cmdDatosaceptar")});
    EXPECT_TRUE(Ajuste("Distacia Maxima") == "100" && dlg.A_Distac_Maxima() == 100) << guardada;
  }
  f_Tri_P dlg;
  dlg.Load();
  Control& caja = dlg.Busca("txtDistMax");
  for (double v = -2.5; v <= 3; v += 0.125) {
    for (const std::string& texto :
         {c_Numeros::Instancia().Formatea(Variant::De_Doble(v), 3, 0), " " + std::to_string(v) + "m"}) {
      const std::size_t antes = mensajes_.Lista().size();
      caja.Let_Texto(texto);
      EXPECT_EQ(mensajes_.Lista().size(), antes + (v < 1 ? 1 : 0)) << texto;
      EXPECT_EQ(caja.Texto(), v < 1 ? "100" : texto);
    }
  }
  const std::size_t antes = mensajes_.Lista().size();
  Muestra(dlg, {Escribe("txtDistMax", "0"), Escribe("txtDistMax", "1e400"), Escribe("txtDistMax", "250.5"),
                Pulsa("cmdDatosaceptar")});
  EXPECT_EQ(mensajes_.Lista().size(), antes + 2);
  EXPECT_TRUE(Ajuste("Distacia Maxima") == "250.5" && dlg.A_Distac_Maxima() == 250.5);
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
    dlg.Load();
    dlg.Mueve(1500, 900);
    Muestra(dlg, {Escribe("txtDistMax", "37,5"), Marca("chkTriForm", false), Pulsa("cmdDatosaceptar")});
    EXPECT_TRUE(dlg.A_Aceptar == True && dlg.A_CancelarMDT1 == False);
    dlg.Unload();
  }
  EXPECT_NE(ajustes_.Texto().find("Distacia Maxima=37,5\nFormacion=0\nAlineacion=0\n"), std::string::npos);
  {
    f_Tri_P dlg;
    dlg.Load();
    EXPECT_TRUE(dlg.A_Distac_Maxima() == 37.5 && dlg.A_Ver_Formacion() == False && dlg.A_color == 255);
    // Shown so that it reads back: the box rewrites the store as it is set.
    EXPECT_EQ(dlg.Busca("txtDistMax").Texto(), "37.5");
    EXPECT_EQ(dlg.A_Distac_Maxima(), 37.5);
    EXPECT_TRUE(dlg.Left() == 1500 && dlg.Top() == 900);
    dlg.Mueve(30, 60);
    dlg.Unload();
  }
  f_Tri_P dlg;
  dlg.Load();
  EXPECT_TRUE(dlg.Left() == 30 && dlg.Top() == 60);
}

// The run reads the accepted values back from the store. When its file cannot keep them (damaged, or read-only) the
// dialog says that they will not be remembered and closes as accepted, the run taking what was typed; the file is
// left as it was.
TEST_F(Tri_P, AceptarConElAlmacenDanadoUsaLoEscrito) {
  for (const bool solo_lectura : {false, true}) {
    SCOPED_TRACE(solo_lectura);
    const std::string antes = solo_lectura ? "[MDT/Triangulación]\nDistacia Maxima=40\n" : "garbage line\n";
    std::ofstream(ajustes_.Archivo(), std::ios::binary) << antes;
    if (solo_lectura) std::filesystem::permissions(ajustes_.Archivo(), std::filesystem::perms::owner_read);
    const std::size_t dichos = mensajes_.Lista().size();
    f_Tri_P dlg;
    Muestra(dlg, {Escribe("txtDistMax", "5"), Marca("chkTriForm", false), Pulsa("cmdDatosaceptar")});
    EXPECT_TRUE(dlg.A_Aceptar == True && dlg.A_CancelarMDT1 == False);
    EXPECT_TRUE(dlg.A_Distac_Maxima() == 5 && dlg.A_Ver_Formacion() == False);
    ASSERT_EQ(mensajes_.Lista().size(), dichos + 1);
    const Mensaje& m = mensajes_.Lista().back();
    EXPECT_TRUE(m.estilo == vbExclamation && m.titulo == "Triangulación:" &&
                m.texto.find(solo_lectura ? "read-only" : "damaged") != std::string::npos &&
                m.texto.find("used for this run only") != std::string::npos)
        << m.texto;
    EXPECT_EQ(ajustes_.Texto(), antes);
  }
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
