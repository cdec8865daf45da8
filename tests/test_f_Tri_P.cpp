// The triangulation dialog as a user and its caller see it: the elevations it passes through, its validation
// message, the colour button, Aceptar and Cancelar, and what it remembers in a real settings file.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/Grabadores.h"
#include "tests/support/Presentador_Guionizado.h"
#include "tests/support/Prueba_Dialogo.h"
#include "trilat/dialogs/f_Tri_P.h"
#include "trilat/sibling/c_Numeros.h"

namespace Vyr_Trilat {
namespace {

using namespace prueba;

const Mensaje kMensaje_Distancia{"La distancia máxima debe ser mayor de 1", vbCritical, "Triangulación:"};

constexpr char kSeccion_Triangulacion[] = "Triangulación";
using Tri_P = Prueba_Dialogo<kSeccion_Triangulacion>;

// What a load shows, and what it gives its caller, is read through the terminal and c_Triangulos' tests; here the
// elevations, which neither reaches.
TEST_F(Tri_P, CotasConTresDecimalesYFueraDelAlcance) {
  f_Tri_P dlg;
  dlg.Load();
  dlg.Let_A_Cota_Maxima(123.4567);
  dlg.Let_A_Cota_Minima(2.675);
  EXPECT_TRUE(dlg.Busca("txtCotaMax").Texto() == "123.457" && dlg.A_Cota_Maxima() == 123.4567);
  {
    Presentador_Guionizado p({Pulsa("cmdDatosaceptar")});
    dlg.Show_Modal();
  }
  EXPECT_EQ(dlg.A_Cota_Maxima(), 123.457);
  EXPECT_EQ(dlg.A_Cota_Minima(), c_Numeros::Instancia().Lee_Numero(dlg.Busca("txtCotaMin").Texto()));
  // The elevation boxes lie below the client area: a user cannot reach them.
  Presentador_Guionizado p({Escribe("txtCotaMax", "5")});
  EXPECT_THROW(dlg.Show_Modal(), std::logic_error);
}

TEST_F(Tri_P, DistanciaGuardadaMenorQueUno) {
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
    Presentador_Guionizado p({Pulsa("cmdDatosaceptar")});
    dlg.Show_Modal();
    EXPECT_TRUE(Ajuste("Distacia Maxima") == "100" && dlg.A_Distac_Maxima() == 100) << guardada;
  }
}

TEST_F(Tri_P, EdicionesPorDebajoDeUnoSeCorrigenAlMomento) {
  f_Tri_P dlg;
  dlg.Load();
  Control& caja = dlg.Busca("txtDistMax");
  for (double v = -2.5; v <= 3; v += 0.125) {
    for (const std::string& texto :
         {c_Numeros::Instancia().Formatea(Variant::De_Doble(v), 3, 0), " " + std::to_string(v) + "m"}) {
      const std::size_t antes = mensajes_.Lista().size();
      caja.Let_Texto(texto);
      const bool corto = v < 1;
      EXPECT_EQ(mensajes_.Lista().size(), antes + (corto ? 1 : 0)) << texto;
      EXPECT_EQ(caja.Texto(), corto ? "100" : texto);
    }
  }
  // A number beyond the range of doubles is corrected the same way, and the dialog goes on.
  Presentador_Guionizado p({Escribe("txtDistMax", "0"), Escribe("txtDistMax", "1e400"), Escribe("txtDistMax", "250.5"),
                            Pulsa("cmdDatosaceptar")});
  const std::size_t antes = mensajes_.Lista().size();
  dlg.Show_Modal();
  EXPECT_EQ(p.Pendientes(), 0u);
  EXPECT_EQ(mensajes_.Lista().size(), antes + 2);
  EXPECT_EQ(mensajes_.Lista().back(), kMensaje_Distancia);
  EXPECT_TRUE(Ajuste("Distacia Maxima") == "250.5" && dlg.A_Distac_Maxima() == 250.5);
}

// The remembered colour is loaded; a colour chosen and then cancelled is shown but not stored.
TEST_F(Tri_P, ColorRecordadoYElegidoSeGuardaSoloConAceptar) {
  Guarda("Color", "255");
  f_Tri_P dlg;
  dlg.Load();
  EXPECT_EQ(dlg.A_color, 255);
  Presentador_Guionizado p({Pulsa("cmbColorF"), Elige_Color(0xFF0000), Pulsa("bt_salir")});
  dlg.Show_Modal();
  EXPECT_TRUE(dlg.A_color == 0xFF0000 && dlg.Busca("cmbColorF").BackColor() == 0xFF0000);
  EXPECT_TRUE(dlg.A_Aceptar == False && dlg.A_CancelarMDT1 == True);
  EXPECT_EQ(Ajuste("Color"), "255");
}

TEST_F(Tri_P, AceptarGuardaEnOrdenYLaPosicionSeRecuerda) {
  {
    f_Tri_P dlg;
    dlg.Load();
    dlg.Mueve(1500, 900);
    Presentador_Guionizado p({Escribe("txtDistMax", "37,5"), Marca("chkTriForm", false), Pulsa("cmdDatosaceptar")});
    dlg.Show_Modal();
    EXPECT_TRUE(dlg.A_Aceptar == True && dlg.A_CancelarMDT1 == False);
    dlg.Unload();
  }
  const std::string archivo = ajustes_.Texto();
  std::size_t anterior = 0;
  for (const auto& [clave, valor] : {std::pair<std::string, std::string>{"Distacia Maxima", "37,5"},
                                     {"Formacion", "0"},
                                     {"Alineacion", "0"},
                                     {"Color", "65280"}}) {
    EXPECT_EQ(Ajuste(clave), valor);
    const std::size_t pos = archivo.find(clave + "=");
    EXPECT_TRUE(pos != std::string::npos && pos > anterior) << clave << " out of order in\n" << archivo;
    anterior = pos;
  }
  {
    f_Tri_P dlg;
    dlg.Load();
    EXPECT_TRUE(dlg.A_Distac_Maxima() == 37.5 && dlg.A_Ver_Formacion() == False);
    EXPECT_EQ(dlg.Busca("txtDistMax").Texto(), "38");
    EXPECT_TRUE(dlg.Left() == 1500 && dlg.Top() == 900);
    dlg.Mueve(30, 60);
    dlg.Unload();  // never shown
  }
  f_Tri_P dlg;
  dlg.Load();
  EXPECT_TRUE(dlg.Left() == 30 && dlg.Top() == 60);
}

// The run reads the accepted values back from the store: when it cannot keep them the dialog says why and stays
// open, rather than closing as accepted with the remembered values in their place.
TEST_F(Tri_P, AceptarConElAlmacenDanadoNoSeCierra) {
  { std::ofstream(ajustes_.Archivo(), std::ios::binary) << "garbage line\n"; }
  f_Tri_P dlg;
  dlg.Load();
  Presentador_Guionizado p({Escribe("txtDistMax", "5"), Pulsa("cmdDatosaceptar"), Pulsa("bt_salir")});
  dlg.Show_Modal();
  EXPECT_EQ(p.Pendientes(), 0u);
  EXPECT_TRUE(dlg.A_Aceptar == False && dlg.A_CancelarMDT1 == True);
  ASSERT_EQ(mensajes_.Lista().size(), 1u);
  const Mensaje& m = mensajes_.Lista()[0];
  EXPECT_TRUE(m.estilo == vbCritical && m.titulo == "Triangulación:" && m.texto.find("damaged") != std::string::npos)
      << m.texto;
  EXPECT_EQ(ajustes_.Texto(), "garbage line\n");
}

}  // namespace
}  // namespace Vyr_Trilat
