// The command's breaklines and tin.csv readers: what they make of good files (point numbers mapped to library
// positions, the tin the command writes read back whole) and the file and line they name for bad ones; and which
// breakline segments a forced model does not hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <tuple>

#include "hosts/cli/Lectura_Roturas.h"
#include "hosts/cli/Lectura_Tin.h"
#include "hosts/cli/Roturas_Ausentes.h"
#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Mensaje_Error.h"
#include "tests/support/Rotura_Anfitrion.h"
#include "trilat/common/Predicados_Exactos.h"

#ifndef TRILAT_SAMPLE_DATA_DIR
#error "TRILAT_SAMPLE_DATA_DIR names the folder of the bundled sample survey"
#endif

namespace Vyr_Trilat::anfitrion {
namespace {

namespace fs = std::filesystem;
using Lineas = std::vector<std::vector<std::int64_t>>;

class Lecturas : public ::testing::Test {
 protected:
  void SetUp() override {
    // Survey numbers 100, 110, ... 190 at library positions 1 to 10, zigzagging: even ones at y 0, odd ones at 1;
    // and 200 mistyped thousands of kilometres away, which leaves 100 beyond the grid of the overlap tests.
    for (std::int64_t k = 0; k < 10; ++k)
      lev_.Agrega(100 + 10 * k, static_cast<double>(k), static_cast<double>(k % 2), 0);
    lev_.Agrega(200, 5e6, -4e6, 0);
  }
  fs::path Escribe(const std::string& texto) const { return dir_.Escribe("entrada.txt", texto); }
  // What reading the text says, after the file's name, which it must begin with.
  template <typename Lee>
  std::string Error(Lee lee, const std::string& texto) const {
    const std::string m = prueba::Mensaje_Error([&] { lee(Escribe(texto), lev_); }),
                      f = (dir_ / "entrada.txt").string();
    return m.starts_with(f) ? m.substr(f.size()) : m;
  }
  prueba::Carpeta_Temporal dir_;
  Levantamiento lev_;
};

TEST_F(Lecturas, RoturasBuenasYMalas) {
  // Saved with a byte-order mark, as the points file may be.
  EXPECT_EQ(Lee_Roturas(Escribe("\xEF\xBB\xBF# kerbs\n100 110,120\r\n\n  130 , 140\t150 # top\n#\n"), lev_),
            (Lineas{{100, 110, 120}, {130, 140, 150}}));
  EXPECT_TRUE(Lee_Roturas(Escribe(""), lev_).empty());
  // Lines ended by lone carriage returns are lines, not one polyline.
  EXPECT_EQ(Lee_Roturas(Escribe("100 110\r190 170\r"), lev_), (Lineas{{100, 110}, {190, 170}}));

  EXPECT_EQ(Error(Lee_Roturas, "100 110\n120 1x3\n"), ":2: '1x3' is not a point number");
  EXPECT_EQ(Error(Lee_Roturas, "100 105\n"), ":1: point 105 is not in the survey");
  EXPECT_EQ(Error(Lee_Roturas, "\n\n150\n"), ":3: a breakline needs two points or more; this line has only point 150");
  EXPECT_EQ(Error(Lee_Roturas, "100 110\r150 150\n"),
            ":2: a breakline needs two points or more; this line has only point 150");
  EXPECT_EQ(Error(Lee_Roturas, std::string("\xFF\xFE\x31\0", 4)), ": the file is UTF-16 text; save it as UTF-8 text");
  EXPECT_EQ(prueba::Mensaje_Error([&] { Lee_Roturas(dir_ / "no_existe.txt", lev_); }),
            (dir_ / "no_existe.txt").string() + ": cannot open the breaklines file");
}

TEST_F(Lecturas, TinBuenoYMalo) {
  const Tin_Leido tin =
      Lee_Tin(Escribe("\xEF\xBB\xBFindex,v1,v2,v3\r\n0,100,110,120\r\n1, 110 ,130,120\r\n\r\n"), lev_);
  EXPECT_EQ(tin.nTri, 1);
  EXPECT_EQ((std::vector<Long>{tin.Vt1(1), tin.Vt2(1), tin.Vt3(1)}), (std::vector<Long>{2, 4, 3}));

  const std::string cabecera = "index,v1,v2,v3\n";
  EXPECT_EQ(Error(Lee_Tin, "n,x,y,z\n0,100,110,120\n"), ":1: expected the header index,v1,v2,v3");
  // A row of one field is no blank row.
  EXPECT_EQ(Error(Lee_Tin, cabecera + "0\n"), ":2: expected index,v1,v2,v3");
  EXPECT_EQ(Error(Lee_Tin, cabecera + "0,100,110,120\n2,100,110,130\n"), ":3: index 2 out of sequence (expected 1)");
  EXPECT_EQ(Error(Lee_Tin, cabecera + "z,100,110,120\n"), ":2: index 'z' is not a whole number");
  EXPECT_EQ(Error(Lee_Tin, cabecera + "0,100,11.5,120\n"), ":2: '11.5' is not a point number");
  EXPECT_EQ(Error(Lee_Tin, cabecera + "0,100,111,120\n"), ":2: point 111 is not in the survey");
  EXPECT_EQ(Error(Lee_Tin, cabecera + "0,100,110,100\n"), ":2: a triangle needs three different points");
  EXPECT_EQ(Error(Lee_Tin, cabecera + "0,100,110,120\n1,130,110,120\n2,120,100,110\n"),
            ":4: triangle 2 repeats triangle 0");
  // 110 and 130 both above the side 100-120.
  EXPECT_EQ(Error(Lee_Tin, cabecera + "0,130,110,120\n1,100,110,120\n2,100,120,130\n"),
            ":4: triangle 2 overlaps triangle 0");
  EXPECT_EQ(Error(Lee_Tin, cabecera + "0,100,110,120\n1,120,160,140\n"),
            ":3: triangle 1 has no area: its corners lie on a line");
  EXPECT_EQ(Error(Lee_Tin, cabecera), ": the file holds no triangles");
}

using Ausente = std::tuple<std::int64_t, std::int64_t, std::optional<std::pair<std::int64_t, std::int64_t>>, bool>;

std::vector<Ausente> Ausentes(const Lineas& lineas, const Levantamiento& lev,
                              const std::vector<std::array<std::int64_t, 3>>& tris) {
  std::vector<Ausente> r;
  for (const Segmento_Ausente& a : Roturas_Ausentes(lineas, lev, tris))
    r.emplace_back(a.desde, a.hasta, a.cruza, a.estorba);
  return r;
}

// A slanted grid at survey coordinates, its rows straight in decimals (and so only nearly in binary), each square
// split by its rising diagonal, one square left open: a segment along a row is held by the run of its edges, one
// across a square's other diagonal is not (and crosses the breakline along the diagonal, which stands in its way),
// nor are the two diagonals of the open square (each crosses the other, which is no reason); a segment missing twice
// is named once.
TEST(Roturas_Ausentes, AristasCorridasCrucesYHuecos) {
  Levantamiento lev;
  const auto p = [](int i, int j) { return std::int64_t{1000 + 10 * j + i}; };
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 5; ++i) lev.Agrega(p(i, j), 431000 + 0.3 * i + 0.1 * j, 4581000 + 0.1 * i + 0.3 * j, 0);
  std::vector<std::array<std::int64_t, 3>> tris;
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 4; ++i)
      if (i != 2 || j != 1) {
        tris.push_back({p(i, j), p(i + 1, j), p(i + 1, j + 1)});
        tris.push_back({p(i, j), p(i + 1, j + 1), p(i, j + 1)});
      }
  EXPECT_EQ(Ausentes({{p(0, 0), p(4, 0), p(4, 3)},
                      {p(0, 0), p(1, 1), p(2, 2)},
                      {p(1, 0), p(0, 1)},
                      {p(2, 1), p(3, 2), p(2, 1)},
                      {p(3, 1), p(2, 2)}},
                     lev, tris),
            (std::vector<Ausente>{{p(1, 0), p(0, 1), std::pair{p(0, 0), p(1, 1)}, true},
                                  {p(2, 1), p(3, 2), std::pair{p(3, 1), p(2, 2)}, false},
                                  {p(3, 1), p(2, 2), std::pair{p(2, 1), p(3, 2)}, false}}));

