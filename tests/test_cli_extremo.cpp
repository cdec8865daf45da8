// The command-line host end to end: every output of a run read back through the libraries that read such files,
// bad breaklines and triangulations refused with nothing written, Ctrl-C during a long triangulation, and the
// dialogs answered on a real terminal.
#include <gdal.h>
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <ogr_api.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Generadores.h"
#include "tests/support/Orden_Trilat.h"
#include "tests/support/Sesion_Pty.h"

#ifndef TRILAT_CLI_PATH
#error "TRILAT_CLI_PATH names the built trilat command"
#endif

namespace Vyr_Trilat::prueba {
namespace {

namespace fs = std::filesystem;

std::string Puntos_Csv(const Nube& c) {
  std::ostringstream t;
  t.precision(17);
  t << "n,x,y,z\n";
  for (std::size_t i = 0; i < c.size(); ++i) t << 101 + i << ',' << c.x[i] << ',' << c.y[i] << ',' << c.z[i] << '\n';
  return t.str();
}

int Trilat(const Carpeta_Temporal& dir, const std::string& args) { return Ejecuta_Trilat(dir.Ruta(), args).estado; }

std::string Lee(const fs::path& p) {
  std::ostringstream s;
  s << std::ifstream(p).rdbuf();
  return s.str();
}

long Objetos_OGR(const fs::path& ruta) {
  GDALAllRegister();
  GDALDatasetH ds = GDALOpenEx(ruta.c_str(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr);
  if (!ds) return -1;
  long n = 0;
  for (int c = 0; c < GDALDatasetGetLayerCount(ds); ++c) n += static_cast<long>(OGR_L_GetFeatureCount(GDALDatasetGetLayer(ds, c), 1));
  GDALClose(ds);
  return n;
}

long Elementos_XML(const fs::path& ruta, const char* nombre) {
  xmlDocPtr doc = xmlReadFile(ruta.c_str(), nullptr, XML_PARSE_NONET);
  if (!doc) return -1;
  long n = 0;
  std::vector<xmlNodePtr> pila{xmlDocGetRootElement(doc)};
  while (!pila.empty()) {
    xmlNodePtr nodo = pila.back();
    pila.pop_back();
    for (; nodo; nodo = nodo->next) {
      if (nodo->type == XML_ELEMENT_NODE && xmlStrcmp(nodo->name, reinterpret_cast<const xmlChar*>(nombre)) == 0) ++n;
      if (nodo->children) pila.push_back(nodo->children);
    }
  }
  xmlFreeDoc(doc);
  return n;
}

TEST(Cli_Extremo, CadaSalidaSeLeeDeNuevo) {
  Carpeta_Temporal dir;
  const Nube c = Genera(Forma::Agrupada, 600, 300, 12, 431000, 4581000);
  const auto puntos = dir.Escribe("p.csv", Puntos_Csv(c));
  // One breakline through the first points of the survey.
  const auto roturas = dir.Escribe("b.txt", "101 102 103\n104,105\n");
  ASSERT_EQ(Trilat(dir, "run " + puntos.string() + " --breaklines " + roturas.string() +
                            " --dist-max 40 --equidistance 2 --out " + (dir / "out").string()),
            0)
      << Lee(dir / "err.txt");
  std::istringstream tin(Lee(dir / "out" / "tin.csv"));
  long filas = -1;
  for (std::string l; std::getline(tin, l);) ++filas;
  ASSERT_GT(filas, 100);
  EXPECT_EQ(Elementos_XML(dir / "out" / "tin.xml", "F"), filas);

  const std::string geojson = Lee(dir / "out" / "contours.geojson");
  long lineas = 0;
  for (std::size_t p = geojson.find("\"LineString\""); p != std::string::npos; p = geojson.find("\"LineString\"", p + 1))
    ++lineas;
  ASSERT_GT(lineas, 5);
  EXPECT_EQ(Objetos_OGR(dir / "out" / "contours.gpkg"), lineas);
  EXPECT_EQ(Objetos_OGR(dir / "out" / "contours.dxf"), lineas);
  EXPECT_TRUE(fs::file_size(dir / "out" / "picture.png") > 0);
  EXPECT_TRUE(fs::file_size(dir / "out" / "picture.svg") > 0);
  // Nothing of the staging is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), fs::directory_iterator{}), 7);
}

TEST(Cli_Extremo, RoturasYTrianguacionesMalasNoEscribenNada) {
  Carpeta_Temporal dir;
  const auto puntos = dir.Escribe("p.csv", Puntos_Csv(Genera(Forma::Uniforme, 50, 100, 3)));
  const struct {
    const char* archivo;
    const char* texto;
    const char* opcion;
    const char* error;
  } casos[] = {
      {"b.txt", "101 102\n101 99999\n", "--breaklines", "b.txt:2"},
      {"b.txt", "101 x\n", "--breaklines", "b.txt:1"},
      {"t.csv", "index,v1,v2,v3\n0,101,102,77777\n", "--tin", "t.csv:2"},
      {"t.csv", "index,v1,v2,v3\n0,101,102\n", "--tin", "t.csv:2"},
  };
  for (const auto& caso : casos) {
    const auto f = dir.Escribe(caso.archivo, caso.texto);
    EXPECT_EQ(Trilat(dir, "run " + puntos.string() + " " + caso.opcion + " " + f.string() + " --out " +
                              (dir / "out").string()),
              1)
        << caso.texto;
    EXPECT_NE(Lee(dir / "err.txt").find(caso.error), std::string::npos) << Lee(dir / "err.txt");
    EXPECT_FALSE(fs::exists(dir / "out")) << caso.texto;
  }
}

// A remembered maximum side the triangulation dialog corrects as it loads (its message said so) is no failed
// computation: the run goes on, with the option's value or the default.
TEST(Cli_Extremo, UnaDistanciaRecordadaNoValidaNoDetieneElTrabajo) {
  Carpeta_Temporal dir;
  const auto puntos = dir.Escribe("p.csv", Puntos_Csv(Genera(Forma::Uniforme, 200, 1000, 5)));
  for (const char* opcion : {" --dist-max 50", ""}) {
    dir.Escribe("settings.ini", "[MDT/Triangulación]\nDistacia Maxima=0\n");
    const auto r = Ejecuta_Trilat(dir.Ruta(), "run " + puntos.string() + opcion + " --out " + (dir / "out").string());
    EXPECT_EQ(r.estado, 0) << r.err;
    EXPECT_NE(r.err.find("La distancia máxima debe ser mayor de 1"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(dir / "out" / "tin.csv"));
    fs::remove_all(dir / "out");
  }
}

// Another OGR format takes its driver's extension and holds every line (CSV its geometry as WKT); a driver that
// writes no file to disk is refused on the command line.
TEST(Cli_Extremo, FormatoVectorialConSuExtension) {
  Carpeta_Temporal dir;
  const auto puntos = dir.Escribe("p.csv", Puntos_Csv(Genera(Forma::Uniforme, 200, 1000, 13)));
  const std::string orden = "run " + puntos.string() + " --formats contours.geojson,contours.gpkg --out " +
                            (dir / "out").string() + " --vector-format ";
  for (const auto& [formato, nombre] : {std::pair<std::string, std::string>{"'MapInfo File'", "contours.tab"},
                                        {"CSV", "contours.csv"}, {"GeoJSON", "contours.json"}}) {
    SCOPED_TRACE(formato);
    ASSERT_EQ(Trilat(dir, orden + formato), 0) << Lee(dir / "err.txt");
    const long lineas = Objetos_OGR(dir / "out" / "contours.geojson");
    EXPECT_GT(lineas, 5);
    EXPECT_EQ(Objetos_OGR(dir / "out" / nombre), lineas);
    if (formato == "CSV") {
      EXPECT_NE(Lee(dir / "out" / nombre).find("\"LINESTRING Z ("), std::string::npos);
    }
    fs::remove_all(dir / "out");
  }
  EXPECT_EQ(Trilat(dir, orden + "Memory"), 2);
  EXPECT_NE(Lee(dir / "err.txt").find("--vector-format: no GDAL/OGR driver named 'Memory' that writes vector files to disk"),
            std::string::npos)
      << Lee(dir / "err.txt");
  // DXF would clash with contours.dxf and refuses the lines' attributes.
  EXPECT_EQ(Trilat(dir, orden + "DXF"), 2);
  EXPECT_NE(Lee(dir / "err.txt").find("DXF contours are contours.dxf"), std::string::npos) << Lee(dir / "err.txt");
  EXPECT_FALSE(fs::exists(dir / "out"));
}

// While alive, no file may grow past `bytes`: its writes then fail as on a full disk, for root as for anyone, and
// the commands started meanwhile inherit the limit.
class Disco_Lleno {
 public:
  explicit Disco_Lleno(rlim_t bytes) : senal_(signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &antes_);
    const rlimit limite{bytes, antes_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limite);
  }
  ~Disco_Lleno() {
    setrlimit(RLIMIT_FSIZE, &antes_);
    signal(SIGXFSZ, senal_);
  }
  Disco_Lleno(const Disco_Lleno&) = delete;
  Disco_Lleno& operator=(const Disco_Lleno&) = delete;

 private:
  rlimit antes_{};
  sighandler_t senal_;
};

// A disk that fills up as the file is finished (when the driver closes it) fails the job, with nothing written.
TEST(Cli_Extremo, DiscoLlenoNoEscribeNada) {
  Carpeta_Temporal dir;
  const auto puntos = dir.Escribe("p.csv", Puntos_Csv(Genera(Forma::Uniforme, 200, 1000, 13)));
  for (const char* formato : {"contours.dxf", "contours.gpkg"}) {
    SCOPED_TRACE(formato);
    const std::string orden = "run " + puntos.string() + " --formats " + formato + " --out " + (dir / "out").string();
    ASSERT_EQ(Trilat(dir, orden), 0) << Lee(dir / "err.txt");
    const auto lleno = fs::file_size(dir / "out" / formato);
    fs::remove_all(dir / "out");
    int estado = 0;
    {
      const Disco_Lleno disco(lleno - 2048);
      estado = Trilat(dir, orden);
    }
    const std::string err = Lee(dir / "err.txt");
    EXPECT_EQ(estado, 1) << err;
    EXPECT_NE(err.find("cannot write "), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir / "out"));
  }
}

TEST(Cli_Extremo, CtrlCDuranteLaTriangulacion) {
  Carpeta_Temporal dir;
  // Large enough, with a search window over the whole site, that the triangulation lasts a few seconds: the
  // abort request is read when the next pass starts, and a stop requested later is honoured before writing.
  const auto puntos = dir.Escribe("p.csv", Puntos_Csv(Genera(Forma::Uniforme, 100000, 1000, 5)));
  const pid_t hijo = fork();
  ASSERT_GE(hijo, 0);
  if (hijo == 0) {
    const std::string salida = (dir / "out").string(), ajustes = (dir / "settings.ini").string();
    freopen("/dev/null", "w", stderr);
    execl(TRILAT_CLI_PATH, TRILAT_CLI_PATH, "run", puntos.c_str(), "--dist-max", "100", "--quiet", "--settings",
          ajustes.c_str(), "--out", salida.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  kill(hijo, SIGINT);
  int estado = 0;
  waitpid(hijo, &estado, 0);
  ASSERT_TRUE(WIFEXITED(estado));
  EXPECT_EQ(WEXITSTATUS(estado), 130);
  EXPECT_FALSE(fs::exists(dir / "out"));
}

TEST(Cli_Extremo, DialogosEnUnTerminalReal) {
  Carpeta_Temporal dir;
  const auto puntos = dir.Escribe("p.csv", Puntos_Csv(Genera(Forma::Uniforme, 300, 200, 7)));
  const std::string salida = (dir / "out").string(), ajustes = (dir / "settings.ini").string();
  Sesion_Pty sesion([&] {
    execl(TRILAT_CLI_PATH, TRILAT_CLI_PATH, "run", puntos.c_str(), "--dialog", "--quiet", "--settings",
          ajustes.c_str(), "--out", salida.c_str(), static_cast<char*>(nullptr));
    return 127;
  });
  // The triangulation dialog: a new maximum side, then Aceptar; the message of the seed search on this survey
  // acknowledged; the contouring dialog: Aceptar as it stands.
  const bool completo = sesion.Conversa({{"Choose 1-5: ", "1\r"}, {"[100]: ", "25\r"}, {"Choose 1-5: ", "4\r"},
                                         {"NO ENCUENTRO TRIANGULOS..", ""}, {"[Enter] ", "\r"},
                                         {"Choose 1-11: ", "11\r"}});
  EXPECT_TRUE(completo) << sesion.Pantalla();
  EXPECT_EQ(sesion.Termina(), 0) << sesion.Pantalla();
  EXPECT_TRUE(fs::exists(dir / "out" / "tin.csv"));
  const std::string recordado = Lee(dir / "settings.ini");
  EXPECT_NE(recordado.find("Distacia Maxima=25"), std::string::npos) << recordado;
  EXPECT_NE(recordado.find("Equidistancia curvas finas="), std::string::npos) << recordado;
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
