// The output folder of a job: its files replace those of an earlier run all together or not at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <future>
#include <map>
#include <set>

#include "hosts/cli/Carpeta_Salida.h"
#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Lee_Archivo.h"
#include "tests/support/Mensaje_Error.h"

namespace Vyr_Trilat::prueba {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Nombres(const fs::path& carpeta) {
  std::set<std::string> nombres;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(carpeta, ec)) nombres.insert(e.path().filename().string());
  return nombres;
}

// Another process that runs `hace`, returned once it has written to its end of the pipe (`hace` gets that end).
pid_t Otro_Proceso(const std::function<bool(int)>& hace) {
  int listo[2];
  if (pipe(listo) != 0) return -1;
  const pid_t otro = fork();
  if (otro == 0) _exit(hace(listo[1]) ? 0 : 1);
  char c = 0;
  return read(listo[0], &c, 1) == 1 ? otro : -1;
}

int Espera(pid_t proceso) {
  int estado = 0;
  waitpid(proceso, &estado, 0);
  return estado;
}

TEST(Carpeta_Salida, PublicaTodoONada) {
  Carpeta_Temporal dir;
  const fs::path salida = dir / "out";
  const std::string letras = "abcdefghijklmnopqrstuvwxyz";
  fs::create_directories(salida / "sub");
  std::ofstream(salida / "sub/viejo") << "old";
  for (const char c : letras) std::ofstream(salida / std::string(1, c)) << "old";
  const auto publica = [&] {
    anfitrion::Carpeta_Salida carpeta(salida);
    fs::create_directory(carpeta.Ruta("sub"));
    std::ofstream(carpeta.Ruta("sub") / "nuevo") << "new";
    for (const char c : letras) std::ofstream(carpeta.Ruta(std::string(1, c))) << "new";
    carpeta.Publica();
  };
  // A folder where one of the files is to go: no file is replaced, nothing of the job is left.
  fs::remove(salida / "m");
  fs::create_directories(salida / "m/x");
  EXPECT_EQ(Mensaje_Error(publica),
            "cannot write " + (salida / "m").string() + ": a folder of that name is in the way");
  for (const char c : letras) EXPECT_EQ(Lee_Archivo(salida / std::string(1, c)), c == 'm' ? "" : "old") << c;
  EXPECT_TRUE(fs::exists(salida / "m/x") && fs::exists(salida / "sub/viejo"));
  EXPECT_EQ(Nombres(salida).size(), letras.size() + 1);
  // Out of the way, every file and the folder are replaced.
  fs::remove_all(salida / "m");
  publica();
  for (const char c : letras) EXPECT_EQ(Lee_Archivo(salida / std::string(1, c)), "new") << c;
  EXPECT_TRUE(Lee_Archivo(salida / "sub/nuevo") == "new" && !fs::exists(salida / "sub/viejo"));
  EXPECT_EQ(Nombres(salida).size(), letras.size() + 1);
}

// A job that fails removes the folders it made for its output, those it did not make are kept.
TEST(Carpeta_Salida, FalloQuitaLasCarpetasQueHizo) {
  Carpeta_Temporal dir;
  for (const std::string antes : {"", "n1"}) {
    if (!antes.empty()) fs::create_directories(dir / antes);
    std::ofstream(anfitrion::Carpeta_Salida(dir / "n1/n2/n3").Ruta("tin.csv")) << "new";
    EXPECT_EQ(dir.Contenido(), antes);
  }
  EXPECT_TRUE(fs::is_empty(dir / "n1"));
}

