// The command-line host run as a user runs it: results that agree with calling the library directly and that read
// back through the libraries that read such files, remembered settings, every kind of bad input and failed write
// refused with nothing written, Ctrl-C during a long triangulation, the dialogs answered on a real terminal, and
// option values no run could use refused while the command line is read.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <regex>
#include <set>
#include <sstream>

#include "hosts/cli/Opciones.h"
#include "hosts/cli/Parametros_Curvas.h"
#include "hosts/cli/Vectorial_GDAL.h"
#include "tests/support/Ajustes_Temporales.h"
#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Lee_Archivo.h"
#include "tests/support/Mensaje_Error.h"
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

long Veces(const std::string& texto, const std::string& trozo) {
  long n = 0;
  for (auto p = texto.find(trozo); p != std::string::npos; p = texto.find(trozo, p + 1)) ++n;
  return n;
}

// Whether `texto` holds `trozo`; either way the text is shown.
::testing::AssertionResult Tiene(const std::string& texto, const std::string& trozo) {
  auto r = texto.find(trozo) != std::string::npos ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
  return r << "'" << trozo << "' in:\n" << texto;
}

struct Salida_Orden {
  int estado;       // exit status; -1 when it did not exit normally
  std::string err;  // standard error
};

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
  // The command as a user runs it, with its own settings file in the test's folder.
  Salida_Orden Trilat(const std::string& args) const {
    const std::string orden = std::string(TRILAT_CLI_PATH) + " " + args + " --quiet --settings " + ajustes_ +
                              " >/dev/null 2>" + (dir_ / "err.txt").string() + " </dev/null";
    const int r = std::system(orden.c_str());
    return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, Lee_Archivo(dir_ / "err.txt")};
  }
  // `run` on the input and options into the folder out.
  Salida_Orden Corre(const std::string& entrada) const { return Trilat("run " + entrada + " --out " + salida_); }
  // The same, which must succeed; what it said.
  std::string Bien(const std::string& entrada) const {
    const auto r = Corre(entrada);
    EXPECT_EQ(r.estado, 0) << r.err;
    return r.err;
  }
  // The same on a terminal of its own, where it can be answered and sent Ctrl-C.
  // Quiet unless the test watches the progress bar.
  Sesion_Pty En_Terminal(const std::vector<std::string>& opciones, bool callada = true) const {
    std::vector<std::string> orden{TRILAT_CLI_PATH, "run", puntos_, "--settings", ajustes_, "--out", salida_};
    orden.insert(orden.end(), opciones.begin(), opciones.end());
    if (callada) orden.emplace_back("--quiet");
    return Sesion_Pty(orden);
  }
  void Espera_Fallo(const Salida_Orden& r, int estado, const std::string& mensaje) const {
    EXPECT_EQ(r.estado, estado) << r.err;
    EXPECT_TRUE(Tiene(r.err, mensaje));
    EXPECT_FALSE(fs::exists(salida_));
  }
  std::string Salida(const std::string& archivo) const { return Lee_Archivo(fs::path(salida_) / archivo); }
  Carpeta_Temporal dir_;
  const std::string ajustes_ = (dir_ / "settings.ini").string(), salida_ = (dir_ / "out").string();
  std::string puntos_;
};

TEST_F(Cli, SalidasComoLaBibliotecaYLeidasDeNuevo) {
  const Nube c = Genera(Forma::Agrupada, 600, 300, 12, 431000, 4581000);
  // Point numbers that are not 1..n: the host maps them to positions and back.
  const std::string orden = Puntos(c, 7000, 3) + " --dist-max 40 --equidistance 2";
  Bien(orden);
  const auto n = [](Long p) { return 7000 + 3 * (p - 1); };
  const auto tris = Triangula(c, 40).tris;
  std::ostringstream esperado;
  esperado << "index,v1,v2,v3\n";
  for (std::size_t k = 0; const auto& t : tris)
    esperado << k++ << ',' << n(t.a) << ',' << n(t.b) << ',' << n(t.c) << '\n';
  EXPECT_EQ(Salida("tin.csv"), esperado.str());
  EXPECT_EQ(Veces(Salida("tin.xml"), "<F>"), std::ssize(tris));
  const long lineas = Veces(Salida("contours.geojson"), "\"LineString\"");
  ASSERT_GT(lineas, 5);
  EXPECT_EQ(Objetos_OGR(dir_ / "out/contours.gpkg"), lineas);
  EXPECT_EQ(Objetos_OGR(dir_ / "out/contours.dxf"), lineas);
  EXPECT_FALSE(Salida("picture.png").empty() || Salida("picture.svg").empty());
  // Nothing of the staging is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(salida_), fs::directory_iterator{}), 7);
  // A later job that writes fewer files leaves the others, and says they are not its own.
  EXPECT_TRUE(Tiene(Bien(puntos_ + " --dist-max 40 --no-contours --formats tin.csv,picture.png"),
                    " also holds contours.dxf, contours.geojson, contours.gpkg, picture.svg, tin.xml from an earlier "
                    "run, not written by this one"));
  EXPECT_FALSE(Tiene(Bien(orden), "also holds"));
}