  // A grid of cells split by their falling diagonals: the rising diagonal across it is missing. The column before
  // the first falling diagonal in the lines' order meets it at a point of both, where each would be split: it is
  // the diagonal that stands in its way.
  Levantamiento rejilla;
  std::vector<std::array<std::int64_t, 3>> caidas;
  for (int j = 0; j < 5; ++j)
    for (int i = 0; i < 5; ++i) {
      const std::int64_t a = 1 + i + 5 * j;
      rejilla.Agrega(a, i, j, 0);
      if (i < 4 && j < 4) caidas.insert(caidas.end(), {{a, a + 1, a + 5}, {a + 1, a + 6, a + 5}});
    }
  EXPECT_EQ(Ausentes({{1, 25}, {3, 23}, {2, 6}}, rejilla, caidas),
            (std::vector<Ausente>{{1, 25, std::pair<std::int64_t, std::int64_t>{2, 6}, true}}));
}

// Random breaklines over scattered points, in a model with no triangles (every segment missing), small and UTM-sized:
// each missing segment names the first segment, in the lines' order, that it crosses, as a scan of them all finds.
TEST(Roturas_Ausentes, ElPrimerCruceComoEnUnaBusquedaDeTodos) {
  int con_cruce = 0;
  for (std::uint64_t semilla = 1; semilla <= 12; ++semilla) {
    std::mt19937_64 rng(semilla);
    const double lado = semilla % 3 == 0 ? 2000 : 50, x0 = semilla % 2 ? 431000 : 0, y0 = semilla % 2 ? 4581000 : 0;
    std::uniform_real_distribution<double> U(0, lado);
    Levantamiento lev;
    for (std::int64_t n = 1; n <= 300; ++n) lev.Agrega(n, x0 + U(rng), y0 + U(rng), 0);
    std::uniform_int_distribution<std::int64_t> punto(1, 300), largo(2, 8);
    Lineas lineas(40);
    std::vector<std::pair<std::int64_t, std::int64_t>> todos;
    for (auto& l : lineas) {
      for (std::int64_t k = largo(rng); k > 0; --k) l.push_back(punto(rng));
      for (std::size_t k = 1; k < l.size(); ++k)
        if (l[k - 1] != l[k]) todos.emplace_back(l[k - 1], l[k]);
    }
    const auto lado_de = [&](const auto& s, std::int64_t c) {
      const auto x = [&](std::int64_t n) { return lev.x[static_cast<std::size_t>(lev.posicion.at(n) - 1)]; };
      const auto y = [&](std::int64_t n) { return lev.y[static_cast<std::size_t>(lev.posicion.at(n) - 1)]; };
      return Orientacion(x(s.first), y(s.first), x(s.second), y(s.second), x(c), y(c));
    };
    for (const Segmento_Ausente& a : Roturas_Ausentes(lineas, lev, {})) {
      const std::pair s{a.desde, a.hasta};
      const auto cruce = std::find_if(todos.begin(), todos.end(), [&](const auto& r) {
        return lado_de(s, r.first) * lado_de(s, r.second) < 0 && lado_de(r, s.first) * lado_de(r, s.second) < 0;
      });
      ASSERT_EQ(a.cruza.has_value(), cruce != todos.end()) << semilla << ": " << a.desde << " - " << a.hasta;
      if (!a.cruza) continue;
      ++con_cruce;
      EXPECT_EQ(*a.cruza, *cruce) << semilla << ": " << a.desde << " - " << a.hasta;
    }
  }
  EXPECT_GT(con_cruce, 1000);
}

