// The output folder of a job: its files replace those of an earlier run all together or not at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <future>
#include <map>
#include <optional>
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

// A job ended by force leaves its staging folder: the next job into the folder removes it, not that of a job still
// running (which holds it locked, seen from any process), nor files of the user that a failed publishing could not
// put back.
TEST(Carpeta_Salida, QuitaPreparacionesDeTrabajosTerminados) {
  Carpeta_Temporal dir;
  const fs::path salida = dir / "out";
  const std::string prefijo = ".trilat-staging-";
  fs::create_directories(salida / (prefijo + "12345") / "sub");
  std::ofstream(salida / (prefijo + "12345") / "sub" / "contours.gpkg") << "big";
  fs::create_directories(salida / (prefijo + "x"));
  const std::string con_apartados = prefijo + "67890";
  fs::create_directories(salida / con_apartados / ".anteriores");
  std::ofstream(salida / con_apartados / ".anteriores" / "tin.csv") << "the user's";
  const auto hay = [&] {
    std::set<std::string> nombres;
    for (const auto& e : fs::directory_iterator(salida)) nombres.insert(e.path().filename().string());
    return nombres;
  };
  anfitrion::Carpeta_Salida viva(salida);
  std::ofstream(viva.Ruta("tin.csv")) << "being written";
  const std::set<std::string> tras_la_primera = hay();
  EXPECT_EQ(tras_la_primera.size(), 2u);
  EXPECT_EQ(tras_la_primera.count(con_apartados), 1u);
  { anfitrion::Carpeta_Salida otra(salida); }
  EXPECT_EQ(hay(), tras_la_primera);
  EXPECT_EQ(Lee_Archivo(viva.Ruta("tin.csv")), "being written");
}

// Two jobs into one folder publish in turn: one waits while another holds the folder, so neither leaves a mix.
TEST(Carpeta_Salida, PublicaPorTurnos) {
  Carpeta_Temporal dir;
  const fs::path salida = dir / "out";
  fs::create_directories(salida);
  std::ofstream(salida / "tin.csv") << "old";
  // One pipe each way: the other job says when it holds the folder, and is told when to let go.
  int listo[2], suelta[2];
  ASSERT_EQ(pipe(listo), 0);
  ASSERT_EQ(pipe(suelta), 0);
  const pid_t otro = fork();
  if (otro == 0) {
    const int fd = open(salida.c_str(), O_RDONLY | O_DIRECTORY);
    char c = 0;
    if (fd < 0 || flock(fd, LOCK_EX) != 0 || write(listo[1], "x", 1) != 1 || read(suelta[0], &c, 1) != 1) _exit(1);
    _exit(0);
  }
  char c = 0;
  ASSERT_EQ(read(listo[0], &c, 1), 1);
  anfitrion::Carpeta_Salida carpeta(salida);
  std::ofstream(carpeta.Ruta("tin.csv")) << "new";
  auto publicada = std::async(std::launch::async, [&] { carpeta.Publica(); });
  EXPECT_EQ(publicada.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
  EXPECT_EQ(Lee_Archivo(salida / "tin.csv"), "old");
  ASSERT_EQ(write(suelta[1], "x", 1), 1);
  publicada.get();
  int estado = 0;
  waitpid(otro, &estado, 0);
  EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
  EXPECT_EQ(Lee_Archivo(salida / "tin.csv"), "new");
}

// A request to end the process that comes while the files are moved in waits until all are in and the files they
// replace are gone: the folder never holds part of each set, nor the earlier files hidden in the staging folder.
TEST(Carpeta_Salida, SenalAlPublicarEspera) {
  Carpeta_Temporal dir;
  const fs::path salida = dir / "out";
  constexpr int kArchivos = 5000;  // enough moves for the signal to come among them
  fs::create_directories(salida);
  for (int k = 0; k < kArchivos; ++k) std::ofstream(salida / std::to_string(k)) << "old";
  int listo[2];
  ASSERT_EQ(pipe(listo), 0);
  const pid_t hijo = fork();
  if (hijo == 0) {
    signal(SIGTERM, SIG_DFL);
    anfitrion::Carpeta_Salida carpeta(salida);
    for (int k = 0; k < kArchivos; ++k) std::ofstream(carpeta.Ruta(std::to_string(k))) << "new";
    if (write(listo[1], "x", 1) != 1) _exit(1);
    carpeta.Publica();
    _exit(0);
  }
  char c = 0;
  ASSERT_EQ(read(listo[0], &c, 1), 1);
  // The staging folder, and the signal as soon as the first earlier file has been moved aside.
  const auto apartados = [&]() -> std::optional<fs::path> {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(salida, ec))
      if (e.path().filename().string().starts_with(".trilat-staging-")) return e.path() / ".anteriores";
    return std::nullopt;
  };
  for (;;) {
    std::error_code ec;
    const auto a = apartados();
    if (!a || (fs::exists(*a, ec) && !fs::is_empty(*a, ec))) break;
  }
  kill(hijo, SIGTERM);
  int estado = 0;
  waitpid(hijo, &estado, 0);
  // Ended by the signal once all was in, or (on a busy machine) done before it came.
  EXPECT_TRUE((WIFSIGNALED(estado) && WTERMSIG(estado) == SIGTERM) || (WIFEXITED(estado) && WEXITSTATUS(estado) == 0));
  std::map<std::string, int> contenidos;
  for (int k = 0; k < kArchivos; ++k) ++contenidos[Lee_Archivo(salida / std::to_string(k))];
  EXPECT_EQ(contenidos, (std::map<std::string, int>{{"new", kArchivos}}));
  std::error_code ec;
  const auto a = apartados();
  EXPECT_TRUE(!a || !fs::exists(*a, ec)) << "earlier files left in " << a->string();
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
