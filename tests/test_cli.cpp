// The command-line host run as a user runs it: results that agree with calling the library directly and that read
// back through the libraries that read such files, remembered settings, every kind of bad input and failed write
// refused with nothing written, Ctrl-C during a long triangulation, the dialogs answered on a real terminal, and
// option values no run could use refused while the command line is read.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iomanip>
#include <set>
#include <sstream>
#include <thread>

#include "hosts/cli/Opciones.h"
#include "hosts/cli/Vectorial_GDAL.h"
#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Lee_Archivo.h"
#include "tests/support/Orden_Trilat.h"
#include "tests/support/Sesion_Pty.h"
#include "tests/support/Triangula.h"

#ifndef TRILAT_CLI_PATH
#error "TRILAT_CLI_PATH names the built trilat command"
#endif

namespace Vyr_Trilat::prueba {
namespace {

namespace fs = std::filesystem;

// Features in every layer of the vector file.
long Objetos_OGR(const fs::path& ruta) {
  const anfitrion::Conjunto_GDAL ds = anfitrion::Abre_Vectorial(ruta);
  long n = 0;
  for (OGRLayer* capa : ds->GetLayers()) n += static_cast<long>(capa->GetFeatureCount());
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

class Cli : public ::testing::Test {
 protected:
  // The set as the points file, numbered from `primero` by `paso`.
  std::string Puntos(const Nube& c, std::size_t primero = 101, std::size_t paso = 1) {
    std::ostringstream t;
    t << std::setprecision(17) << "n,x,y,z\n";
    for (std::size_t i = 0; i < c.size(); ++i)
      t << primero + paso * i << ',' << c.x[i] << ',' << c.y[i] << ',' << c.z[i] << '\n';
    return puntos_ = dir_.Escribe("p.csv", t.str()).string();
  }
  // `run` on the input and options into the folder out.
  Salida_Orden Corre(const std::string& entrada) const {
    return Ejecuta_Trilat(dir_.Ruta(), "run " + entrada + " --out " + (dir_ / "out").string());
  }
  void Espera_Fallo(const Salida_Orden& r, int estado, const std::string& mensaje) const {
    EXPECT_EQ(r.estado, estado) << r.err;
    EXPECT_NE(r.err.find(mensaje), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir_ / "out"));
  }
  Carpeta_Temporal dir_;
  std::string puntos_;
};

TEST_F(Cli, TinIgualAlDeLaBiblioteca) {
  const Nube c = Genera(Forma::Agrupada, 400, 300, 5, 431000, 4581000);
  // Point numbers that are not 1..n: the host maps them to positions and back.
  const auto r = Corre(Puntos(c, 7000, 3) + " --dist-max 40");
  ASSERT_EQ(r.estado, 0) << r.err;
  const auto n = [](Long p) { return 7000 + 3 * (p - 1); };
  std::ostringstream esperado;
  esperado << "index,v1,v2,v3\n";
  for (std::size_t k = 0; const auto& t : Triangula(c, 40).tris)
    esperado << k++ << ',' << n(t.a) << ',' << n(t.b) << ',' << n(t.c) << '\n';
  EXPECT_EQ(Lee_Archivo(dir_ / "out" / "tin.csv"), esperado.str());
}

TEST_F(Cli, CadaSalidaSeLeeDeNuevo) {
  Puntos(Genera(Forma::Agrupada, 600, 300, 12, 431000, 4581000));
  // One breakline through the first points of the survey.
  const auto roturas = dir_.Escribe("b.txt", "101 102 103\n104,105\n");
  const auto r = Corre(puntos_ + " --breaklines " + roturas.string() + " --dist-max 40 --equidistance 2");
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

// A survey whose highest point is at elevation 0 (a site levelled from its top, a bathymetry) is contoured over its
// own range, not up to the 5000 the contouring dialog takes for an upper elevation it was not given: at 0.1 that
// many levels would be more than contouring counts.
TEST_F(Cli, PuntoMasAltoEnCero) {
  Nube c = Genera(Forma::Uniforme, 300, 100, 4);
  const double cima = *std::max_element(c.z.begin(), c.z.end());
  for (double& z : c.z) z -= cima;
  const auto [bajo, alto] = std::minmax_element(c.z.begin(), c.z.end());
  ASSERT_EQ(*alto, 0);
  ASSERT_GT(-*bajo, 5);
  const auto r = Corre(Puntos(c) + " --dist-max 30 --equidistance 0.1 --no-smooth --formats contours.geojson");
  ASSERT_EQ(r.estado, 0) << r.err;
  const std::string geojson = Lee_Archivo(dir_ / "out" / "contours.geojson");
  std::set<double> niveles;
  for (auto p = geojson.find("\"level\":"); p != std::string::npos; p = geojson.find("\"level\":", p + 1))
    niveles.insert(std::strtod(geojson.c_str() + p + 8, nullptr));
  ASSERT_FALSE(niveles.empty());
  EXPECT_GE(*niveles.begin(), *bajo);
  EXPECT_LE(*niveles.rbegin(), *alto + 0.05);  // the levels are sums of the step
  EXPECT_GT(niveles.size(), static_cast<std::size_t>(-*bajo / 0.1 * 0.9));
}

// Without --dist-max the remembered dialog value is used; with it, that run only. A remembered value the dialog
// corrects as it loads (its message says so) is no failed computation: the run goes on.
TEST_F(Cli, AjustesRecordadosYValoresDeUnaEjecucion) {
  const Nube c = Genera(Forma::Uniforme, 200, 100, 8);
  Puntos(c);
  dir_.Escribe("settings.ini", "[MDT/Triangulación]\nDistacia Maxima=9\n");
  for (const double dist_max : {9.0, 20.0}) {
    fs::remove_all(dir_ / "out");
    EXPECT_EQ(Corre(puntos_ + (dist_max == 9 ? "" : " --dist-max 20")).estado, 0);
    const std::string tin = Lee_Archivo(dir_ / "out" / "tin.csv");
    EXPECT_EQ(static_cast<std::size_t>(std::count(tin.begin(), tin.end(), '\n') - 1),
              Triangula(c, dist_max).tris.size());
  }
  EXPECT_NE(Lee_Archivo(dir_ / "settings.ini").find("Distacia Maxima=9"), std::string::npos);
  for (const char* opcion : {" --dist-max 50", ""}) {
    fs::remove_all(dir_ / "out");
    dir_.Escribe("settings.ini", "[MDT/Triangulación]\nDistacia Maxima=0\n");
    const auto r = Corre(puntos_ + opcion);
    EXPECT_EQ(r.estado, 0) << r.err;
    EXPECT_NE(r.err.find("La distancia máxima debe ser mayor de 1"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(dir_ / "out" / "tin.csv"));
  }
}

TEST_F(Cli, EntradaMalaNoEscribeNada) {
  // Each reader's refusals are tested with the reader; here, that any of them fails the job and nothing is written.
  const auto puntos = [&](const std::string& nombre, const std::string& texto) {
    return dir_.Escribe(nombre, texto).string();
  };
  const std::string sueltos = puntos("s.csv", "n,x,y,z\n1,0,0,0\n2,10,0,1\n3,0,10,2\n4,10,10,3\n5,5,5,4\n");
  const std::string en_linea = puntos("l.csv", "n,x,y,z\n1,0,0,0\n2,1,1,1\n3,2,2,2\n4,3,3,3\n");
  // A --major below the equidistance picked for the relief (80 m: every 2 m) would make every line major.
  const std::string relieve = puntos("r.csv", "n,x,y,z\n1,0,0,0\n2,100,0,20\n3,0,100,40\n4,100,100,80\n");
  const std::string roturas = puntos("b.txt", "1 2\n1 99999\n"), tin = puntos("t.csv", "index,v1,v2,v3\n0,1,2,77777\n");
  const std::pair<std::string, std::string> casos[] = {
      {sueltos + " --breaklines " + roturas, "b.txt:2: point 99999 is not in the survey"},
      {sueltos + " --tin " + tin, "t.csv:2: point 77777 is not in the survey"},
      // Points that give no triangle, in a line or farther apart than the longest side: with contours or without.
      {en_linea, "no triangulation was made; nothing written"},
      {en_linea + " --no-contours", "no triangulation was made; nothing written"},
      {sueltos + " --dist-max 0.001", "no triangulation was made; nothing written"},
      {sueltos + " --dist-max 0.001 --no-contours", "no triangulation was made; nothing written"},
      {relieve + " --dist-max 200 --major 1", "--major 1 is smaller than the equidistance 2"},
      {relieve + " --equidistance 0.002",
       "the equidistance 0.002 gives 40000 contour levels over the survey's relief of 80"},
      {puntos("i.csv", "n,x,y,z\n1,0,0,-1e308\n2,9,0,1e308\n3,0,9,0\n"), "equidistance 1 gives inf contour levels"},
      // Lines between points near the ends of the doubles cannot be drawn: incomplete contours are no result.
      {puntos("g.csv", "n,x,y,z\n1,1e308,1e308,1\n2,-1e308,1e308,5\n3,1e308,-1e308,9\n4,-1.7e308,-1.7e308,3\n") +
           " --tin " + puntos("g.tin", "index,v1,v2,v3\n0,1,2,3\n1,2,3,4\n"),
       "contour lines could not be drawn (above); the contours would be incomplete"},

      {(dir_ / "missing.csv").string(), "missing.csv: cannot open the points file"},
      {puntos("x.csv", "n,x,y,z\n1,0,0,0\n2,1,0,0\n3,x,1,0\n"), "x.csv:4: x 'x' is not a finite number"},
      // A terminal escape sequence in a field is quoted, not sent to the terminal.
      {puntos("e.csv", "n,x,y,z\n1,0,0,0\n2,1,0,0\n3,\x1b]0;x\x07,1,0\n"), "e.csv:4: x '\\x1b]0;x\\x07' is not"},
      {puntos("0.csv", "n,x,y,z\n"), "0.csv: the file holds no points"},
      {puntos("2.csv", "n,x,y,z\n1,0,0,0\n2,1,0,0\n"), "No hay puntos para triangular"},
  };
  for (const auto& [orden, error] : casos) {
    SCOPED_TRACE(orden);
    Espera_Fallo(Corre(orden), 1, error);
  }
  // A hand-edited settings file asking for a smoothing segment count --segments would not take: too many, none, or
  // one that is no number at all.
  for (const auto& [segmentos, pedidos] :
       std::vector<std::pair<std::string, std::string>>{{"32000", "32000"},
                                                        {"0", "no usable number of"},
                                                        {"0.4", "no usable number of"},
                                                        {"1e10", "no usable number of"},
                                                        {"abc", "no usable number of"},
                                                        {"", "no usable number of"}}) {
    SCOPED_TRACE("Segmentos=" + segmentos);
    const auto ajustes = dir_.Escribe("settings.ini", "[MDT/Curvado]\nSegmentos=" + segmentos + "\nAlineacion=1\n");
    Espera_Fallo(Corre(relieve + " --dist-max 200"), 1,
                 "the settings ask for " + pedidos + " segments per smoothed span");
    fs::remove(ajustes);
  }
  // It runs, and the picked equidistance is said with the major interval the run uses.
  const auto r = Corre(relieve + " --dist-max 200 --major 4");
  EXPECT_EQ(r.estado, 0) << r.err;
  EXPECT_NE(r.err.find("contours with equidistance 2, minor colour"), std::string::npos) << r.err;
  for (const char* uso : {"run --out x", "run p.csv --dist-max abc --out x", "frobnicate"})
    EXPECT_EQ(Ejecuta_Trilat(dir_.Ruta(), uso).estado, 2) << uso;
}

// A breakline drawn through points the model keeps only one of (nearer each other than its cleaning tolerance) runs
// through the one kept: no segment is lost, and the user is told which point stands for which. A segment into or
// out of a point that no triangle has is not forced, and is named by the survey's point numbers.
TEST_F(Cli, RoturaPorPuntosRepetidos) {
  Nube c = Genera(Forma::Uniforme, 60, 100, 5);
  // Points 161 and 162, 0.015 and 0.012 from point 111; the breakline goes on to point 121. Point 163, far beyond
  // the maximum side from every other, and point 131 after it.
  for (const auto& [dx, dy] : {std::pair{0.015, 0.0}, std::pair{0.0, 0.012}, std::pair{1000.0, 1000.0}}) {
    c.x.push_back(c.x[10] + dx), c.y.push_back(c.y[10] + dy), c.z.push_back(c.z[10]);
  }
  const auto roturas = dir_.Escribe("b.txt", "161 162 121 163 131\n");
  const auto r = Corre(Puntos(c) + " --breaklines " + roturas.string() + " --dist-max 100 --no-contours");
  ASSERT_EQ(r.estado, 0) << r.err;
  EXPECT_NE(r.err.find("breakline point 161 is taken as point 111, 0.015 away"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("breakline point 162 is taken as point 111, 0.012 away"), std::string::npos) << r.err;
  for (const char* dicho : {"breakline segment 121 - 163 is not forced: point 163 is no corner of the model",
                            "breakline segment 163 - 131 is not forced: point 163 is no corner of the model"})
    EXPECT_NE(r.err.find(dicho), std::string::npos) << r.err;
  // Not the library's own message, which names the ends by their places in the file.
  EXPECT_EQ(r.err.find("no existe la recta"), std::string::npos) << r.err;
  // The segment 111-121 is an edge of the model.
  std::istringstream tin(Lee_Archivo(dir_ / "out" / "tin.csv"));
  std::string fila;
  bool arista = false;
  while (std::getline(tin, fila)) {
    const std::string f = fila.substr(fila.find(',')) + ',';
    arista = arista || (f.find(",111,") != std::string::npos && f.find(",121,") != std::string::npos);
  }
  EXPECT_TRUE(arista);
}

// Another OGR format takes its driver's extension and holds every line (CSV its geometry as WKT); a driver that
// writes no file to disk is refused on the command line.
TEST_F(Cli, FormatoVectorialConSuExtension) {
  Puntos(Genera(Forma::Uniforme, 200, 1000, 13));
  const std::string orden = puntos_ + " --formats contours.geojson,contours.gpkg --vector-format ";
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

// A disk that fills up while a file is written fails the job with nothing written: as a driver closes its file,
// and on either side of the vector picture, which is written on another thread while the other files are (the
// other side's file then written in full).
TEST_F(Cli, DiscoLlenoNoEscribeNada) {
  Puntos(Genera(Forma::Uniforme, 200, 1000, 13));
  const struct {
    const char* formatos;
    const char* lleno;  // the largest file: only it can fail
  } casos[] = {
      {"contours.dxf", "contours.dxf"},
      {"contours.gpkg", "contours.gpkg"},
      {"picture.svg,tin.csv", "picture.svg"},
      // Dense contours left out of the picture are larger than it.
      {"picture.svg,contours.geojson --no-draw-contours --equidistance 0.25", "contours.geojson"},
  };
  for (const auto& [formatos, lleno] : casos) {
    SCOPED_TRACE(formatos);
    const std::string orden = puntos_ + " --formats " + formatos;
    const auto r = Corre(orden);
    ASSERT_EQ(r.estado, 0) << r.err;
    const auto tope = fs::file_size(dir_ / "out" / lleno) - 2048;
    for (const auto& e : fs::directory_iterator(dir_ / "out")) {
      if (e.path().filename() == lleno) continue;
      ASSERT_LT(e.file_size() + 2048, tope) << e.path();
    }
    fs::remove_all(dir_ / "out");
    const auto sin_sitio = [&] {
      const Disco_Lleno disco(tope);
      return Corre(orden);
    }();
    Espera_Fallo(sin_sitio, 1, lleno);
  }
}

TEST_F(Cli, CtrlCDuranteLaTriangulacion) {
  // Large enough, with a search window over the whole site, that the triangulation lasts a few seconds: the
  // abort request is read when the next pass starts, and a stop requested later is honoured before writing.
  const std::string puntos = Puntos(Genera(Forma::Uniforme, 100000, 1000, 5));
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

TEST_F(Cli, DialogosEnUnTerminalReal) {
  const std::string puntos = Puntos(Genera(Forma::Uniforme, 300, 200, 7));
  const std::string salida = (dir_ / "out").string(), ajustes = (dir_ / "settings.ini").string();
  const auto dialogos = [&](const std::vector<std::pair<std::string, std::string>>& respuestas) {
    fs::remove_all(salida);
    Sesion_Pty sesion([&] {
      execl(TRILAT_CLI_PATH, TRILAT_CLI_PATH, "run", puntos.c_str(), "--dialog", "--quiet", "--settings",
            ajustes.c_str(), "--out", salida.c_str(), static_cast<char*>(nullptr));
      return 127;
    });
    EXPECT_TRUE(sesion.Conversa(respuestas)) << sesion.Pantalla();
    EXPECT_EQ(sesion.Termina(), 0) << sesion.Pantalla();
    EXPECT_TRUE(fs::exists(dir_ / "out" / "tin.csv"));
    EXPECT_TRUE(fs::exists(dir_ / "out" / "contours.geojson"));
    return sesion.Pantalla();
  };
  // The triangulation dialog: a new maximum side, then Aceptar; the message of the seed search on this survey
  // acknowledged; the contouring dialog: Aceptar as it stands.
  dialogos({{"Choose 1-5: ", "1\r"},
            {"[100]: ", "25\r"},
            {"Choose 1-5: ", "4\r"},
            {"NO ENCUENTRO TRIANGULOS..", ""},
            {"[Enter] ", "\r"},
            {"Choose 1-11: ", "11\r"}});
  const std::string recordado = Lee_Archivo(dir_ / "settings.ini");
  EXPECT_NE(recordado.find("Distacia Maxima=25"), std::string::npos) << recordado;
  EXPECT_NE(recordado.find("Equidistancia curvas finas="), std::string::npos) << recordado;

  // Once the file is read-only a new equidistance cannot be remembered: that is said, and the results are written.
  fs::permissions(dir_ / "settings.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const std::string pantalla = dialogos({{"Choose 1-5: ", "4\r"},
                                         {"NO ENCUENTRO TRIANGULOS..", ""},
                                         {"[Enter] ", "\r"},
                                         {"Choose 1-11: ", "3\r"},
                                         {"Curvas Finas [", ""},
                                         {"]: ", "1\r"},
                                         {"Choose 1-11: ", "11\r"}});
  EXPECT_NE(pantalla.find("the contouring values were not remembered"), std::string::npos) << pantalla;
  EXPECT_EQ(Lee_Archivo(dir_ / "settings.ini"), recordado);
}

// Values no run could use are usage errors, found before any work.
TEST(Opciones, ValoresQueNingunaEjecucionUsaria) {
  const auto error_de = [](std::vector<std::string> args) -> std::string {
    args.insert(args.begin(), {"run", "p.csv", "--out", "o"});
    try {
      anfitrion::Lee_Opciones(args);
    } catch (const anfitrion::Error_Uso& e) {
      return e.what();
    }
    return "accepted";
  };
  EXPECT_EQ(error_de({"--crs", "EPSG:99999999"}), "--crs: unknown coordinate reference system 'EPSG:99999999'");
  EXPECT_EQ(error_de({"--dxf-layers", "FINAS,A:B"}), "--dxf-layers: 'A:B' cannot name a DXF layer");
  EXPECT_EQ(error_de({"--dxf-layers", "FINAS"}), "--dxf-layers expects MINOR,MAJOR layer names");
  EXPECT_EQ(error_de({"--settings", ""}), "--settings needs a file name");
  EXPECT_EQ(error_de({"--vector-format", "NoSuchDriver"}),
            "--vector-format: no GDAL/OGR driver named 'NoSuchDriver' that writes vector files to disk");
  EXPECT_EQ(error_de({"--crs", "EPSG:25830", "--dxf-layers", "F,M", "--vector-format", "FlatGeobuf"}), "accepted");
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
