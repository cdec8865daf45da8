// The contour file of the command-line host: its exact text for a small record, and numbers that read back to the
// same doubles in the fewest characters.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>

#include "hosts/cli/Salida_GeoJSON.h"

namespace Vyr_Trilat::anfitrion {
namespace {

Curva Linea(const std::vector<Pto3D>& v, Long color, Boolean maestra) {
  Curva c{static_cast<Long>(v.size()) - 1, {}, color, maestra};
  if (!v.empty()) c.Vertices.ReDim(0, c.Ultimo);
  for (Long i = 0; i <= c.Ultimo; ++i) c.Vertices(i) = v[static_cast<std::size_t>(i)];
  return c;
}

Datos_Curvas Registro(std::vector<Curva> lineas, Long n) {
  Datos_Curvas d;
  d.nCurvas = n;
  d.Curvas.ReDim(0, static_cast<Long>(lineas.size()));
  for (std::size_t i = 0; i < lineas.size(); ++i) d.Curvas(static_cast<Long>(i) + 1) = lineas[i];
  return d;
}

std::string Texto(const Datos_Curvas& d) {
  std::ostringstream s;
  Escribe_Curvas_GeoJSON(s, d);
  return s.str();
}

TEST(GeoJSON, TextoDeUnRegistroPequeno) {
  Curva sin_vertices = Linea({}, 0x0000FF, -1);
  sin_vertices.Ultimo = 7;
  // A fourth line beyond the count is not written.
  const Datos_Curvas d =
      Registro({Linea({{431000.5, 4581000.25, 101}, {431000.1, -0.0, 101}}, 38088, False),
                Linea({{1e21, 5e-324, 0.30000000000000004}, {std::nan(""), 2, 0.30000000000000004}}, 11578544, True),
                sin_vertices, Linea({{1, 1, 1}}, 0, False)},
               3);
  EXPECT_EQ(Texto(d),
            "{\"type\":\"FeatureCollection\",\"features\":[\n"
            "{\"type\":\"Feature\",\"properties\":{\"line\":1,\"level\":101,\"major\":false,\"color\":\"#C89400\","
            "\"ultimo\":1},\"geometry\":{\"type\":\"LineString\",\"coordinates\":"
            "[[431000.5,4581000.25,101],[431000.1,-0,101]]}},\n"
            "{\"type\":\"Feature\",\"properties\":{\"line\":2,\"level\":0.30000000000000004,\"major\":true,"
            "\"color\":\"#B0ACB0\",\"ultimo\":1},\"geometry\":{\"type\":\"LineString\",\"coordinates\":"
            "[[1e+21,5e-324,0.30000000000000004],[null,2,0.30000000000000004]]}},\n"
            "{\"type\":\"Feature\",\"properties\":{\"line\":3,\"level\":null,\"major\":true,\"color\":\"#FF0000\","
            "\"ultimo\":7},\"geometry\":{\"type\":\"LineString\",\"coordinates\":[]}}\n"
            "]}\n");
  // A count beyond the lines the array holds writes those it holds.
  EXPECT_EQ(Texto(Registro({Linea({{1, 2, 3}}, 0, False)}, 9)).find("\"line\":2"), std::string::npos);
  EXPECT_EQ(Texto(Datos_Curvas{}), "{\"type\":\"FeatureCollection\",\"features\":[\n]}\n");
}

// The shortest %g text that reads back to v: the written number may be no longer.
std::size_t Largo_Minimo(double v) {
  for (int p = 1;; ++p) {
    char t[64];
    std::snprintf(t, sizeof t, "%.*g", p, v);
    if (std::strtod(t, nullptr) == v) return std::string(t).size();
  }
}

TEST(GeoJSON, NumerosExactosYCortos) {
  std::mt19937_64 rng(5);
  std::vector<Pto3D> v;
  for (int i = 0; i < 3000; ++i) {
    const double x = std::bit_cast<double>(rng());
    v.push_back({std::isfinite(x) ? x : 1.0 / (i + 1), 431000 + std::ldexp(static_cast<double>(rng() % 1000000), -20),
                 100 + i * 0.1});
  }
  const std::string t = Texto(Registro({Linea(v, 0, False)}, 1));
  const char* p = t.c_str() + t.find("\"coordinates\":") + 14;
  for (const Pto3D& punto : v)
    for (const double esperado : {punto.X, punto.Y, punto.Z}) {
      p += std::strspn(p, "[],");
      char* fin = nullptr;
      const double leido = std::strtod(p, &fin);
      const std::string numero(p, static_cast<const char*>(fin));
      ASSERT_EQ(std::bit_cast<std::uint64_t>(leido), std::bit_cast<std::uint64_t>(esperado)) << numero;
      ASSERT_LE(numero.size(), Largo_Minimo(esperado)) << numero;
      p = fin;
    }
}

}  // namespace
}  // namespace Vyr_Trilat::anfitrion