// A survey whose highest point is at elevation 0 (a site levelled from its top, a bathymetry) is contoured over its
// own range, not up to the 5000 the contouring dialog takes for an upper elevation it was not given.
TEST_F(Cli, PuntoMasAltoEnCero) {
  Nube c = Genera(Forma::Uniforme, 300, 100, 4);
  const double cima = *std::max_element(c.z.begin(), c.z.end());
  for (double& z : c.z) z -= cima;
  const double bajo = *std::min_element(c.z.begin(), c.z.end());
  ASSERT_LT(bajo, -5);
  Bien(Puntos(c) + " --dist-max 30 --equidistance 0.1 --no-smooth --formats contours.geojson");
  const std::string geojson = Salida("contours.geojson");
  std::set<double> niveles;
  for (auto p = geojson.find("\"level\":"); p != std::string::npos; p = geojson.find("\"level\":", p + 1))
    niveles.insert(std::strtod(geojson.c_str() + p + 8, nullptr));
  ASSERT_GT(niveles.size(), static_cast<std::size_t>(-bajo / 0.1 * 0.9));
  EXPECT_GE(*niveles.begin(), bajo);
  EXPECT_LE(*niveles.rbegin(), 0.05);  // the levels are sums of the step
}

// Without --dist-max the remembered dialog value is used; with it, that run only. A remembered value the dialog
// corrects as it loads (to the default 100, and its message says so) is no failed computation: the run goes on.
// A damaged settings file is said to be unused; remembered values that no run can use fail the job with why.
TEST_F(Cli, AjustesRecordadosYValoresDeUnaEjecucion) {
  const Nube c = Genera(Forma::Uniforme, 200, 100, 8);
  Puntos(c);
  const auto triangulos = [&] { return Veces(Salida("tin.csv"), "\n") - 1; };
  for (const auto& [recordada, opcion, dist_max] :
       {std::tuple{"9", "", 9.0}, {"9", " --dist-max 20", 20.0}, {"0", " --dist-max 50", 50.0}, {"0", "", 100.0}}) {
    SCOPED_TRACE(std::string(recordada) + opcion);
    const std::string recuerdo = std::string("Distacia Maxima=") + recordada;
    dir_.Escribe("settings.ini", "[MDT/Triangulación]\n" + recuerdo + "\n");
    const std::string err = Bien(puntos_ + opcion);
    EXPECT_EQ(err.find("La distancia máxima debe ser mayor de 1") != std::string::npos, *recordada == '0') << err;
    EXPECT_EQ(triangulos(), std::ssize(Triangula(c, dist_max).tris));
    EXPECT_TRUE(Tiene(Lee_Archivo(ajustes_), recuerdo));
  }
  // A settings file that is not one is said to be unused, and stays as it is.
  const std::string danado = "[MDT/Triangulaci\xC3\xB3n]\nDistacia Maxima=9\nNotes: by J. Smith\n";
  dir_.Escribe("settings.ini", danado);
  EXPECT_TRUE(Tiene(Bien(puntos_ + " --no-contours"), "settings.ini is damaged"));
  EXPECT_EQ(triangulos(), std::ssize(Triangula(c, 100).tris));
  EXPECT_EQ(Lee_Archivo(ajustes_), danado);
  // Remembered contouring values that would make every line major fail the job, as --major does.
  dir_.Escribe("settings.ini", "[MDT/trilat]\nEquidistancia curvas finas=5\nEquidistancia curvas maestras=1\n");
  fs::remove_all(salida_);
  Espera_Fallo(Corre(puntos_), 1, "the remembered major equidistance 1 is smaller than the equidistance 5");
}

