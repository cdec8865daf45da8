// The host-boundary types: bounded arrays, checked conversions, the error report, the world-to-pixel transforms,
// and the forms model as the dialogs rely on it (events fired by program and user edits alike, load and unload,
// modal shows through the presenter, what a user can reach, and the colour chooser).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/Grabadores.h"
#include "tests/support/Numero_Error.h"
#include "tests/support/Presentador_Guionizado.h"
#include "trilat/common/Informe_Error.h"
#include "trilat/draw/mDibuja.h"
#include "trilat/platform/HostArray.h"
#include "trilat/platform/Variant.h"
#include "trilat/sibling/c_Color.h"

namespace Vyr_Trilat::prueba {
namespace {

TEST(Plataforma, HostArrayLimites) {
  HostArray<Long> a;
  EXPECT_EQ(Numero_Error([&] { (void)a.UBound(); }), 9);
  a.ReDim(1, 3);
  a(1) = 10;
  for (const Long fuera : {0, 4}) EXPECT_EQ(Numero_Error([&] { a(fuera) = 1; }), 9) << fuera;
  a.ReDim_Preserve(1, 5);
  EXPECT_TRUE(a(1) == 10 && a(5) == 0 && a.UBound() == 5);
  EXPECT_EQ(Numero_Error([&] { a.ReDim_Preserve(0, 2); }), 9);  // the lower bound stays
  // One element at the largest index: its upper bound is that index.
  constexpr Long kMayor = std::numeric_limits<Long>::max();
  a.ReDim(kMayor, kMayor);
  a(kMayor) = 7;
  EXPECT_TRUE(a.UBound() == kMayor && a(kMayor) == 7);
}

// Halves round to even; what does not fit is an overflow. The texts are what a person may have typed in the
// settings file. A negative error number takes the place of the blank before the others in a report.
TEST(Plataforma, ConversionesComprobadasEInforme) {
  for (const auto& [v, e] : {std::pair(2.5, 2), {3.5, 4}, {-2.5, -2}, {32767.4, 32767}}) EXPECT_EQ(CInt(v), e) << v;
  for (double v : {32767.5, -32768.6}) EXPECT_EQ(Numero_Error([v] { CInt(v); }), 6) << v;
  EXPECT_EQ(CLng(-2147483648.4), -2147483647 - 1);
  for (double v : {2147483647.5, std::nan("")}) EXPECT_EQ(Numero_Error([v] { CLng(v); }), 6) << v;
  EXPECT_EQ(Numero_Error([] { Suma(2147483647, 1); }), 6);
  EXPECT_TRUE(Variant::De_Texto(" 65280 ").A_Largo() == 65280 && Variant::De_Texto("1").A_Booleano() == True);
  EXPECT_EQ(Numero_Error([] { Variant::De_Texto("abc").A_Doble(); }), 13);
  EXPECT_EQ(Numero_Error([] { Variant::De_Texto("1e400").A_Doble(); }), 6);
  EXPECT_EQ(Variant::De_Doble(0.1).A_Texto(), "0.1");
  EXPECT_EQ(Texto_Informe_Error("Curvado - Error nº ", RuntimeError(-5, "x"), ": "), "Curvado - Error nº -5: x");
}

TEST(Plataforma, Transformadas) {
  using namespace mDibuja;
  auto sup = std::make_shared<Superficie_Grabadora>();
  const auto vista = [&](double escala, double alto) { Pon_Vista(0.0, 0.0, escala, alto, sup); };
  vista(1, 300);
  const std::pair<double, Long> kPixel_X[] = {{0.999, 0},       {-0.001, -1},     {32000.5, 32000}, {32001, 32000},
                                              {-40000, -32000}, {-32000, -32000}, {-32001, -32000}};
  for (const auto& [x, px] : kPixel_X) EXPECT_EQ(Pixel_X(x), px) << x;
  for (const auto& [y, py] : {std::pair(0.0, 300), {0.5, 300}, {1.0, 299}, {-0.5, 301}}) EXPECT_EQ(Pixel_Y(y), py) << y;
  for (const auto& [alto, py] : {std::pair(300.5, 300), {301.5, 302}}) {
    vista(1, alto);
    EXPECT_EQ(Pixel_Y(0), py) << alto;
  }
  EXPECT_EQ(Numero_Error([] { Pixel_X(3e9); }), 6);  // beyond 32 bits: an overflow, not a clamp
  vista(0, 300);
  EXPECT_EQ(Numero_Error([] { Pixel_X(1); }), 11);
  EXPECT_EQ(Numero_Error([] { Pixel_X(0); }), 6);

  // Not a picture box: type mismatch, and the view set before the refusal stays.
  EXPECT_EQ(Numero_Error([] { Pon_Vista(7.0, 0.0, 1.0, 300.0, std::make_shared<Progreso_Grabador>()); }), 13);
  EXPECT_TRUE(Estado().oX1 == 7 && Estado().draww == sup);
}

class Formulario_Prueba : public Formulario {
 public:
  Formulario_Prueba() : Formulario("Prueba:", 3000, 2000) {
    using enum Tipo_Control;
    Control* marco = &Agrega(Frame, {"Marco"}, nullptr, {60, 60, 2800, 1200}, "Marco:");
    caja = &Agrega(TextBox, {"txtValor"}, marco, {100, 100, 800, 285}, "5");
    Agrega(TextBox, {"txtOculta"}, nullptr, {100, 2100, 800, 285});  // below the client area
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
    Cuando_Descarga([this] { log.push_back("Unload"); });
  }
  Control* caja;
  Control* chk;
  std::vector<std::string> log;
};

TEST(Formulario, EventosDeProgramaYDelUsuario) {
  Formulario_Prueba f;
  f.Unload();  // never loaded: nothing runs
  {
    // Showing loads it; the handler's own edit runs it again; hiding ends the show.
    Presentador_Guionizado p(
        {Escribe("txtValor", "0"), Marca("chkOpcion", true), Pulsa("cmdAceptar"), Pulsa("cmdAceptar")});
    f.Show_Modal();
    EXPECT_EQ(p.Pendientes(), 1u);
  }
  f.Show_Modal();  // with no presenter it returns at once, as a window closed without choosing
  EXPECT_FALSE(f.Visible());
  f.Load();
  f.caja->Let_Texto("1");  // unchanged: no event
  f.chk->Let_Value(1);
  f.Unload();
  f.Unload();
  EXPECT_EQ(f.log, (std::vector<std::string>{"Load", "Change 0", "Change 1", "Click 1", "Aceptar", "Unload"}));
  EXPECT_EQ(Numero_Error([&] { f.chk->Let_Value(3); }), 380);

  EXPECT_TRUE(f.Al_Alcance(*f.caja) && !f.Al_Alcance(f.Busca("txtOculta")));
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
  const auto acepta = [](const char* texto) {
    return std::vector{Escribe(c_Color::kCaja_Color, texto), Pulsa(c_Color::kBoton_Aceptar)};
  };
  EXPECT_EQ(Elige(65280, acepta(" #FF8000 ")), 0x0080FF);
  EXPECT_EQ(Elige(7, acepta("16777215")), 0xFFFFFF);
  EXPECT_EQ(Elige(65280, {Escribe(c_Color::kCaja_Color, "255"), Pulsa(c_Color::kBoton_Cancelar)}), 65280);
  // Beyond 24-bit RGB too: it would be drawn as another colour.
  for (const char* malo : {"", "#12345", "#GG0000", "-1", "12a", "99999999999", "16777216"})
    EXPECT_EQ(Elige(7, acepta(malo)), 7) << malo;
  EXPECT_EQ(mensajes.Lista(),
            std::vector<Mensaje>(7, {"Escriba el color como un número (65280) o como #RRGGBB (#00FF00)", vbExclamation,
                                     "Color prueba:"}));

  // The box and the sample show the colour red first, and the sample follows what is typed.
  std::vector<std::string> vistos;
  Gancho_Temporal<Presentador_Formularios, Instala_Presentador_Formularios> usuario([&](Formulario& f) {
    Control& caja = f.Busca(c_Color::kCaja_Color);
    for (const char* t : {"", "#0000FF", "xyz"}) {
      if (*t) caja.Let_Texto(t);
      vistos.push_back(caja.Texto() + " " + std::to_string(f.Busca("lblMuestra").BackColor()));
    }
  });
  c_Color color;
  color.Let_Color_Inicial("255");
  color.Muestra();
  EXPECT_EQ(vistos, (std::vector<std::string>{"#FF0000 255", "#0000FF 16711680", "xyz 16711680"}));
  EXPECT_EQ(color.Color(), 255);  // closed without choosing
  EXPECT_THROW(color.Let_Color_Inicial("verde"), RuntimeError);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
