// The command-line host run as a user runs it: results read back agree with calling the library directly,
// and bad input is refused with the file and line, leaving nothing written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <sstream>

#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Lee_Archivo.h"
#include "tests/support/Orden_Trilat.h"
#include "tests/support/Triangula.h"

namespace Vyr_Trilat::prueba {
namespace {

namespace fs = std::filesystem;

class Cli : public ::testing::Test {
 protected:
  // The set as a points file, numbered from `primero` by `paso`.
  std::string Puntos(const Nube& c, std::size_t primero, std::size_t paso) const {
    std::ostringstream t;
    t << std::setprecision(17) << "n,x,y,z\n";
    for (std::size_t i = 0; i < c.size(); ++i)
      t << primero + paso * i << ',' << c.x[i] << ',' << c.y[i] << ',' << c.z[i] << '\n';
    return dir_.Escribe("p.csv", t.str()).string();
  }
  Salida_Orden Corre(const std::string& entrada, const std::string& opciones = "") const {
    return Ejecuta_Trilat(dir_.Ruta(), "run " + entrada + " --out " + (dir_ / "out").string() + opciones);
  }
  Carpeta_Temporal dir_;
};

TEST_F(Cli, TinIgualAlDeLaBiblioteca) {
  const Nube c = Genera(Forma::Agrupada, 400, 300, 5, 431000, 4581000);
  // Point numbers that are not 1..n: the host maps them to positions and back.
  const auto r = Corre(Puntos(c, 7000, 3), " --dist-max 40");
  ASSERT_EQ(r.estado, 0) << r.err;
  const auto n = [](Long p) { return 7000 + 3 * (p - 1); };
  std::ostringstream esperado;
  esperado << "index,v1,v2,v3\n";
  for (std::size_t k = 0; const auto& t : Triangula(c, 40).tris)
    esperado << k++ << ',' << n(t.a) << ',' << n(t.b) << ',' << n(t.c) << '\n';
  EXPECT_EQ(Lee_Archivo(dir_ / "out" / "tin.csv"), esperado.str());
  EXPECT_TRUE(fs::exists(dir_ / "out" / "picture.png") && fs::exists(dir_ / "out" / "picture.svg"));
}

// Without --dist-max the remembered dialog value is used; with it, that run only.
TEST_F(Cli, AjustesRecordadosYValoresDeUnaEjecucion) {
  const Nube c = Genera(Forma::Uniforme, 200, 100, 8);
  const std::string puntos = Puntos(c, 1, 1);
  dir_.Escribe("settings.ini", "[MDT/Triangulación]\nDistacia Maxima=9\n");
  for (const double dist_max : {9.0, 20.0}) {
    fs::remove_all(dir_ / "out");
    EXPECT_EQ(Corre(puntos, dist_max == 9 ? "" : " --dist-max 20").estado, 0);
    const std::string tin = Lee_Archivo(dir_ / "out" / "tin.csv");
    EXPECT_EQ(static_cast<std::size_t>(std::count(tin.begin(), tin.end(), '\n') - 1),
              Triangula(c, dist_max).tris.size());
  }
  EXPECT_NE(Lee_Archivo(dir_ / "settings.ini").find("Distacia Maxima=9"), std::string::npos);
}

TEST_F(Cli, EntradaMalaNoEscribeNada) {
  // Each reader's refusals are tested with the reader; here, that any of them fails the job and nothing is written.
  const auto falla = [&](const std::string& orden, const std::string& error) {
    const auto r = Corre(orden);
    EXPECT_EQ(r.estado, 1) << orden;
    EXPECT_NE(r.err.find(error), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir_ / "out")) << orden;
  };
  const auto puntos = [&](const std::string& texto) { return dir_.Escribe("p.csv", texto).string(); };
  falla(puntos("n,x,y,z\n1,0,0,0\n2,1,0,0\n3,x,1,0\n"), "p.csv:4: x 'x' is not a finite number");
  falla(puntos("n,x,y,z\n"), "the file holds no points");
  falla(puntos("n,x,y,z\n1,0,0,0\n2,1,0,0\n"), "No hay puntos para triangular");
  // Points that give no triangle, in a line or farther apart than the longest side: with contours or without.
  const std::string sueltos = puntos("n,x,y,z\n1,0,0,0\n2,10,0,1\n3,0,10,2\n4,10,10,3\n5,5,5,4\n");
  const std::string en_linea = dir_.Escribe("l.csv", "n,x,y,z\n1,0,0,0\n2,1,1,1\n3,2,2,2\n4,3,3,3\n").string();
  for (const std::string& orden : {en_linea, sueltos + " --dist-max 0.001"})
    for (const char* opcion : {"", " --no-contours"})
      falla(orden + opcion, "no triangulation was made; nothing written");
  // A --major below the equidistance picked for the relief (80 m: every 2 m) would make every line major.
  const auto relieve = dir_.Escribe("r.csv", "n,x,y,z\n1,0,0,0\n2,100,0,20\n3,0,100,40\n4,100,100,80\n").string();
  falla(relieve + " --dist-max 200 --major 1", "--major 1 is smaller than the equidistance 2");
  // It runs, and the picked equidistance is said with the major interval the run uses.
  const auto r = Corre(relieve, " --dist-max 200 --major 4");
  EXPECT_EQ(r.estado, 0) << r.err;
  EXPECT_NE(r.err.find("contours with equidistance 2, minor colour"), std::string::npos) << r.err;
  EXPECT_EQ(Corre((dir_ / "missing.csv").string()).estado, 1);
  for (const char* uso : {"run --out x", "run p.csv --dist-max abc --out x", "frobnicate"})
    EXPECT_EQ(Ejecuta_Trilat(dir_.Ruta(), uso).estado, 2) << uso;
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
