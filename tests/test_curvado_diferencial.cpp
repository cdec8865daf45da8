// The library's indexed tracing against the literal one over many generated inputs: the segments of every level,
// the chains joined from them and the lines a whole run stores must agree bit for bit.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Curvado_Literal.h"
#include "trilat/c_Curvado/Colector_Segmentos.h"
#include "trilat/c_Curvado/Encadenador.h"

namespace Vyr_Trilat::prueba {
namespace {

// Every coordinate of the records, as bits, so that a NaN or a -0 must be the same too.
template <typename T>
std::vector<std::uint64_t> Bits(const std::vector<T>& registros) {
  std::vector<std::uint64_t> b(registros.size() * sizeof(T) / sizeof(double));
  if (!b.empty()) std::memcpy(b.data(), registros.data(), b.size() * sizeof(double));
  return b;
}

std::vector<std::vector<std::uint64_t>> Bits(const std::vector<std::vector<Vert>>& cadenas) {
  std::vector<std::vector<std::uint64_t>> b;
  for (const auto& c : cadenas) b.push_back(Bits(c));
  return b;
}

std::vector<std::vector<Vert>> Cadenas(const std::vector<SEGS>& segs) {
  Encadenador e(segs, 0.001);
  std::vector<std::vector<Vert>> r(1);
  while (e.Siguiente(r.back())) r.emplace_back();
  r.pop_back();
  return r;
}

TEST(CurvadoDiferencial, SegmentosIndexadosComoLosLiterales) {
  static constexpr double kInf = std::numeric_limits<double>::infinity();
  // Elevations that stress the index: on and beside the levels, huge and tiny, unknown and infinite.
  static const double kRaras[] = {1e16,     -1e16, 1e300, -1e300,       0.5,     0,      -0.0,      1e-300,
                                  4.9e-324, kInf,  -kInf, std::nan(""), 10.0002, 9.9998, 1e15 + 0.5};
  std::mt19937_64 rng(20240601);
  std::uniform_real_distribution<double> U(0, 1);
  for (int caso = 0; caso < 300; ++caso) {
    std::vector<Pto3D> puntos(5 + rng() % 60);
    for (Pto3D& p : puntos) {
      const double u = U(rng);
      p = {50 * U(rng), 50 * U(rng),
           caso % 3 == 0 && u < 0.15 ? kRaras[rng() % std::size(kRaras)]
           : u < 0.4                 ? std::round(U(rng) * 40) / 2
                                     : 20 * U(rng) - 2};
    }
    std::vector<Esquinas> tris(1 + rng() % 120);
    const auto n = static_cast<Long>(puntos.size());
    for (Esquinas& t : tris)
      t = {static_cast<Long>(rng() % n), static_cast<Long>(rng() % n), static_cast<Long>(rng() % n)};
    // Levels by repeated addition, up or down, from beyond one end of the range to beyond the other.
    const double paso = std::array{1.0, 0.5, 0.1, 3.0, -1.0, -0.25}[rng() % 6];
    std::vector<double> niveles{paso > 0 ? -3 - paso : 19 - paso};
    while (niveles.size() < 80) niveles.push_back(niveles.back() + paso);
    Colector_Segmentos colector(puntos, tris, niveles);
    std::vector<SEGS> segs;
    for (std::size_t i = 0; i < niveles.size(); ++i) {
      colector.Segmentos(i, segs);
      ASSERT_EQ(Bits(segs), Bits(Segmentos_Literales(puntos, tris, niveles[i]))) << "case " << caso << " level " << i;
    }
  }
}

TEST(CurvadoDiferencial, CadenasIndexadasComoLasLiterales) {
  // Ends drawn from a few hubs and moved by less than, about and more than the tolerance, with repeated and
  // degenerate segments and ends that are not numbers: many ways to meet, and ties to break.
  static const double kMovidas[] = {0, 0.0004, -0.0009, 0.00099999, 0.001, -0.001, 0.0011, 0.002, 0.0035};
  std::mt19937_64 rng(77);
  for (int caso = 0; caso < 400; ++caso) {
    std::vector<Vert> centros(2 + rng() % 25);
    for (Vert& c : centros) c = {0.004 * static_cast<double>(rng() % 20), 0.004 * static_cast<double>(rng() % 20)};
    const auto extremo = [&] {
      Vert p = centros[rng() % centros.size()];
      p.X += rng() % 97 ? kMovidas[rng() % std::size(kMovidas)] : std::nan("");
      p.Y += rng() % 89 ? kMovidas[rng() % std::size(kMovidas)] : std::numeric_limits<double>::infinity();
      return p;
    };
    std::vector<SEGS> segs;
    for (std::size_t i = rng() % 150; i > 0; --i) {
      const Vert a = extremo(), b = rng() % 13 ? extremo() : a;
      segs.push_back(rng() % 11 || segs.empty() ? SEGS{a.X, a.Y, b.X, b.Y} : segs.back());
    }
    ASSERT_EQ(Bits(Cadenas(segs)), Bits(Cadenas_Literales(segs, 0.001))) << "case " << caso;
  }
}

// None of these models has a corner so near a level that the crossings on its edges lie within the chaining
// tolerance of each other: there the library joins the segment across the shared edge, the literal chaining the
// lowest-numbered one.
TEST(CurvadoDiferencial, CorridaEnteraComoLaLiteral) {
  Ajustes_Temporales ajustes;
  Long comparadas = 0;
  for (std::uint64_t semilla = 1; semilla <= 6; ++semilla) {
    for (const Relieve r : {Relieve::Suave, Relieve::Rugoso, Relieve::Mesetas, Relieve::Cerro}) {
      Modelo m = semilla % 2 ? Rejilla(r, 14, 11, 7, 0.45, semilla)
                             : Triangulado(r, semilla % 4 ? Forma::Uniforme : Forma::Agrupada, 180, 90, 14, semilla);
      if (semilla % 3 == 0) Agujerea(m, 45, 40, 15);
      const Ajustes_Curvado a{.e_finas = semilla % 2 ? 1.0 : 0.5, .dibuja = False};
      const Datos_Curvas d = Curvado(m, a).datos;
      const std::vector<Curva> esperadas = Curvas_Literales(m, a);
      ASSERT_EQ(d.nCurvas, static_cast<Long>(esperadas.size())) << static_cast<int>(r) << " " << semilla;
      for (Long i = 1; i <= d.nCurvas; ++i) {
        const Curva &x = d.Curvas(i), &y = esperadas[static_cast<std::size_t>(i - 1)];
        ASSERT_TRUE(x.Ultimo == y.Ultimo && x.Color == y.Color && x.Maestra == y.Maestra) << i;
        ASSERT_EQ(Bits(x.Vertices.Datos()), Bits(y.Vertices.Datos()))
            << static_cast<int>(r) << " " << semilla << " line " << i;
      }
      comparadas += d.nCurvas;
    }
  }
  EXPECT_GT(comparadas, 300);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