TEST_F(Cli, EntradaMalaNoEscribeNada) {
  // Each reader's refusals are tested with the reader; here, that one fails the job and nothing is written.
  const auto archivo = [&](const char* nombre, const std::string& texto) {
    return dir_.Escribe(nombre, texto).string();
  };
  const std::string sueltos = archivo("s.csv", "n,x,y,z\n1,0,0,0\n2,10,0,1\n3,0,10,2\n4,10,10,3\n5,5,5,4\n");
  const std::string en_linea = archivo("l.csv", "n,x,y,z\n1,0,0,0\n2,1,1,1\n3,2,2,2\n4,3,3,3\n");
  // A --major below the equidistance picked for the relief (80 m: every 2 m) would make every line major.
  const std::string relieve = archivo("r.csv", "n,x,y,z\n1,0,0,0\n2,100,0,20\n3,0,100,40\n4,100,100,80\n");
  const std::string sin_modelo = "no triangulation was made with a maximum side of ";
  const std::pair<std::string, std::string> casos[] = {
      {sueltos + " --breaklines " + archivo("b.txt", "1 2\n1 99999\n"), "b.txt:2: point 99999 is not in the survey"},
      // Points that give no triangle, in a line or farther apart than the longest side: with contours or without.
      {en_linea, sin_modelo + "100 and circumradii under 1000; nothing written"},
      {sueltos + " --dist-max 0.001 --no-contours", sin_modelo + "0.001 and circumradii under 1000; nothing written"},
      {archivo("2.csv", "n,x,y,z\n1,0,0,0\n2,1,0,0\n"), "No hay puntos para triangular"},
      {relieve + " --dist-max 200 --major 1", "--major 1 is smaller than the equidistance 2"},
      // A no-data elevation: named before the model is made.
      {archivo("h.csv", "n,x,y,z\n1,0,0,-99999\n2,10,0,100\n3,0,10,101\n4,10,10,102\n"),
       "run from -99999 (point 1) to 102 (point 4), more than the 32000 apart that contouring takes"},
      {relieve + " --equidistance 0.002", "0.002 gives 40000 contour levels over the survey's relief of 80"},
      // Lines between points near the ends of the doubles cannot be drawn: incomplete contours are no result.
      {archivo("g.csv", "n,x,y,z\n1,1e308,1e308,1\n2,-1e308,1e308,5\n3,1e308,-1e308,9\n4,-1.7e308,-1.7e308,3\n") +
           " --tin " + archivo("g.tin", "index,v1,v2,v3\n0,1,2,3\n1,2,3,4\n"),
       "contour lines could not be drawn (above); the contours would be incomplete"},
  };
  for (const auto& [orden, error] : casos) {
    SCOPED_TRACE(orden);
    Espera_Fallo(Corre(orden), 1, error);
  }
  // A hand-edited smoothing segment count --segments would not take: too many, none, or no number at all.
  for (const std::string segmentos : {"32000", "0", "0.4", "1e10", "abc", ""}) {
    SCOPED_TRACE("Segmentos=" + segmentos);
    dir_.Escribe("settings.ini", "[MDT/Curvado]\nSegmentos=" + segmentos + "\nAlineacion=1\n");
    const std::string pedidos = segmentos == "32000" ? segmentos : "no usable number of";
    Espera_Fallo(Corre(relieve + " --dist-max 200"), 1, "the settings ask for " + pedidos + " segments per smoothed");
  }
  // It runs, and the picked equidistance is said with the major interval the run uses.
  fs::remove(ajustes_);
  EXPECT_TRUE(Tiene(Bien(relieve + " --dist-max 200 --major 4"), "contours with equidistance 2, minor colour"));
  // An equidistance none of whose levels meets the survey: the empty contours are written, and why is said.
  EXPECT_TRUE(Tiene(Bien(relieve + " --dist-max 200 --equidistance 100 --formats contours.geojson"),
                    "no contour line: no level every 100 meets the model, whose elevations run from 0 to 80"));
  EXPECT_TRUE(Tiene(Salida("contours.geojson"), "\"features\":[\n]"));
  // A survey without heights (every elevation 0, which contouring refuses) has its model and no contour, as any flat
  // one; and it is said so.
  EXPECT_TRUE(Tiene(Bien(archivo("0.csv", "n,x,y,z\n1,0,0,0\n2,10,0,0\n3,0,10,0\n4,10,10,-0\n5,5,4,0\n") +
                         " --formats tin.csv,contours.geojson"),
                    "no contour line: every elevation is 0"));
  EXPECT_TRUE(Tiene(Salida("contours.geojson"), "\"features\":[\n]"));
  EXPECT_EQ(Veces(Salida("tin.csv"), "\n"), 5);
  EXPECT_EQ(Trilat("run p.csv --dist-max 25 --help").estado, 0);
  for (const char* uso : {"run --out x", "run p.csv --dist-max abc --out x", "frobnicate", "demo --out ''"})
    EXPECT_EQ(Trilat(uso).estado, 2) << uso;
}

