// The settings store against a real file in a private folder, through the library's own file access and through the
// host's: round trips, the environment that picks the file, concurrent writers, a corrupt or read-only file that must
// stay untouched, escaping of any string, window positions.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "hosts/support/Acceso_Archivos_Posix.h"
#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Grabadores.h"
#include "tests/support/Lee_Archivo.h"
#include "tests/support/Mensaje_Error.h"
#include "tests/support/Numero_Error.h"
#include "trilat/sibling/Documento_Ajustes.h"
#include "trilat/sibling/c_Ajustes.h"

namespace Vyr_Trilat {
namespace {

namespace fs = std::filesystem;
using prueba::Lee_Archivo;

struct Ventana_Prueba : Ventana {
  Long izquierda = 111, arriba = 222;
  Long Left() const override { return izquierda; }
  Long Top() const override { return arriba; }
  void Mueve(Long l, Long t) override { izquierda = l, arriba = t; }
};

// Which file access the store goes through: the library's own (standard library only) or the host's (POSIX).
enum class Acceso { Propio, Posix };

class Ajustes : public ::testing::TestWithParam<Acceso> {
 protected:
  // The folder beside the file once saves have been made: the host's access keeps its lock file there.
  std::string Tras_Guardar() const {
    return GetParam() == Acceso::Posix ? "settings.ini settings.ini.lock" : "settings.ini";
  }
  fs::path archivo() const { return temporales_.Archivo(); }
  Variant Lee(const std::string& seccion, const std::string& clave, const Variant& defecto = {}) {
    return a_.Lee_Valor("MDT", seccion, clave, defecto);
  }
  void Guarda(const std::string& seccion, const std::string& clave, const Variant& valor) {
    a_.Guarda_Valor("MDT", seccion, clave, valor);
  }
  // A value and a window position that would change the file are refused with error 75 naming it and `motivo`;
  // the file keeps `texto`, and no temporary is left beside it. (What could not be saved is still read back for
  // this run: the dialogs' tests see to that.)
  void Rechaza_Cambios(const std::string& texto, const std::string& motivo) {
    const auto guarda = [&] { Guarda("Triangulación", "Formacion", Variant::De_Entero(1)); };
    EXPECT_EQ(prueba::Numero_Error(guarda), 75) << texto;
    EXPECT_NE(prueba::Mensaje_Error(guarda).find(archivo().string() + motivo), std::string::npos) << texto;
    EXPECT_EQ(prueba::Numero_Error([&] { a_.Guarda_Posicion(Ventana_Prueba(), "MDT", "Posicion Curvado"); }), 75);
    EXPECT_EQ(Lee_Archivo(archivo()), texto);
    EXPECT_EQ(carpeta_.Contenido(), Tras_Guardar());
  }

