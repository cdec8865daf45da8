// The forms model as the dialogs rely on it: events fired by program and user edits alike, load and unload,
// modal shows through the presenter, what a user can reach, and the colour chooser.
#include <gtest/gtest.h>

#include "tests/support/Grabadores.h"
#include "tests/support/Numero_Error.h"
#include "tests/support/Presentador_Guionizado.h"
#include "trilat/sibling/c_Color.h"

namespace Vyr_Trilat {
namespace {

using namespace prueba;

class Formulario_Prueba : public Formulario {
 public:
  Formulario_Prueba() : Formulario("Prueba:", 3000, 2000) {
    using enum Tipo_Control;
    Control* marco = &Agrega(Frame, {"Marco"}, nullptr, {60, 60, 2800, 1200}, "Marco:");
    caja = &Agrega(TextBox, {"txtValor"}, marco, {100, 100, 800, 285}, "5");
    Agrega(TextBox, {"txtOculta"}, nullptr, {100, 2100, 800, 285});
    chk = &Agrega(CheckBox, {"chkOpcion"}, nullptr, {100, 1300, 2000, 285}, "Opción");
    Agrega(CommandButton, {"cmdAceptar"}, nullptr, {1800, 1600, 1000, 360}, "Aceptar").Cuando_Pulsa([this] {
      log.push_back("Aceptar");
      Hide();
    });
    caja->Cuando_Cambia([this] {
      log.push_back("Change " + caja->Texto());
      if (caja->Texto() == "0") caja->Let_Texto("1");
    });
    chk->Cuando_Pulsa([this] { log.push_back("Click " + std::to_string(chk->Value())); });
    Cuando_Carga([this] { log.push_back("Load"); });
    Cuando_Redimensiona([this] {
      log.push_back("Resize");
      Redimensiona(3315, 2570);
    });
    Cuando_Descarga([this] { log.push_back("Unload"); });
  }
  Control* caja;
  Control* chk;
  std::vector<std::string> log;
};

TEST(Formulario, EventosDeProgramaYDelUsuario) {
  Formulario_Prueba f;
  f.Unload();      // never loaded: nothing runs
  f.Show_Modal();  // loads it; with no presenter it returns at once, as a window closed without choosing
  EXPECT_FALSE(f.Visible());
  f.Load();
  f.caja->Let_Texto("5");  // unchanged: no event
  f.caja->Let_Texto("0");  // the handler's own edit re-runs it
  f.chk->Let_Value(1);
  f.chk->Let_Value(1);
  f.Unload();
  f.Unload();
  EXPECT_EQ(f.log, (std::vector<std::string>{"Load", "Change 0", "Change 1", "Click 1", "Unload"}));
  EXPECT_EQ(Numero_Error([&] { f.chk->Let_Value(3); }), 380);

  // The same through a user's actions, and a resize the form undoes.
  f.chk->Let_Value(0);
  f.caja->Let_Texto("5");
  f.log.clear();
  {
    Presentador_Guionizado p(
        {Escribe("txtValor", "0"), Marca("chkOpcion", true), Pulsa("cmdAceptar"), Pulsa("cmdAceptar")});
    f.Show_Modal();
    EXPECT_EQ(p.Pendientes(), 1u);
  }
  f.Redimensiona(5000, 4000);
  EXPECT_EQ(f.log,
            (std::vector<std::string>{"Load", "Change 0", "Change 1", "Click 1", "Aceptar", "Resize", "Resize"}));
  EXPECT_TRUE(f.Ancho_Cliente() == 3000 && f.Alto_Cliente() == 2000);

  EXPECT_TRUE(f.Al_Alcance(*f.caja));
  EXPECT_FALSE(f.Al_Alcance(f.Busca("txtOculta")));  // below the client area
  f.Busca("Marco").Let_Enabled(false);
  EXPECT_FALSE(f.Al_Alcance(*f.caja));
}

// Runs the chooser with the script; returns the colour it gives.
Long Elige(Long inicial, std::vector<Accion_Usuario> guion) {
  Presentador_Guionizado p(std::move(guion));
  c_Color color;
  color.Let_Titulo("Color prueba:");
  color.Let_Color_Inicial(std::to_string(inicial));
  color.Muestra();
  EXPECT_EQ(p.Formularios(), std::vector<std::string>{"Color prueba:"});
  return color.Color();
}

TEST(Color, EligeCancelaYRechazaTextos) {
  Mensajes_Grabados mensajes;
  EXPECT_EQ(Elige(65280, {Escribe(c_Color::kCaja_Color, " #FF8000 "), Pulsa(c_Color::kBoton_Aceptar)}), 0x0080FF);
  EXPECT_EQ(Elige(65280, {Elige_Color(123456)}), 123456);
  EXPECT_EQ(Elige(65280, {Escribe(c_Color::kCaja_Color, "255"), Pulsa(c_Color::kBoton_Cancelar)}), 65280);
  EXPECT_EQ(Elige(65280, {}), 65280);  // closed without choosing
  EXPECT_TRUE(mensajes.Lista().empty());
  EXPECT_EQ(Elige(7, {Escribe(c_Color::kCaja_Color, "16777215"), Pulsa(c_Color::kBoton_Aceptar)}), 0xFFFFFF);
  // Beyond 24-bit RGB too: it would be drawn as another colour.
  for (const char* malo : {"", "#12345", "#GG0000", "-1", "12a", "99999999999", "16777216"})
    EXPECT_EQ(Elige(7, {Escribe(c_Color::kCaja_Color, malo), Pulsa(c_Color::kBoton_Aceptar)}), 7) << malo;
  ASSERT_EQ(mensajes.Lista().size(), 7u);
  EXPECT_EQ(mensajes.Lista()[0].titulo, "Color prueba:");

  // The box and the sample show the colour red first, and the sample follows what is typed.
  std::vector<std::string> textos;
  std::vector<Long> muestras;
  const auto anterior = Instala_Presentador_Formularios([&](Formulario& f) {
    Control& caja = f.Busca(c_Color::kCaja_Color);
    for (const char* t : {"", "#0000FF", "xyz"}) {
      if (*t) caja.Let_Texto(t);
      textos.push_back(caja.Texto());
      muestras.push_back(f.Busca("lblMuestra").BackColor());
    }
  });
  c_Color color;
  color.Let_Color_Inicial("255");
  color.Muestra();
  Instala_Presentador_Formularios(anterior);
  EXPECT_EQ(textos, (std::vector<std::string>{"#FF0000", "#0000FF", "xyz"}));
  EXPECT_EQ(muestras, (std::vector<Long>{255, 0xFF0000, 0xFF0000}));
  EXPECT_EQ(color.Color(), 255);
  EXPECT_THROW(color.Let_Color_Inicial("verde"), RuntimeError);
}

}  // namespace
}  // namespace Vyr_Trilat
