// The command-line host end to end: every output of a run read back through the libraries that read such files,
// bad breaklines and triangulations refused with nothing written, Ctrl-C during a long triangulation, and the
// dialogs answered on a real terminal.
#include <gdal.h>
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <ogr_api.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iomanip>
#include <sstream>
#include <thread>

#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Generadores.h"
#include "tests/support/Lee_Archivo.h"
#include "tests/support/Orden_Trilat.h"
#include "tests/support/Sesion_Pty.h"

#ifndef TRILAT_CLI_PATH
#error "TRILAT_CLI_PATH names the built trilat command"
#endif

namespace Vyr_Trilat::prueba {
namespace {

namespace fs = std::filesystem;

long Objetos_OGR(const fs::path& ruta) {
  GDALAllRegister();
  GDALDatasetH ds = GDALOpenEx(ruta.c_str(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr);
  if (!ds) return -1;
  long n = 0;
  for (int c = 0; c < GDALDatasetGetLayerCount(ds); ++c)
    n += static_cast<long>(OGR_L_GetFeatureCount(GDALDatasetGetLayer(ds, c), 1));
  GDALClose(ds);
  return n;
}

// How many elements of the name the parsed file holds (-1 when it does not parse).
long Elementos_XML(const fs::path& ruta, const std::string& nombre) {
  xmlDocPtr doc = xmlReadFile(ruta.c_str(), nullptr, XML_PARSE_NONET);
  if (!doc) return -1;
  xmlXPathContextPtr contexto = xmlXPathNewContext(doc);
  xmlXPathObjectPtr n = xmlXPathEvalExpression(BAD_CAST("count(//*[local-name()='" + nombre + "'])").c_str(), contexto);
  const auto r = static_cast<long>(n->floatval);
  xmlXPathFreeObject(n);
  xmlXPathFreeContext(contexto);
  xmlFreeDoc(doc);
  return r;
}

class Cli_Extremo : public ::testing::Test {
 protected:
  // A generated survey as the points file, numbered from 101.
  std::string Puntos(Forma forma, std::size_t n, double lado, std::uint64_t semilla, double x0 = 0, double y0 = 0) {
    const Nube c = Genera(forma, n, lado, semilla, x0, y0);
    std::ostringstream t;
    t << std::setprecision(17) << "n,x,y,z\n";
    for (std::size_t i = 0; i < c.size(); ++i) t << 101 + i << ',' << c.x[i] << ',' << c.y[i] << ',' << c.z[i] << '\n';
    return puntos_ = dir_.Escribe("p.csv", t.str()).string();
  }
  // `run` on the points into the folder out, with the options.
  Salida_Orden Corre(const std::string& opciones) const {
    return Ejecuta_Trilat(dir_.Ruta(), "run " + puntos_ + " --out " + (dir_ / "out").string() + " " + opciones);
  }
  void Espera_Fallo(const Salida_Orden& r, int estado, const std::string& mensaje) const {
    EXPECT_EQ(r.estado, estado) << r.err;
    EXPECT_NE(r.err.find(mensaje), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir_ / "out"));
  }
  Carpeta_Temporal dir_;
  std::string puntos_;
};

TEST_F(Cli_Extremo, CadaSalidaSeLeeDeNuevo) {
  Puntos(Forma::Agrupada, 600, 300, 12, 431000, 4581000);
  // One breakline through the first points of the survey.
  const auto roturas = dir_.Escribe("b.txt", "101 102 103\n104,105\n");
  const auto r = Corre("--breaklines " + roturas.string() + " --dist-max 40 --equidistance 2");
  ASSERT_EQ(r.estado, 0) << r.err;
  const std::string tin = Lee_Archivo(dir_ / "out" / "tin.csv");
  const long filas = std::count(tin.begin(), tin.end(), '\n') - 1;
  ASSERT_GT(filas, 100);
  EXPECT_EQ(Elementos_XML(dir_ / "out" / "tin.xml", "F"), filas);
  const std::string geojson = Lee_Archivo(dir_ / "out" / "contours.geojson");
  long lineas = 0;
  for (auto p = geojson.find("\"LineString\""); p != std::string::npos; p = geojson.find("\"LineString\"", p + 1))
    ++lineas;
  ASSERT_GT(lineas, 5);
  EXPECT_EQ(Objetos_OGR(dir_ / "out" / "contours.gpkg"), lineas);
  EXPECT_EQ(Objetos_OGR(dir_ / "out" / "contours.dxf"), lineas);
  EXPECT_TRUE(fs::file_size(dir_ / "out" / "picture.png") > 0 && fs::file_size(dir_ / "out" / "picture.svg") > 0);
  // Nothing of the staging is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "out"), fs::directory_iterator{}), 7);
}

TEST_F(Cli_Extremo, RoturasYTrianguacionesMalasNoEscribenNada) {
  Puntos(Forma::Uniforme, 50, 100, 3);
  // Each reader's refusals are tested with the reader; here, that they fail the job with nothing written.
  const auto roturas = dir_.Escribe("b.txt", "101 102\n101 99999\n");
  Espera_Fallo(Corre("--breaklines " + roturas.string()), 1, "b.txt:2: point 99999 is not in the survey");
  const auto tin = dir_.Escribe("t.csv", "index,v1,v2,v3\n0,101,102,77777\n");
  Espera_Fallo(Corre("--tin " + tin.string()), 1, "t.csv:2: point 77777 is not in the survey");
}

// A remembered maximum side the triangulation dialog corrects as it loads (its message said so) is no failed
// computation: the run goes on, with the option's value or the default.
TEST_F(Cli_Extremo, UnaDistanciaRecordadaNoValidaNoDetieneElTrabajo) {
  Puntos(Forma::Uniforme, 200, 1000, 5);
  for (const char* opcion : {"--dist-max 50", ""}) {
    dir_.Escribe("settings.ini", "[MDT/Triangulación]\nDistacia Maxima=0\n");
    const auto r = Corre(opcion);
    EXPECT_EQ(r.estado, 0) << r.err;
    EXPECT_NE(r.err.find("La distancia máxima debe ser mayor de 1"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(dir_ / "out" / "tin.csv"));
    fs::remove_all(dir_ / "out");
  }
}

// Another OGR format takes its driver's extension and holds every line (CSV its geometry as WKT); a driver that
// writes no file to disk is refused on the command line.
TEST_F(Cli_Extremo, FormatoVectorialConSuExtension) {
  Puntos(Forma::Uniforme, 200, 1000, 13);
  const std::string orden = "--formats contours.geojson,contours.gpkg --vector-format ";
  for (const auto& [formato, nombre] : {std::pair<std::string, std::string>{"'MapInfo File'", "contours.tab"},
                                        {"CSV", "contours.csv"},
                                        {"GeoJSON", "contours.json"}}) {
    SCOPED_TRACE(formato);
    const auto r = Corre(orden + formato);
    ASSERT_EQ(r.estado, 0) << r.err;
    const long lineas = Objetos_OGR(dir_ / "out" / "contours.geojson");
    EXPECT_GT(lineas, 5);
    EXPECT_EQ(Objetos_OGR(dir_ / "out" / nombre), lineas);
    if (formato == "CSV") {
      EXPECT_NE(Lee_Archivo(dir_ / "out" / nombre).find("\"LINESTRING Z ("), std::string::npos);
    }
    fs::remove_all(dir_ / "out");
  }
  Espera_Fallo(Corre(orden + "Memory"), 2,
               "--vector-format: no GDAL/OGR driver named 'Memory' that writes vector files to disk");
  // DXF would clash with contours.dxf and refuses the lines' attributes.
  Espera_Fallo(Corre(orden + "DXF"), 2, "DXF contours are contours.dxf");
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
TEST_F(Cli_Extremo, DiscoLlenoNoEscribeNada) {
  Puntos(Forma::Uniforme, 200, 1000, 13);
  for (const std::string formato : {"contours.dxf", "contours.gpkg"}) {
    SCOPED_TRACE(formato);
    const auto r = Corre("--formats " + formato);
    ASSERT_EQ(r.estado, 0) << r.err;
    const auto tope = fs::file_size(dir_ / "out" / formato) - 2048;
    fs::remove_all(dir_ / "out");
    const auto lleno = [&] {
      const Disco_Lleno disco(tope);
      return Corre("--formats " + formato);
    }();
    Espera_Fallo(lleno, 1, "cannot write ");
  }
}

// The vector picture is written on another thread while the other files are: a failure on either side fails the
// job, with nothing written, while the other side's file was written in full.
TEST_F(Cli_Extremo, ImagenVectorialEnOtroHiloFallaComoLasDemas) {
  Puntos(Forma::Uniforme, 200, 1000, 13);
  // Only the larger file fails: tin.csv is smaller than the picture; dense contours left out of it are larger.
  for (const auto& [otro, opciones] :
       {std::pair{"tin.csv", ""}, std::pair{"contours.geojson", " --no-draw-contours --equidistance 0.25"}}) {
    SCOPED_TRACE(otro);
    const std::string orden = std::string("--formats picture.svg,") + otro + opciones;
    const auto r = Corre(orden);
    ASSERT_EQ(r.estado, 0) << r.err;
    const auto svg = fs::file_size(dir_ / "out" / "picture.svg"), suyo = fs::file_size(dir_ / "out" / otro);
    fs::remove_all(dir_ / "out");
    ASSERT_GT(std::max(svg, suyo) - std::min(svg, suyo), 4096u);
    EXPECT_EQ(svg > suyo, std::string(otro) == "tin.csv");
    const auto lleno = [&] {
      const Disco_Lleno disco(std::max(svg, suyo) - 2048);
      return Corre(orden);
    }();
    Espera_Fallo(lleno, 1, svg > suyo ? "picture.svg" : otro);
  }
}

TEST_F(Cli_Extremo, CtrlCDuranteLaTriangulacion) {
  // Large enough, with a search window over the whole site, that the triangulation lasts a few seconds: the
  // abort request is read when the next pass starts, and a stop requested later is honoured before writing.
  const std::string puntos = Puntos(Forma::Uniforme, 100000, 1000, 5);
  const pid_t hijo = fork();
  ASSERT_GE(hijo, 0);
  if (hijo == 0) {
    const std::string salida = (dir_ / "out").string(), ajustes = (dir_ / "settings.ini").string();
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
  EXPECT_FALSE(fs::exists(dir_ / "out"));
}

TEST_F(Cli_Extremo, DialogosEnUnTerminalReal) {
  const std::string puntos = Puntos(Forma::Uniforme, 300, 200, 7);
  const std::string salida = (dir_ / "out").string(), ajustes = (dir_ / "settings.ini").string();
  Sesion_Pty sesion([&] {
    execl(TRILAT_CLI_PATH, TRILAT_CLI_PATH, "run", puntos.c_str(), "--dialog", "--quiet", "--settings", ajustes.c_str(),
          "--out", salida.c_str(), static_cast<char*>(nullptr));
    return 127;
  });
  // The triangulation dialog: a new maximum side, then Aceptar; the message of the seed search on this survey
  // acknowledged; the contouring dialog: Aceptar as it stands.
  const bool completo = sesion.Conversa({{"Choose 1-5: ", "1\r"},
                                         {"[100]: ", "25\r"},
                                         {"Choose 1-5: ", "4\r"},
                                         {"NO ENCUENTRO TRIANGULOS..", ""},
                                         {"[Enter] ", "\r"},
                                         {"Choose 1-11: ", "11\r"}});
  EXPECT_TRUE(completo) << sesion.Pantalla();
  EXPECT_EQ(sesion.Termina(), 0) << sesion.Pantalla();
  EXPECT_TRUE(fs::exists(dir_ / "out" / "tin.csv"));
  const std::string recordado = Lee_Archivo(dir_ / "settings.ini");
  EXPECT_NE(recordado.find("Distacia Maxima=25"), std::string::npos) << recordado;
  EXPECT_NE(recordado.find("Equidistancia curvas finas="), std::string::npos) << recordado;
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