  prueba::Gancho_Temporal<std::shared_ptr<const Acceso_Archivos>, Instala_Acceso_Archivos> acceso_{
      GetParam() == Acceso::Posix ? std::make_shared<anfitrion::Acceso_Archivos_Posix>() : nullptr};
  prueba::Ajustes_Temporales temporales_;
  const prueba::Carpeta_Temporal& carpeta_ = temporales_.Carpeta();
  c_Ajustes& a_ = c_Ajustes::Instancia();
};

TEST_P(Ajustes, ValuesRoundTripThroughTheFileAsText) {
  const Variant cien = Variant::De_Entero(100);
  EXPECT_EQ(Lee("Triangulación", "Distacia Maxima", cien), cien);
  EXPECT_FALSE(fs::exists(archivo()));  // reading creates nothing
  Guarda("Triangulación", "Distacia Maxima", Variant::De_Texto("75,5"));
  Guarda("Triangulación", "Formacion", Variant::De_Entero(1));
  Guarda("Triangulación", "Alineacion", Variant::De_Booleano(True));
  Guarda("Triangulación", "Color", Variant::De_Largo(65280));
  Guarda("Curvado", "Segmentos", Variant::De_Doble(0.1 + 0.2));
  Guarda("Triangulación", "Formacion", Variant::De_Entero(0));
  EXPECT_EQ(Lee("Triangulación", "Distacia Maxima", cien), Variant::De_Texto("75,5"));
  EXPECT_TRUE(Lee("Triangulación", "Alineacion").A_Booleano() == True &&
              Lee("Curvado", "Segmentos").A_Doble() == 0.1 + 0.2);
  EXPECT_EQ(Lee("Curvado", "Formacion", cien), cien);
  EXPECT_NE(Lee_Archivo(archivo()).find(
                "[MDT/Triangulación]\nDistacia Maxima=75,5\nFormacion=0\nAlineacion=True\nColor=65280\n"),
            std::string::npos);
  // A file a person edited: byte-order mark, CR-LF, comments, blanks around names; a save keeps the comments, the
  // mark and the line ends.
  std::ofstream(archivo(), std::ios::binary)
      << "\xEF\xBB\xBF; mine\r\n[ MDT / Curvado ]\r\n  Segmentos = 7 \r\n# x\r\n";
  EXPECT_EQ(Lee("Curvado", "Segmentos"), Variant::De_Texto("7"));
  Guarda("Curvado", "Formacion", Variant::De_Entero(1));
  EXPECT_EQ(Lee_Archivo(archivo()),
            "\xEF\xBB\xBF; mine\r\n[ MDT / Curvado ]\r\n  Segmentos = 7 \r\nFormacion=1\r\n# x\r\n");
}

// Every test names a file of its own in TRILAT_SETTINGS; without it the file is found as the base-directory
// convention asks.
TEST_P(Ajustes, TheEnvironmentPicksTheFile) {
  ::unsetenv("TRILAT_SETTINGS");
  ::setenv("HOME", (carpeta_ / "home").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (carpeta_ / "xdg").c_str(), 1);
  Guarda("S", "k", Variant::De_Texto("xdg"));
  EXPECT_NE(Lee_Archivo(carpeta_ / "xdg/vyr_trilat/settings.ini").find("k=xdg"), std::string::npos);
  ::setenv("XDG_CONFIG_HOME", "relative", 1);  // ignored
  Guarda("S", "k", Variant::De_Texto("home"));
  EXPECT_NE(Lee_Archivo(carpeta_ / "home/.config/vyr_trilat/settings.ini").find("k=home"), std::string::npos);
}

// The standard library cannot lock a file against another process: only the host's access takes turns.
class Ajustes_Entre_Procesos : public Ajustes {};

TEST_P(Ajustes_Entre_Procesos, TwoProcessesSavingAtOnceLoseNothing) {
  constexpr int kClaves = 40;
  std::vector<pid_t> hijos;
  for (const char* prefijo : {"a", "b"}) {
    if ((hijos.emplace_back(::fork())) != 0) continue;
    try {
      for (int i = 0; i < kClaves; ++i) Guarda("Carrera", prefijo + std::to_string(i), Variant::De_Largo(i));
    } catch (...) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  for (const pid_t pid : hijos) {
    int estado = 0;
    ASSERT_EQ(::waitpid(pid, &estado, 0), pid);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
  }
  for (const char* prefijo : {"a", "b"})
    for (int i = 0; i < kClaves; ++i) EXPECT_EQ(Lee("Carrera", prefijo + std::to_string(i)).A_Largo(), i);
  EXPECT_EQ(carpeta_.Contenido(), Tras_Guardar());  // no temporary left
}

TEST_P(Ajustes, ACorruptOrReadOnlyFileIsNeverOverwritten) {
  // Formacion is the key the failing saves write; Alineacion is never saved, so it shows what the file gives.
  const std::string bien = "[MDT/Triangulación]\nFormacion=0\nAlineacion=0\n";
  const auto alineacion = [&] { return Lee("Triangulación", "Alineacion", Variant::De_Entero(1)); };
  for (const std::string& malo : std::vector<std::string>{
           bien + "\xFF\n", bien + std::string("x\0=1\n", 5), bien + "no equals sign\n", "Formacion=0\n" + bien,
           bien + "Color=\\x4\n", bien + "Color=1\\\n", "[MDT Triangulación]\nFormacion=0\n",
           "[MDT/Triangulación\nFormacion=0\n", "[MDT/Triangulación] x\nFormacion=0\n", bien + "\xED\xA0\x80\n"}) {
    std::ofstream(archivo(), std::ios::binary) << malo;
    EXPECT_EQ(alineacion(), Variant::De_Entero(1)) << malo;
    Rechaza_Cambios(malo, " is damaged");
  }
  // A read-only file is read, and kept as it is: a save that would change it fails, one that would not is no save.
  std::ofstream(archivo(), std::ios::binary) << bien;
  const auto solo_lectura = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(archivo(), solo_lectura);
  EXPECT_EQ(alineacion(), Variant::De_Texto("0"));
  EXPECT_NO_THROW(Guarda("Triangulación", "Formacion", Variant::De_Entero(0)));
  EXPECT_EQ(Lee("Triangulación", "Formacion"), Variant::De_Texto("0"));  // saved at last: the file's again
  Rechaza_Cambios(bien, " is read-only");
  EXPECT_EQ(fs::status(archivo()).permissions() & fs::perms::all, solo_lectura);
  // A path that cannot be read as a file is treated the same way.
  fs::remove(archivo());
  fs::create_directory(archivo());
  EXPECT_EQ(alineacion(), Variant::De_Entero(1));
  EXPECT_EQ(prueba::Numero_Error([&] { Guarda("Triangulación", "Formacion", Variant::De_Entero(1)); }), 75);
  EXPECT_TRUE(fs::is_directory(archivo()));
}

// Many changes to one document, and keys taken out: its text always parses and holds every value last set. Every
// tenth change goes through the store and its file too.
TEST_P(Ajustes, AnyStringsRoundTrip) {
  using namespace std::string_view_literals;
  const std::string_view kPiezas[] = {
      "="sv,  ";"sv,  "#"sv, "["sv,  "]"sv, "/"sv,    "\\"sv,           " "sv,   "\t"sv, "\n"sv,
      "\r"sv, "\0"sv, "a"sv, "x0"sv, "é"sv, "\xFF"sv, "\xE2\x82\xAC"sv, "\\x4"sv};
  std::mt19937 azar(20240611);
  const auto hasta = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(azar); };
  const auto texto = [&] {
    std::string s;
    for (std::size_t n = hasta(8); n > 0; --n) s += kPiezas[hasta(std::size(kPiezas) - 1)];
    return s;
  };
  std::vector<std::string> nombres(12);
  for (auto& n : nombres) n = texto();
  const auto nombre = [&] { return nombres[hasta(11)]; };
  Documento_Ajustes documento;
  std::map<Clave_Ajuste, std::string> esperado, en_archivo;
  for (int i = 0; i < 400; ++i) {
    const Clave_Ajuste c{nombre(), nombre(), nombre()};
    if (i % 7 == 3 && !esperado.empty()) {  // now and then a key set before goes again
      const auto quitada = std::next(esperado.begin(), static_cast<std::ptrdiff_t>(azar() % esperado.size()));
      documento.Quita(quitada->first);
      ASSERT_EQ(documento.Valor(quitada->first), nullptr);
      esperado.erase(quitada);
    }
    documento.Pon(c, esperado[c] = texto());
    if (i % 10 == 0) a_.Guarda_Valor(c.aplicacion, c.seccion, c.clave, Variant::De_Texto(en_archivo[c] = esperado[c]));
    const auto leido = Documento_Ajustes::Analiza(documento.Texto());
    ASSERT_TRUE(leido) << documento.Texto();
    for (const auto& [k, v] : esperado) ASSERT_TRUE(leido->Valor(k) && *leido->Valor(k) == v) << documento.Texto();
  }
  for (const auto& [c, v] : en_archivo) EXPECT_EQ(a_.Lee_Valor(c.aplicacion, c.seccion, c.clave, {}).A_Texto(), v);
}

// A position comes back under its own key only; one edited into something that is not one leaves the window.
TEST_P(Ajustes, PositionsRoundTripPerKey) {
  const auto posicion = [&](const char* clave) {
    Ventana_Prueba v;
    a_.Pon_Posicion(v, "MDT", clave);
    return std::pair(v.Left(), v.Top());
  };
  const auto sin_guardar = std::pair(Long{111}, Long{222});
  Ventana_Prueba v;
  v.Mueve(1200, -300);
  a_.Guarda_Posicion(v, "MDT", "Posicion Triangulacion");
  EXPECT_EQ(posicion("Posicion Triangulacion"), std::pair(Long{1200}, Long{-300}));
  EXPECT_EQ(posicion("Posicion Curvado"), sin_guardar);
  Guarda("Posicion Triangulacion", "Top", Variant::De_Texto("12.5"));
  EXPECT_EQ(posicion("Posicion Triangulacion"), sin_guardar);
}

INSTANTIATE_TEST_SUITE_P(Accesos, Ajustes, ::testing::Values(Acceso::Propio, Acceso::Posix),
                         [](const auto& info) { return info.param == Acceso::Posix ? "Posix" : "Propio"; });
INSTANTIATE_TEST_SUITE_P(Posix, Ajustes_Entre_Procesos, ::testing::Values(Acceso::Posix));

}  // namespace
}  // namespace Vyr_Trilat