// A breakline drawn through points the model keeps only one of (nearer each other than its cleaning tolerance) runs
// through the one kept: no segment is lost, and the user is told which point stands for which. A segment into or
// out of a point that no triangle has is not forced, and is named by the survey's point numbers.
// With a model given by --tin, the message gives its own reason: that model has no corner there.
TEST_F(Cli, RoturaPorPuntosRepetidos) {
  Nube c = Genera(Forma::Uniforme, 60, 100, 5);
  // Points 161 and 162, 0.015 and 0.012 from point 111; the breakline goes on to point 121. Point 163, far beyond
  // the maximum side from every other, and point 131 after it.
  for (const auto& [dx, dy] : {std::pair{0.015, 0.0}, std::pair{0.0, 0.012}, std::pair{1000.0, 1000.0}})
    c.Pon(c.x[10] + dx, c.y[10] + dy, c.z[10]);
  const std::string roturas = " --breaklines " + dir_.Escribe("b.txt", "161 162 121 163 131\n").string();
  const std::string err = Bien(Puntos(c) + roturas + " --dist-max 100 --formats tin.csv");
  for (const char* dicho :
       {"breakline point 161 is taken as point 111, 0.015 away",
        "breakline point 162 is taken as point 111, 0.012 away",
        "breakline segment 121 - 163 is not forced: point 163 is no corner of the model",
        "breakline segment 163 - 131 is not forced: point 163 is no corner of the model",
        // The summary counts the points the model leaves out, and why.
        "3 of the 63 points are in no triangle: 2 repeat a corner closer than 0.02 (the model keeps "
        "only one of such points); 1 lies beyond the reach of any triangle"})
    EXPECT_TRUE(Tiene(err, dicho));
  // Not the library's own message, which names the ends by their places in the file.
  EXPECT_FALSE(Tiene(err, "no existe la recta"));
  // The segment 111-121 is an edge of the model: two corners of one triangle.
  EXPECT_TRUE(std::regex_search(Salida("tin.csv"), std::regex(R"(\n\d+,(\d+,)?(111|121),(\d+,)?(111|121)(,\d+)?\n)")));
  // A given model was not cleaned: the reason is that it has no corner there.
  const std::string dado = " --tin " + dir_.Escribe("dado.csv", Salida("tin.csv")).string();
  const std::string d = Bien(puntos_ + roturas + dado + " --formats tin.csv");
  EXPECT_TRUE(Tiene(d, "breakline point 161 is taken as point 111, 0.015 away (the given model has no corner at it)"));
  EXPECT_TRUE(Tiene(d, "3 of the 63 points are in no triangle: the given model leaves them out"));
  EXPECT_FALSE(Tiene(d, "keeps only one"));
  // A model of one triangle holds every segment between its corners: it is written as it is.
  const auto tres = dir_.Escribe("3.csv", "n,x,y,z\n1,0,0,1\n2,10,0,2\n3,0,10,3\n").string();
  EXPECT_TRUE(Tiene(
      Bien(tres + " --breaklines " + dir_.Escribe("12.txt", "1 2\n").string() + " --no-contours --formats tin.csv"),
      "trilat: 1 triangle from 3 points"));
  EXPECT_EQ(Salida("tin.csv"), "index,v1,v2,v3\n0,1,3,2\n");
}

