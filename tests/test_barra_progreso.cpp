// The terminal progress bar as the library drives it: what it prints on a terminal, how often, and that it
// prints nothing at all elsewhere.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "hosts/support/Barra_Progreso_Terminal.h"
#include "tests/support/Numero_Error.h"

namespace Vyr_Trilat {
namespace {

using namespace std::chrono_literals;
using prueba::Numero_Error;

struct Barra_Con_Reloj {
  explicit Barra_Con_Reloj(bool es_terminal) : barra("Triangulación", salida, es_terminal, [this] { return t; }) {}
  // Writes a property and returns what the bar printed for it.
  std::string Pon(const char* nombre, double valor) {
    salida.str("");
    barra.Let_Propiedad(nombre, std::string(nombre) == "Visible" ? Variant::De_Booleano(A_Booleano(valor != 0))
                                                                 : Variant::De_Doble(valor));
    return salida.str();
  }
  std::ostringstream salida;
  Barra_Progreso_Terminal::Reloj::time_point t{};
  Barra_Progreso_Terminal barra;
};

TEST(Barra_Progreso, SilentUnlessOnATerminal) {
  Barra_Con_Reloj redirigida(false);
  for (const char* nombre : {"Value", "Max", "Visible", "Value", "Visible"}) EXPECT_EQ(redirigida.Pon(nombre, 5), "");
  EXPECT_EQ(Numero_Error([&] { redirigida.Pon("Color", 1); }), 438) << "silence hides no wrong property";
  // Quiet on a terminal too when asked: only a real terminal shows that, as the command's dialogs are run.
}

TEST(Barra_Progreso, DrawsPercentageRateAndTimeLeftThrottled) {
  Barra_Con_Reloj b(true);
  EXPECT_EQ(b.Pon("Value", 0) + b.Pon("Max", 200), "") << "nothing while hidden";
  EXPECT_EQ(b.Pon("Visible", 1),
            "\rTriangulación [..............................]   0%  -- pasos/s  quedan --:--\x1b[K");
  b.t += 1s;
  EXPECT_EQ(b.Pon("value", 50),  // names in any case
            "\rTriangulación [#######.......................]  25%  50 pasos/s  quedan 0:03\x1b[K");
  b.t += 50ms;
  EXPECT_EQ(b.Pon("Value", 60), "") << "too soon after the last redraw";
  b.t += 50ms;
  EXPECT_NE(b.Pon("Value", 58).find(" 29% "), std::string::npos);
  b.Pon("Value", 250);  // beyond Max and too soon: shown when hidden
  const std::string final = b.Pon("Visible", 0);
  EXPECT_NE(final.find("[##############################] 100%"), std::string::npos) << final;
  EXPECT_EQ(final.back(), '\n') << "the line is finished when hidden";
  b.t += 1s;
  EXPECT_EQ(b.Pon("Value", 10), "");

  // Shown again as contouring does it: the value going back restarts the rate.
  for (const auto& [nombre, valor] : {std::pair("Visible", 1), {"Min", 0}, {"Max", 10}, {"Value", 0}})
    b.Pon(nombre, valor);
  b.t += 2s;
  EXPECT_NE(b.Pon("Value", 4).find(" 40%  2.0 pasos/s  quedan 0:03"), std::string::npos);
  EXPECT_EQ(Numero_Error([&] { b.Pon("Valor", 1); }), 438);
  EXPECT_EQ(Numero_Error([&] { b.barra.Let_Propiedad("Max", Variant::De_Texto("mucho")); }), 13);
  EXPECT_EQ(Numero_Error([&] { b.Pon("Value", std::nan("")); }), 5);
}

}  // namespace
}  // namespace Vyr_Trilat