// A job ended by force leaves its staging folder: the next job into the folder removes it, not that of a job still
// running (which holds it locked, seen from any process), nor files of the user that a failed publishing could not
// put back.
TEST(Carpeta_Salida, QuitaPreparacionesDeTrabajosTerminados) {
  Carpeta_Temporal dir;
  const fs::path salida = dir / "out";
  const std::string prefijo = ".trilat-staging-", con_apartados = prefijo + "67890";
  fs::create_directories(salida / (prefijo + "12345/sub"));
  std::ofstream(salida / (prefijo + "12345/sub/contours.gpkg")) << "big";
  fs::create_directories(salida / (prefijo + "x"));
  fs::create_directories(salida / con_apartados / ".anteriores");
  std::ofstream(salida / con_apartados / ".anteriores/tin.csv") << "the user's";
  anfitrion::Carpeta_Salida viva(salida);
  std::ofstream(viva.Ruta("tin.csv")) << "being written";
  const std::set<std::string> tras_la_primera = Nombres(salida);
  EXPECT_TRUE(tras_la_primera.size() == 2 && tras_la_primera.count(con_apartados) == 1);
  { anfitrion::Carpeta_Salida otra(salida); }
  EXPECT_EQ(Nombres(salida), tras_la_primera);
  EXPECT_EQ(Lee_Archivo(viva.Ruta("tin.csv")), "being written");
}

// Two jobs into one folder publish in turn: one waits while another holds the folder, so neither leaves a mix.
TEST(Carpeta_Salida, PublicaPorTurnos) {
  Carpeta_Temporal dir;
  const fs::path salida = dir / "out";
  fs::create_directories(salida);
  std::ofstream(salida / "tin.csv") << "old";
  // The other job holds the folder until it is told to let go.
  int suelta[2];
  ASSERT_EQ(pipe(suelta), 0);
  const pid_t otro = Otro_Proceso([&](int listo) {
    const int fd = open(salida.c_str(), O_RDONLY | O_DIRECTORY);
    char c = 0;
    return fd >= 0 && flock(fd, LOCK_EX) == 0 && write(listo, "x", 1) == 1 && read(suelta[0], &c, 1) == 1;
  });
  ASSERT_GT(otro, 0);
  anfitrion::Carpeta_Salida carpeta(salida);
  std::ofstream(carpeta.Ruta("tin.csv")) << "new";
  auto publicada = std::async(std::launch::async, [&] { carpeta.Publica(); });
  EXPECT_EQ(publicada.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
  EXPECT_EQ(Lee_Archivo(salida / "tin.csv"), "old");
  ASSERT_EQ(write(suelta[1], "x", 1), 1);
  publicada.get();
  const int estado = Espera(otro);
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
  const pid_t hijo = Otro_Proceso([&](int listo) {
    signal(SIGTERM, SIG_DFL);
    anfitrion::Carpeta_Salida carpeta(salida);
    for (int k = 0; k < kArchivos; ++k) std::ofstream(carpeta.Ruta(std::to_string(k))) << "new";
    if (write(listo, "x", 1) != 1) return false;
    carpeta.Publica();
    return true;
  });
  ASSERT_GT(hijo, 0);
  // The earlier files moved aside in the staging folder; the signal as soon as the first of them is there.
  const auto apartados = [&]() -> fs::path {
    for (const auto& n : Nombres(salida))
      if (n.starts_with(".trilat-staging-")) return salida / n / ".anteriores";
    return {};
  };
  for (std::error_code ec;;) {
    const fs::path a = apartados();
    if (a.empty() || (fs::exists(a, ec) && !fs::is_empty(a, ec))) break;
  }
  kill(hijo, SIGTERM);
  const int estado = Espera(hijo);
  // Ended by the signal once all was in, or (on a busy machine) done before it came.
  EXPECT_TRUE((WIFSIGNALED(estado) && WTERMSIG(estado) == SIGTERM) || (WIFEXITED(estado) && WEXITSTATUS(estado) == 0));
  std::map<std::string, int> contenidos;
  for (int k = 0; k < kArchivos; ++k) ++contenidos[Lee_Archivo(salida / std::to_string(k))];
  EXPECT_EQ(contenidos, (std::map<std::string, int>{{"new", kArchivos}}));
  std::error_code ec;
  EXPECT_TRUE(apartados().empty() || !fs::exists(apartados(), ec)) << "earlier files left in " << apartados();
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
