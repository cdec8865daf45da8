// c_Triangulos as a host drives it: the progress writes and message-loop turns of a run, aborting from inside
// the loop, drawing while forming, the error reports, and the parameters taken from the dialog.
#include <gtest/gtest.h>

#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Presentador_Guionizado.h"
#include "tests/support/Triangula.h"
#include "trilat/sibling/c_Ajustes.h"

namespace Vyr_Trilat::prueba {
namespace {

struct Anfitrion {
  std::shared_ptr<Registro> registro = std::make_shared<Registro>();
  std::shared_ptr<Superficie_Grabadora> superficie = std::make_shared<Superficie_Grabadora>();
  c_Triangulos t;
  Anfitrion(double dist_max, Boolean formacion = False, Long color = 0) {
    Prepara_Dibujo(t, superficie, std::make_shared<Progreso_Grabador>(registro));
    t.Parametros_Directos(dist_max, formacion, color);
  }
};

TEST(Servicio_Triangulos, ProgresoBucleDeMensajesYAborto) {
  Anfitrion h(1e5);
  Arrays_Anfitrion a(Genera(Forma::Uniforme, 40, 100, 2));
  std::vector<std::pair<Long, Long>> cuanto;
  std::size_t abortar_en = 0;
  Bucle_Temporal bucle([&] {
    h.registro->push_back("yield");
    Long c = 0, d = 0;
    h.t.CuantoVaYa(c, d);
    cuanto.emplace_back(c, d);
    if (cuanto.size() == abortar_en) h.t.A_ABORTA(True);
  });
  ASSERT_FALSE(Calcula(h.t, a).tris.empty());
  // Value 0, Max, Visible; then each new position once, followed by a turn of the loop; Visible False at the end.
  Registro esperado{"Value=0", "Max=40", "Visible=True"};
  for (int i = 1; i < 40; ++i) esperado.insert(esperado.end(), {"Value=" + std::to_string(i), "yield"});
  esperado.push_back("Visible=False");
  EXPECT_EQ(*h.registro, esperado);
  ASSERT_EQ(cuanto.size(), 39u);
  for (const auto& [c, d] : cuanto) EXPECT_EQ(d, 40);
  EXPECT_LE(cuanto.front().first, 1);

  // Aborted from inside the loop: the pass finishes before the flag is read, the host's arrays stay as they were
  // and the bar visible. The flag persists: the next run stops at its first pass, until the host clears it.
  h.registro->clear();
  abortar_en = cuanto.size() + 10;
  const auto r = Calcula(h.t, a);
  EXPECT_TRUE(r.nTri == -7 && !r.Vt1.Allocated() && r.mensajes.empty());
  EXPECT_EQ(*h.registro, Registro(esperado.begin(), esperado.end() - 1));
  h.registro->clear();
  EXPECT_EQ(Calcula(h.t, a).nTri, -7);
  EXPECT_EQ(*h.registro, (Registro{"Value=0", "Max=40", "Visible=True"}));
  h.t.A_ABORTA(False);
  EXPECT_FALSE(Calcula(h.t, a).tris.empty());
}

TEST(Servicio_Triangulos, DibujaCadaTrianguloAceptado) {
  Anfitrion h(30, True, 255);
  Arrays_Anfitrion a(Genera(Forma::Uniforme, 120, 100, 9));
  const auto r = Calcula(h.t, a);
  const auto& llamadas = h.superficie->Llamadas();
  ASSERT_GE(llamadas.size(), 4u);
  EXPECT_EQ((Registro{llamadas[0], llamadas[1], llamadas[2], llamadas.back()}),
            (Registro{"DrawMode 13", "AutoRedraw 0", "ForeColor 255", "AutoRedraw -1"}));
  // Triangles are drawn as they are accepted, the excluded ones not: one outline per returned triangle.
  EXPECT_EQ(h.superficie->Polilineas(), r.tris.size());

  // Without drawing, the surface is only prepared.
  Anfitrion sin(30, False, 255);
  Calcula(sin.t, a);
  EXPECT_EQ(sin.superficie->Llamadas(), (Registro{"DrawMode 13", "AutoRedraw 0"}));
}

TEST(Servicio_Triangulos, InformesDeError) {
  Arrays_Anfitrion a(Genera(Forma::Uniforme, 30, 100, 1));
  const auto informe = [](const std::string& texto) { return std::vector<Mensaje>{{texto, vbCritical, "Vyr_Trilat"}}; };
  double o = 0, e = 1, alto = 10;
  c_Triangulos t;
  {  // Not a picture box: the report of the drawing-parameters call; the progress object is not kept.
    Mensajes_Grabados m;
    ObjectRef no_es = std::make_shared<Progreso_Grabador>();
    t.Param_Dibujo1(o, o, e, alto, no_es, no_es);
    EXPECT_EQ(m.Lista(), informe("Tri Parametros dibujo 1 - Error nº  13:Type mismatch"));
    EXPECT_EQ(t.Estado().Progreso, nullptr);
  }
  // A progress object without the property: the run's report, and the host's call still returns.
  ObjectRef sup = std::make_shared<Superficie_Grabadora>(), mudo = std::make_shared<Object>();
  t.Param_Dibujo1(o, o, e, alto, sup, mudo);
  t.Parametros_Directos(100, False, 0);
  const auto r = Calcula(t, a);
  EXPECT_EQ(r.mensajes, informe("Calcula triangulos 2 - Error nº  438:Object doesn't support this property or method"));
  EXPECT_EQ(r.nTri, -7);
}

TEST(Servicio_Triangulos, ParametrosDesdeElDialogo) {
  Ajustes_Temporales ajustes;
  Mensajes_Grabados mensajes;
  Boolean cancela = 7;
  Long color = 0;
  // Asks for the parameters, showing the dialog only when there is a user's script to play in it.
  const auto pide = [&](c_Triangulos& x, std::vector<Accion_Usuario> guion, Boolean formacion = True) {
    Boolean mostrar = A_Booleano(!guion.empty());
    Presentador_Guionizado usuario(std::move(guion));
    x.Parametros_Triangulacion3(650, 600, mostrar, cancela, color, formacion);
    return std::tuple(x.Estado().Dist_Max, x.Estado().Dist_Busqueda, x.Estado().Ver_Formacion, x.Estado().Color_Tri);
  };
  c_Triangulos t;
  EXPECT_EQ(pide(t, {}), std::tuple(100.0, 1000.0, True, Long{65280}));  // the defaults on first use
  EXPECT_TRUE(color == 65280 && cancela == False);
  EXPECT_EQ(pide(t, {Escribe("txtDistMax", "12.5"), Marca("chkTriForm", false), Pulsa("cmdDatosaceptar")}),
            std::tuple(12.5, 125.0, False, Long{65280}));

  // Cancelled: nothing stored, Cancela says so; without Formación the drawing is off whatever was stored.
  EXPECT_EQ(std::get<0>(pide(t, {Escribe("txtDistMax", "40"), Pulsa("bt_salir")})), 12.5);
  EXPECT_EQ(cancela, True);
  c_Ajustes::Instancia().Guarda_Valor("MDT", "Triangulación", "Formacion", Variant::De_Entero(1));
  EXPECT_EQ(std::get<2>(pide(t, {}, False)), False);
  EXPECT_TRUE(cancela == False && mensajes.Lista().empty());
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
