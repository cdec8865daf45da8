// The output folder of a job: its files replace those of an earlier run all together or not at all.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "hosts/cli/Carpeta_Salida.h"
#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Lee_Archivo.h"
#include "tests/support/Mensaje_Error.h"

namespace Vyr_Trilat::prueba {
namespace {

namespace fs = std::filesystem;

TEST(Carpeta_Salida, PublicaTodoONada) {
  Carpeta_Temporal dir;
  const fs::path salida = dir / "out";
  const std::string letras = "abcdefghijklmnopqrstuvwxyz";
  fs::create_directories(salida / "sub");
  std::ofstream(salida / "sub" / "viejo") << "old";
  for (const char c : letras) std::ofstream(salida / std::string(1, c)) << "old";
  const auto nombres = [&] { return std::distance(fs::directory_iterator(salida), fs::directory_iterator{}); };
  const auto publica = [&] {
    anfitrion::Carpeta_Salida carpeta(salida);
    fs::create_directory(carpeta.Ruta("sub"));
    std::ofstream(carpeta.Ruta("sub") / "nuevo") << "new";
    for (const char c : letras) std::ofstream(carpeta.Ruta(std::string(1, c))) << "new";
    carpeta.Publica();
  };
  // A folder where one of the files is to go: no file is replaced, nothing of the job is left.
  fs::remove(salida / "m");
  fs::create_directories(salida / "m" / "x");
  EXPECT_EQ(Mensaje_Error(publica),
            "cannot write " + (salida / "m").string() + ": a folder of that name is in the way");
  for (const char c : letras) EXPECT_EQ(Lee_Archivo(salida / std::string(1, c)), c == 'm' ? "" : "old") << c;
  EXPECT_TRUE(fs::exists(salida / "m" / "x") && fs::exists(salida / "sub" / "viejo"));
  EXPECT_EQ(nombres(), std::ssize(letras) + 1);
  // Out of the way, every file and the folder are replaced.
  fs::remove_all(salida / "m");
  publica();
  for (const char c : letras) EXPECT_EQ(Lee_Archivo(salida / std::string(1, c)), "new") << c;
  EXPECT_EQ(Lee_Archivo(salida / "sub" / "nuevo"), "new");
  EXPECT_FALSE(fs::exists(salida / "sub" / "viejo"));
  EXPECT_EQ(nombres(), std::ssize(letras) + 1);
}

// A job that fails removes the folders it made for its output, those it did not make are kept.
TEST(Carpeta_Salida, FalloQuitaLasCarpetasQueHizo) {
  Carpeta_Temporal dir;
  const auto falla = [&](const fs::path& salida) {
    anfitrion::Carpeta_Salida carpeta(salida);
    std::ofstream(carpeta.Ruta("tin.csv")) << "new";
  };
  falla(dir / "n1" / "n2" / "n3");
  EXPECT_EQ(dir.Contenido(), "");
  fs::create_directories(dir / "n1");
  falla(dir / "n1" / "n2" / "n3");
  EXPECT_EQ(dir.Contenido(), "n1");
  EXPECT_TRUE(fs::is_empty(dir / "n1"));
}

// A job ended by force leaves its staging folder: the next job into the folder removes it, not those of jobs
// still running.
TEST(Carpeta_Salida, QuitaPreparacionesDeTrabajosTerminados) {
  Carpeta_Temporal dir;
  const auto terminado_ya = [] {
    const pid_t hijo = fork();
    if (hijo == 0) _exit(0);
    waitpid(hijo, nullptr, 0);
    return hijo;
  };
  const pid_t terminado = terminado_ya();
  const std::string prefijo = ".trilat-staging-";
  const std::set<std::string> quedan = {prefijo + std::to_string(getppid()), prefijo + "x"};
  for (const auto& n : quedan) fs::create_directories(dir / "out" / n);
  // One whose job could not put back the files it was to replace keeps them.
  const std::string con_apartados = prefijo + std::to_string(terminado_ya());
  fs::create_directories(dir / "out" / con_apartados / ".anteriores");
  std::ofstream(dir / "out" / con_apartados / ".anteriores" / "tin.csv") << "the user's";
  fs::create_directories(dir / "out" / (prefijo + std::to_string(terminado)) / "sub");
  std::ofstream(dir / "out" / (prefijo + std::to_string(terminado)) / "sub" / "contours.gpkg") << "big";
  { anfitrion::Carpeta_Salida carpeta(dir / "out"); }
  std::set<std::string> hay;
  for (const auto& e : fs::directory_iterator(dir / "out")) hay.insert(e.path().filename().string());
  EXPECT_EQ(hay.erase(con_apartados), 1u);
  EXPECT_EQ(hay, quedan);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