// Segment A crosses B and B crosses C, in that order: forcing B undoes A, and forcing C undoes B. A is forced again,
// since no segment the model holds crosses it; B stays out, for the segment that does.
TEST_F(Cli, RoturaDeshechaPorOtraDeshechaSeFuerzaDeNuevo) {
  Nube c;
  for (int j = 0; j < 5; ++j)
    for (int i = 0; i < 5; ++i) c.Pon(10 * i, 10 * j, i + j);
  const std::string err =
      Bien(Puntos(c, 1) + " --breaklines " + dir_.Escribe("abc.txt", "1 10\n17 4\n11 20\n").string() +
           " --no-contours --formats tin.csv");
  EXPECT_TRUE(Tiene(err, "breakline segment 17 - 4 is not in the model: it crosses breakline segment 1 - 10"));
  EXPECT_FALSE(Tiene(err, "segment 1 - 10 is not"));
  EXPECT_FALSE(Tiene(err, "segment 11 - 20 is not"));
}

// A job never writes over its own inputs: a model given with --tin from the output folder, or a survey named like an
// output there, is refused before any work and left as it was. A breaklines file with none in it is said to be so.
TEST_F(Cli, EntradasEnLaCarpetaDeSalida) {
  Puntos(Genera(Forma::Uniforme, 200, 1000, 13));
  Bien(puntos_ + " --no-contours --formats tin.csv");
  const std::string tin = Salida("tin.csv"), dado = (fs::path(salida_) / "tin.csv").string();
  const auto r = Corre(puntos_ + " --tin " + dado);
  EXPECT_EQ(r.estado, 1);
  EXPECT_TRUE(Tiene(r.err, dado + " is the model given with --tin of this job, which its results would replace "
                                  "(choose another --out); nothing written"));
  EXPECT_EQ(Salida("tin.csv"), tin);
  Bien(puntos_ + " --tin " + dado + " --no-contours --formats tin.xml");
  fs::copy_file(puntos_, dado, fs::copy_options::overwrite_existing);
  const auto p = Corre(dado + " --no-contours --formats tin.csv");
  EXPECT_EQ(p.estado, 1);
  EXPECT_TRUE(Tiene(p.err, dado + " is the points file of this job"));
  EXPECT_EQ(Salida("tin.csv"), Lee_Archivo(puntos_));
  EXPECT_TRUE(Tiene(Bien(puntos_ + " --no-contours --formats tin.xml --breaklines " +
                         dir_.Escribe("vacias.txt", "# none yet\n").string()),
                    "vacias.txt holds no breaklines"));
}

