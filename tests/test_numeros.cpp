// Number/text conversion: Formatea against exact rounding over many values, the leading-number rules of
// Val_Texto and Lee_Numero, and independence from the process locale.
#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Numero_Error.h"
#include "trilat/sibling/c_Numeros.h"

namespace Vyr_Trilat {
namespace {

const c_Numeros& N() { return c_Numeros::Instancia(); }
std::string F(double v, Integer d) { return N().Formatea(Variant::De_Doble(v), d, 0); }
using prueba::Numero_Error;

TEST(Numeros, FormateaRoundsTheExactValueHalvesToEven) {
  EXPECT_EQ(Numero_Error([] { F(HUGE_VAL, 3); }), 6);

  // Against the C library's exact conversion (the tests run in the "C" locale), on values as typed, which lie
  // next to the halves, and on exact halves: odd multiples of 2^-(d+1).
  ASSERT_STREQ(std::localeconv()->decimal_point, ".");
  std::mt19937_64 azar(7);
  std::uniform_int_distribution<int> decimales(0, 6), magnitud(-8, 15);
  std::uniform_real_distribution<double> mantisa(-10, 10);
  for (int i = 0; i < 30000; ++i) {
    const int d = decimales(azar);
    double v = mantisa(azar) * std::pow(10.0, magnitud(azar));
    if (i % 3 == 1) v = std::round(v * 1000) / 1000;
    if (i % 3 == 2) v = std::ldexp(2 * std::round(v) + 1, -(d + 1));
    char c[400];
    std::snprintf(c, sizeof c, "%.*f", d, v);
    ASSERT_EQ(F(v, d), std::string(c).find_first_not_of("-0.") == std::string::npos ? c + (*c == '-') : c)
        << v << " with " << d;
  }
}

TEST(Numeros, LeadingNumberRules) {
  // clang-format off
  const struct { const char* texto; double val, lee; } kCasos[] = {  // Val_Texto, Lee_Numero
      {"12abc", 12, 12}, {"abc", 0, 0}, {" -3.5e2x", -350, -350}, {"", 0, 0}, {"\t .5", 0.5, 0.5}, {"2E+", 2, 2},
      {"+7 m", 7, 7}, {"--1", 0, 0}, {"12,5", 12, 12.5}, {"-0,25", 0, -0.25}, {"1.234,5", 1.234, 1.234},
      {"1,234,5", 1, 1.234}, {"inf", 0, 0}, {"0x1A", 0, 0}, {"1e-400", 0, 0}};
  // clang-format on
  for (const auto& c : kCasos) {
    EXPECT_EQ(N().Val_Texto(c.texto), c.val) << c.texto;
    EXPECT_EQ(N().Lee_Numero(c.texto), c.lee) << c.texto;
  }
  EXPECT_FALSE(std::signbit(N().Val_Texto("-0,25")));  // a zero is never "-0" once formatted
  EXPECT_EQ(Numero_Error([] { N().Val_Texto("1e400"); }), 6);
  EXPECT_EQ(Numero_Error([] { N().Lee_Numero("-9e99999999999999999999"); }), 6);

  // Any double written shortest, with blanks before and junk after, reads back exactly.
  std::mt19937_64 azar(11);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t bits = azar();
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v) || v == 0) continue;
    char b[64];
    const std::string s(b, std::to_chars(b, b + sizeof b, v).ptr);
    ASSERT_EQ(N().Val_Texto("  " + s + "x,5"), v) << s;
    ASSERT_EQ(N().Lee_Numero(s + " m"), v) << s;
  }
}

// A locale with a decimal comma: an installed one, or else one compiled into `carpeta` from the system's locale
// sources (LOCPATH then points there, so that a machine with no such locale still runs the test); empty when
// neither can be had.
std::string Locale_Con_Coma(const prueba::Carpeta_Temporal& carpeta) {
  const auto con_coma = [](const char* nombre) {
    return std::setlocale(LC_ALL, nombre) != nullptr && *std::localeconv()->decimal_point == ',';
  };
  for (const char* nombre : {"es_ES.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"})
    if (con_coma(nombre)) return nombre;
  // localedef's status tells warnings from failure only roughly: the locale is simply tried afterwards.
  const std::string orden = "localedef -i es_ES -f UTF-8 '" + (carpeta / "es_ES.UTF-8").string() + "' >/dev/null 2>&1";
  [[maybe_unused]] const int estado = std::system(orden.c_str());
  ::setenv("LOCPATH", carpeta.Ruta().c_str(), 1);
  return con_coma("es_ES.UTF-8") ? "es_ES.UTF-8" : "";
}

// Puts back the process locale and its search path. glibc keeps, and never frees, the search path by which a locale
// is found through LOCPATH: no leak of the code under test.
struct Locale_Prestado {
#if defined(__SANITIZE_ADDRESS__)
  __lsan::ScopedDisabler desactiva;
#endif
  const std::string previo = std::setlocale(LC_ALL, nullptr);
  ~Locale_Prestado() {
    std::setlocale(LC_ALL, previo.c_str());
    ::unsetenv("LOCPATH");
  }
};

TEST(Numeros, TheProcessLocaleChangesNothing) {
  const prueba::Carpeta_Temporal carpeta;
  const Locale_Prestado prestado;  // put back before the folder goes
  const std::string coma = Locale_Con_Coma(carpeta);
  if (coma.empty()) GTEST_SKIP() << "no locale with a decimal comma is installed or can be made";
  const std::locale anterior = std::locale::global(std::locale(coma));
  EXPECT_EQ(F(1234567.5, 2), "1234567.50");
  EXPECT_EQ(N().Formatea(Variant::De_Texto("0.5"), 1, 0), "0.5");
  EXPECT_EQ(N().Val_Texto("1,5"), 1);
  EXPECT_EQ(N().Lee_Numero("2,25"), 2.25);
  std::locale::global(anterior);
}

}  // namespace
}  // namespace Vyr_Trilat
