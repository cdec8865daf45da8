// The command-line host run as a user runs it: results read back agree with calling the library directly,
// and bad input is refused with the file and line, leaving nothing written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Orden_Trilat.h"
#include "tests/support/Triangula.h"

namespace Vyr_Trilat::prueba {
namespace {

namespace fs = std::filesystem;

class Cli : public ::testing::Test {
 protected:
  fs::path Escribe(const std::string& nombre, const std::string& texto) const { return dir_.Escribe(nombre, texto); }
  Salida_Orden Ejecuta(const std::string& args) const { return Ejecuta_Trilat(dir_.Ruta(), args); }
  Carpeta_Temporal dir_;
};

TEST_F(Cli, TinIgualAlDeLaBiblioteca) {
  const Nube c = Genera(Forma::Agrupada, 400, 300, 5, 431000, 4581000);
  std::ostringstream texto;
  texto << "n,x,y,z\n";
  texto.precision(17);
  // Point numbers that are not 1..n: the host maps them to positions and back.
  for (std::size_t i = 0; i < c.size(); ++i) texto << 7000 + 3 * i << ',' << c.x[i] << ',' << c.y[i] << ',' << c.z[i] << '\n';
  const auto puntos = Escribe("p.csv", texto.str());
  const auto r = Ejecuta("run " + puntos.string() + " --dist-max 40 --out " + (dir_ / "out").string());
  ASSERT_EQ(r.estado, 0) << r.err;

  const auto esperado = Triangula(c, 40);
  std::ifstream f(dir_ / "out" / "tin.csv");
  std::string linea;
  std::getline(f, linea);
  EXPECT_EQ(linea, "index,v1,v2,v3");
  std::size_t k = 0;
  while (std::getline(f, linea)) {
    ASSERT_LT(k, esperado.tris.size());
    const auto& t = esperado.tris[k];
    const auto n = [](Long p) { return std::to_string(7000 + 3 * (p - 1)); };
    EXPECT_EQ(linea, std::to_string(k) + "," + n(t.a) + "," + n(t.b) + "," + n(t.c));
    ++k;
  }
  EXPECT_EQ(k, esperado.tris.size());
  EXPECT_TRUE(fs::exists(dir_ / "out" / "picture.png"));
  EXPECT_TRUE(fs::exists(dir_ / "out" / "picture.svg"));
}

// Without --dist-max the remembered dialog value is used; with it, that run only.
TEST_F(Cli, AjustesRecordadosYValoresDeUnaEjecucion) {
  const Nube c = Genera(Forma::Uniforme, 200, 100, 8);
  std::ostringstream texto;
  texto << "n,x,y,z\n";
  texto.precision(17);
  for (std::size_t i = 0; i < c.size(); ++i) texto << i + 1 << ',' << c.x[i] << ',' << c.y[i] << ',' << c.z[i] << '\n';
  const auto puntos = Escribe("p.csv", texto.str());
  Escribe("settings.ini", "[MDT/Triangulación]\nDistacia Maxima=9\n");
  const auto filas = [&](const std::string& extra) {
    fs::remove_all(dir_ / "out");
    EXPECT_EQ(Ejecuta("run " + puntos.string() + " --out " + (dir_ / "out").string() + extra).estado, 0);
    std::ifstream f(dir_ / "out" / "tin.csv");
    std::size_t n = 0;
    for (std::string l; std::getline(f, l);) ++n;
    return n - 1;
  };
  EXPECT_EQ(filas(""), Triangula(c, 9).tris.size());
  EXPECT_EQ(filas(" --dist-max 20"), Triangula(c, 20).tris.size());
  std::ifstream f(dir_ / "settings.ini");
  std::stringstream ajustes;
  ajustes << f.rdbuf();
  EXPECT_NE(ajustes.str().find("Distacia Maxima=9"), std::string::npos);
}

TEST_F(Cli, EntradaMalaNoEscribeNada) {
  const struct {
    const char* texto;
    const char* error;
  } casos[] = {
      {"n,x,y,z\n1,0,0,0\n2,1,0,0\n3,x,1,0\n", "p.csv:4: x 'x' is not a finite number"},
      {"n,x,y,z\n1,0,0,0\n2,1,0\n", "p.csv:3: expected n,x,y,z"},
      {"n,x,y,z\n1,0,0,0\n1,1,0,0\n", "p.csv:3: point number 1 is repeated"},
      {"n,x,y,z\n1,0,0,0\n2,nan,0,0\n", "p.csv:3: x 'nan' is not a finite number"},
      {"n,x,y,z\n1,0,0,inf\n", "p.csv:2: z 'inf' is not a finite number"},
      {"n,x,y,z\n-4,0,0,0\n", "p.csv:2: point number '-4' is not a positive integer"},
      {"n,x,y,z\n", "the file holds no points"},
      {"n,x,y,z\n1,0,0,0\n2,1,0,0\n", "No hay puntos para triangular"},
  };
  for (const auto& caso : casos) {
    const auto puntos = Escribe("p.csv", caso.texto);
    const auto r = Ejecuta("run " + puntos.string() + " --out " + (dir_ / "out").string());
    EXPECT_EQ(r.estado, 1) << caso.texto;
    EXPECT_NE(r.err.find(caso.error), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir_ / "out")) << caso.texto;
  }
  // Points that give no triangle, in a line or farther apart than the longest side: with contours or without.
  const auto sueltos = Escribe("p.csv", "n,x,y,z\n1,0,0,0\n2,10,0,1\n3,0,10,2\n4,10,10,3\n5,5,5,4\n");
  const auto en_linea = Escribe("l.csv", "n,x,y,z\n1,0,0,0\n2,1,1,1\n3,2,2,2\n4,3,3,3\n");
  for (const std::string& orden : {en_linea.string(), sueltos.string() + " --dist-max 0.001"}) {
    for (const char* opcion : {"", " --no-contours"}) {
      const auto r = Ejecuta("run " + orden + opcion + " --out " + (dir_ / "out").string());
      EXPECT_EQ(r.estado, 1) << orden << opcion;
      EXPECT_NE(r.err.find("no triangulation was made; nothing written"), std::string::npos) << r.err;
      EXPECT_FALSE(fs::exists(dir_ / "out")) << orden << opcion;
    }
  }
  // A --major below the equidistance picked for the relief (80 m: every 2 m) would make every line major.
  const auto relieve = Escribe("r.csv", "n,x,y,z\n1,0,0,0\n2,100,0,20\n3,0,100,40\n4,100,100,80\n");
  const std::string orden = "run " + relieve.string() + " --dist-max 200 --out " + (dir_ / "out").string();
  auto r = Ejecuta(orden + " --major 1");
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.err.find("--major 1 is smaller than the equidistance 2"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir_ / "out"));
  // It runs, and the picked equidistance is said with the major interval the run uses.
  r = Ejecuta(orden + " --major 4");
  EXPECT_EQ(r.estado, 0) << r.err;
  EXPECT_NE(r.err.find("contours with equidistance 2, minor colour"), std::string::npos) << r.err;
  EXPECT_EQ(Ejecuta("run " + (dir_ / "missing.csv").string() + " --out x").estado, 1);
  EXPECT_EQ(Ejecuta("run --out x").estado, 2);
  EXPECT_EQ(Ejecuta("run p.csv --dist-max abc --out x").estado, 2);
  EXPECT_EQ(Ejecuta("frobnicate").estado, 2);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