// Another OGR format takes its driver's extension and holds every line (CSV its geometry as WKT, a file
// geodatabase, which has no transactions, in a folder). A shapefile written over another leaves none of the old
// one's files. The GeoJSON names the CRS given, as does the LandXML surface.
TEST_F(Cli, FormatoVectorialConSuExtension) {
  Puntos(Genera(Forma::Uniforme, 200, 1000, 13));
  const std::string orden = puntos_ + " --formats contours.geojson,contours.gpkg --vector-format ";
  for (const auto& [formato, nombre] : {std::pair<std::string, std::string>{"'MapInfo File'", "contours.tab"},
                                        {"CSV", "contours.csv"},
                                        {"OpenFileGDB", "contours.gdb"}}) {
    SCOPED_TRACE(formato);
    Bien(orden + formato);
    const long lineas = Objetos_OGR(dir_ / "out/contours.geojson");
    EXPECT_GT(lineas, 5);
    EXPECT_EQ(Objetos_OGR(dir_ / "out" / nombre), lineas);
    EXPECT_TRUE(formato != "CSV" || Salida(nombre).find("\"LINESTRING Z (") != std::string::npos);
    fs::remove_all(salida_);
  }
  Bien(orden + "'ESRI Shapefile' --crs EPSG:25830");
  // GeoJSON readers take the survey's coordinates in the CRS given rather than as longitude and latitude.
  EXPECT_TRUE(Tiene(Salida("contours.geojson"),
                    R"("crs":{"type":"name","properties":{"name":"urn:ogc:def:crs:EPSG::25830"}})"));
  dir_.Escribe("out/contours.txt", "the user's");
  ASSERT_TRUE(fs::exists(dir_ / "out/contours.prj"));
  Bien(orden + "'ESRI Shapefile'");
  EXPECT_FALSE(fs::exists(dir_ / "out/contours.prj"));  // the lines would be read in the old CRS
  EXPECT_EQ(Salida("contours.txt"), "the user's");
  // A later job of another vector format names the shapefile's files as an earlier run's; the user's file is no output.
  EXPECT_TRUE(Tiene(Bien(puntos_ + " --formats contours.geojson"),
                    " also holds contours.dbf, contours.shp, contours.shx from an earlier run"));
  // The LandXML surface records the CRS given, by its name, its EPSG code and its WKT.
  Bien(puntos_ + " --no-contours --formats tin.xml --crs EPSG:25830");
  EXPECT_TRUE(Tiene(Salida("tin.xml"),
                    "<CoordinateSystem name=\"ETRS89 / UTM zone 30N\" epsgCode=\"25830\" "
                    "ogcWktCode=\"PROJCS[&quot;ETRS89 / UTM zone 30N&quot;"));
}

// A disk that fills up while a file is written fails the job with nothing written: as a driver closes its file,
// and on either side of the vector picture, which is written on another thread while the other files are (the
// other side's file then written in full).
TEST_F(Cli, DiscoLlenoNoEscribeNada) {
  Puntos(Genera(Forma::Uniforme, 200, 1000, 13));
  // Each run's largest file, the only one that can fail, and what the failure says.
  const std::tuple<const char*, const char*, const char*> casos[] = {
      {"contours.dxf", "contours.dxf", "contours.dxf"},
      {"tin.xml,tin.csv", "tin.xml", "tin.xml: the XML writer failed"},
      {"picture.svg,tin.csv", "picture.svg", "picture.svg"},
      // Dense smoothed contours left out of the picture are larger than it.
      {"picture.svg,contours.geojson --no-draw-contours --smooth --segments 9 --equidistance 0.25", "contours.geojson",
       "contours.geojson"},
  };
  for (const auto& [formatos, lleno, dicho] : casos) {
    SCOPED_TRACE(formatos);
    const std::string orden = puntos_ + " --formats " + formatos;
    Bien(orden);
    const auto tope = fs::file_size(dir_ / "out" / lleno) - 2048;
    for (const auto& e : fs::directory_iterator(salida_))
      ASSERT_TRUE(e.path().filename() == lleno || e.file_size() + 2048 < tope) << e.path();
    fs::remove_all(salida_);
    // No file may grow past the limit: its writes then fail as on a full disk, for root as for anyone, and the
    // command inherits the limit.
    const auto senal = signal(SIGXFSZ, SIG_IGN);
    rlimit antes{};
    getrlimit(RLIMIT_FSIZE, &antes);
    const rlimit limite{tope, antes.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limite);
    const auto sin_sitio = Corre(orden);
    setrlimit(RLIMIT_FSIZE, &antes);
    signal(SIGXFSZ, senal);
    Espera_Fallo(sin_sitio, 1, dicho);
    // The file is named where it was to go, not in the staging folder it was written in.
    EXPECT_FALSE(Tiene(sin_sitio.err, ".trilat-staging"));
  }
}

// Ctrl-C typed while the triangulation runs: large enough that it lasts a few seconds. It is typed once the
// triangulation's progress bar shows, so the command is surely listening, however slow the machine. The abort
// request is read when the next pass starts, and a stop requested later is honoured before writing. A request to end
// the process, as a service manager or a closing terminal sends, is honoured the same way.
TEST_F(Cli, CtrlCDuranteLaTriangulacion) {
  Puntos(Genera(Forma::Uniforme, 100000, 1000, 5));
  for (const int senal : {SIGINT, SIGTERM, SIGHUP}) {
    Sesion_Pty sesion = En_Terminal({"--no-contours"}, false);
    // Ctrl-C is typed; the others come from another process.
    ASSERT_TRUE(sesion.Conversa({"Triangulaci", senal == SIGINT ? "\x03" : ""})) << sesion.Pantalla();
    if (senal != SIGINT) sesion.Senal(senal);
    EXPECT_EQ(sesion.Termina(), 128 + senal) << sesion.Pantalla();
    EXPECT_FALSE(fs::exists(salida_));
  }
}