// The bundled breaklines forced into the bundled survey's triangulation as the command does it: every segment
// between vertices is an edge afterwards and the triangulation stays sound.
TEST(Lecturas_Muestra, RoturasDeLaMuestra) {
  const fs::path dir = TRILAT_SAMPLE_DATA_DIR;
  const Levantamiento lev = Lee_Puntos(dir / "sample_survey.csv");
  const auto lineas = Lee_Roturas(dir / "sample_breaklines.txt", lev);
  ASSERT_EQ(lineas.size(), 10u);
  prueba::Modelo m = prueba::Triangulado({lev.x, lev.y, lev.z}, 100);
  const prueba::Modelo antes = m;
  HostArray<Polilinea> Pol = Polilineas_Biblioteca(lineas, lev);
  std::vector<std::array<Long, 2>> segmentos;
  for (Long p = 1; p <= Pol.UBound(); ++p)
    for (Long k = 1; k < Pol(p).nPtos; ++k) segmentos.push_back({Pol(p).Ptos(k), Pol(p).Ptos(k + 1)});
  c_Rotura r;
  prueba::Superficie_Nueva();
  prueba::Mensajes_Grabados mensajes;
  r.Calcula_Triang_con_Polilineas(m.nPun, m.X, m.Y, m.Z, m.nTri, m.Vt1, m.Vt2, m.Vt3, Pol.UBound(), Pol);
  // Kerb points within the triangulation's cleaning distance of the road edge are no vertices: each segment into or
  // out of one is reported and skipped.
  for (const Mensaje& msg : mensajes.Lista()) EXPECT_EQ(msg.texto.rfind("no existe la recta ", 0), 0u) << msg.texto;
  EXPECT_EQ(prueba::Comprueba_Forzado(antes, m, segmentos), std::vector<std::string>{});
  EXPECT_GT(r.Estado().Cuentas.Aceptados, 0);
}

}  // namespace
}  // namespace Vyr_Trilat::anfitrion