TEST_F(Cli, DialogosEnUnTerminalReal) {
  Puntos(Genera(Forma::Uniforme, 300, 200, 7));
  // Each prompt is followed by what is typed at it.
  const auto dialogos = [&](const std::vector<std::string>& guion, std::vector<std::string> opciones = {},
                            int estado = 0) {
    fs::remove_all(salida_);
    opciones.emplace_back("--dialog");
    Sesion_Pty sesion = En_Terminal(opciones);
    EXPECT_TRUE(sesion.Conversa(guion)) << sesion.Pantalla();
    EXPECT_EQ(sesion.Termina(), estado) << sesion.Pantalla();
    EXPECT_FALSE(Tiene(sesion.Pantalla(), "pasos/s"));  // --quiet keeps the progress bars off the terminal
    EXPECT_EQ(fs::exists(dir_ / "out/tin.csv") && fs::exists(dir_ / "out/contours.geojson"), estado == 0);
    return sesion.Pantalla();
  };
  // The triangulation dialog: a new maximum side, then Aceptar; the message of the seed search on this survey
  // acknowledged; the contouring dialog: Aceptar as it stands.
  dialogos({"Choose 1-5: ", "1\r", "[100]: ", "25\r", "Choose 1-5: ", "4\r", "NO ENCUENTRO TRIANGULOS..", "",
            "[Enter] ", "\r", "Choose 1-11: ", "11\r"});
  const std::string recordado = Lee_Archivo(ajustes_);
  EXPECT_TRUE(Tiene(recordado, "Distacia Maxima=25"));
  EXPECT_TRUE(Tiene(recordado, "Equidistancia curvas finas="));
  // Closed without Aceptar (the input ended), the contouring dialog leaves the run the values it was given (here an
  // option's), and nothing of it is remembered. A maximum side given as an option is used over the dialog's, and
  // that is said.
  EXPECT_TRUE(Tiene(dialogos({"Choose 1-5: ", "4\r", "NO ENCUENTRO TRIANGULOS..", "", "[Enter] ", "\r",
                              "Choose 1-11: ", "3\r", "Curvas Finas [", "", "]: ", "9\r", "Choose 1-11: ", "\x04"},
                             {"--equidistance", "7", "--dist-max", "30"}),
                    "--dist-max 30 is used for this run, not the dialog's 25"));
  EXPECT_EQ(Lee_Archivo(ajustes_), recordado);
  // Values accepted there that make every line major, or that no contouring can use, fail the job with the reason,
  // and nothing of them is remembered: not even the smoothing switched on beside them, which the dialog itself
  // remembers as it closes.
  for (const auto& [casilla, rotulo, valor, razon] :
       {std::tuple{"3", "Curvas Finas [", "0.00001", "contour levels over the dialog's elevations"},
        {"5", "Curvas Maestras [", "0.5", "major equidistance 0.5 is smaller than its equidistance"},
        {"2", "Cota Minima [", "5000", "is below its lowest 5000: no contour level lies between them"}}) {
    SCOPED_TRACE(valor);
    EXPECT_TRUE(Tiene(dialogos({"Choose 1-5: ", "4\r", "NO ENCUENTRO TRIANGULOS..", "", "[Enter] ", "\r",
                                "Choose 1-11: ", "8\r", "Choose 1-11: ", std::string(casilla) + "\r", rotulo, "",
                                "]: ", std::string(valor) + "\r", "Choose 1-11: ", "11\r"},
                               {}, 1),
                      razon));
    EXPECT_EQ(Lee_Archivo(ajustes_), recordado);
  }
  // Once the file is read-only a new maximum side or equidistance cannot be remembered: that is said, and the run
  // uses them all the same.
  fs::permissions(ajustes_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  std::vector<std::string> guion = {"Choose 1-5: ",           "1\r", "[25]: ",   "30\r", "Choose 1-5: ", "4\r",
                                    "used for this run only", "",    "[Enter] ", "\r"};
  guion.insert(guion.end(), {"NO ENCUENTRO TRIANGULOS..", "", "[Enter] ", "\r", "Choose 1-11: ", "3\r",
                             "Curvas Finas [", "", "]: ", "1\r", "Choose 1-11: ", "11\r"});
  const std::string pantalla = dialogos(guion);
  EXPECT_TRUE(Tiene(pantalla, "the contouring values were not remembered"));
  EXPECT_EQ(Lee_Archivo(ajustes_), recordado);
  const std::string tin = Salida("tin.csv");
  Bien(puntos_ + " --dist-max 30 --formats tin.csv");
  EXPECT_EQ(tin, Salida("tin.csv"));
}

// Values no run could use are usage errors, found before any work.
TEST(Opciones, ValoresQueNingunaEjecucionUsaria) {
  const auto error_de = [](std::vector<std::string> args) {
    args.insert(args.begin(), {"run", "p.csv", "--out", "o"});
    return Mensaje_Error([&] { anfitrion::Lee_Opciones(args); });
  };
  EXPECT_EQ(error_de({"--crs", "EPSG:99999999"}), "--crs: unknown coordinate reference system 'EPSG:99999999'");
  for (const char* fuera : {"A:B", "ИЗОЛИНИИ", "5 €", "\xC2\x85"})  // beyond Latin-1; in Windows-1252 only; a control
    EXPECT_EQ(error_de({"--dxf-layers", std::string("FINAS,") + fuera}),
              "--dxf-layers: '" + std::string(fuera) + "' cannot name a DXF layer");
  EXPECT_EQ(error_de({"--dxf-layers", "FINAS"}), "--dxf-layers expects MINOR,MAJOR layer names");
  EXPECT_EQ(error_de({"--settings", ""}), "--settings needs a file name");
  // A driver that writes no file to disk; DXF, which would clash with contours.dxf and refuses the lines' attributes.
  for (const std::string driver : {"NoSuchDriver", "Memory"})
    EXPECT_EQ(error_de({"--vector-format", driver}),
              "--vector-format: no GDAL/OGR driver named '" + driver + "' that writes vector files to disk");
  EXPECT_TRUE(Tiene(error_de({"--vector-format", "DXF"}), "--vector-format: DXF contours are contours.dxf"));
  EXPECT_EQ(error_de({"--crs", "EPSG:25830", "--dxf-layers", "F,M", "--vector-format", "FlatGeobuf"}), "no error");
}

// A hand-edited value no run could use gives way to the default, which the run then says it picked; the colours
// take the range --minor-color takes.
TEST(Valores_Curvas, RecordadosInservibles) {
  const Ajustes_Temporales ajustes;
  const auto lee = [&](const std::string& texto) {
    std::ofstream(ajustes.Archivo(), std::ios::binary) << "[MDT/trilat]\n" << texto << "\n";
    anfitrion::Elegidos e;
    const auto v = anfitrion::Lee_Valores_Curvas(80, e);
    return std::tuple{v, e};
  };
  for (const auto& [equidistancia, color] :
       {std::pair("-5", "-5"), {"0", "16777216"}, {"abc", "1e20"}, {"", "abc"}, {"nan", ""}}) {
    SCOPED_TRACE(std::string(equidistancia) + " " + color);
    const auto [v, e] = lee(std::string("Equidistancia curvas finas=") + equidistancia +
                            "\nColor curvas finas=" + color + "\nColor curvas maestras=" + color);
    EXPECT_TRUE(e.finas && e.color_finas && e.color_maestras);
    EXPECT_TRUE(v.finas == 2 && v.color_finas == 38088 && v.color_maestras == 11578544);
  }
  const auto [v, e] = lee("Equidistancia curvas finas=0.5\nColor curvas finas=0\nColor curvas maestras=16777215");
  EXPECT_FALSE(e.finas || e.color_finas || e.color_maestras);
  EXPECT_TRUE(v.finas == 0.5 && v.maestras == 2.5 && v.color_finas == 0 && v.color_maestras == 16777215);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
