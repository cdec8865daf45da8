// Survey text read back exactly whatever its separator, decimal mark, quoting, header (its names, with units or
// accents, or a title above it), column order, comments, empty rows and line ends, and every malformed row refused
// with its file and line.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <random>
#include <stdexcept>
#include <tuple>

#include "hosts/cli/Lectura_Puntos_Texto.h"
#include "hosts/cli/Levantamiento.h"
#include "tests/support/Carpeta_Temporal.h"
#include "tests/support/Mensaje_Error.h"

namespace Vyr_Trilat::prueba {
namespace {

using anfitrion::Lee_Columnas;
using anfitrion::Lee_Puntos_Texto;
using anfitrion::Levantamiento;
using anfitrion::Opciones_Lectura;

std::string Texto(double v) {
  char t[32];
  return std::string(t, std::to_chars(t, t + sizeof t, v).ptr);
}

// A generated survey file and what reading it must give.
struct Archivo {
  std::string texto;
  std::string letras;  // the file's column order
  bool cabecera_con_nombres = false;
  std::string separador, fin_linea;
  std::vector<std::int64_t> numeros;
  std::vector<double> x, y, z;
  std::vector<std::string> descripciones;
  std::vector<std::size_t> lineas, inicios;      // the line of each point's row, and where in the text it starts
  std::vector<std::vector<std::string>> campos;  // the fields of each point's row, in file order
  std::vector<std::string> nombres;              // header names by column, when it has them
};

std::string Une(const std::vector<std::string>& campos, const std::string& sep) {
  std::string l;
  for (const auto& v : campos) l += (l.empty() ? "" : sep) + v;
  return l;
}

template <typename T>
const T& Uno(std::mt19937_64& g, const std::vector<T>& v) {
  return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(g)];
}

// Names with units after them and Spanish names with their accents, in UTF-8 and in Latin-1, in either case.
std::string Nombre_Columna(std::mt19937_64& g, char letra) {
  static const std::map<char, std::vector<std::string>> kNombres = {
      {'P',
       {"P", "Point", "id", "Number", "Pt", "No", "Punto", "Pt_No", "PtID", "Point_Number", "N\xC2\xBA", "Pt#",
        "N\xC3\xBAmero", "N\xFAmero"}},
      {'E', {"E", "East", "Easting", "X", "este", "Easting(m)", "X[m]"}},
      {'N', {"North", "Northing", "Y", "N", "Northing(m)", "Y[m]"}},
      {'Z', {"Z", "Elev", "Elevation", "H", "Cota", "Cota(m)", "Altura"}},
      {'D', {"D", "Desc", "Description", "Code", "Codigo", "Descripci\xC3\xB3n", "C\xF3\x64igo"}}};
  std::string s = Uno(g, kNombres.at(letra));
  if (g() % 2) std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
  return s;
}

Archivo Genera_Archivo(std::uint64_t semilla) {
  std::mt19937_64 g(semilla);
  Archivo a;
  std::string letras = Uno(g, std::vector<std::string>{"PENZD", "PENZ", "PNEZD", "PNEZ", "ENZ", "NEZ", "ZENP"});
  const bool con_d = letras.back() == 'D';
  if (con_d) letras.pop_back();
  std::shuffle(letras.begin(), letras.end(), g);
  if (con_d) letras += 'D';  // a description is last, so it may hold blanks and separators
  a.letras = letras;
  const std::string& sep = a.separador = Uno(g, std::vector<std::string>{",", ";", "\t", " ", "   ", " \t ", ", "});
  const int cabecera = static_cast<int>(g() % 3);  // none, naming, or names the reader does not know
  a.cabecera_con_nombres = cabecera == 1;
  const std::string& fin_linea = a.fin_linea = Uno(g, std::vector<std::string>{"\n", "\r\n", "\r"});
  const bool comillas = sep[0] == ',' || sep[0] == ';';
  // Where a comma is the decimal mark, spreadsheets separate fields by semicolons or tabs.
  const bool coma_decimal = sep.find_first_of(";\t") != std::string::npos && g() % 3 == 0;

  std::size_t linea = 0;
  const auto escribe = [&](const std::string& l) {
    a.texto += l + fin_linea;
    ++linea;
  };
  const auto ruido = [&] {
    if (g() % 6 == 0) escribe(g() % 2 ? "# a comment, with; separators\tin it" : "  \t ");
    // A spreadsheet's empty row.
    if (sep != " " && g() % 12 == 0) escribe(sep + sep + sep);
  };
  if (g() % 4 == 0) a.texto = "\xEF\xBB\xBF";
  ruido();
  if (g() % 5 == 0) escribe("Site survey of the old quarry");
  if (cabecera > 0) {
    for (const char c : letras) a.nombres.push_back(cabecera == 1 ? Nombre_Columna(g, c) : std::string("col") + c);
    escribe(Une(a.nombres, sep));
  }
  const std::size_t n = 1 + g() % 60;
  std::int64_t numero = 1 + static_cast<std::int64_t>(g() % 1000000000000);
  std::uniform_real_distribution<double> u(0, 1);
  const std::vector<std::string> descripciones = {"fence", "top of bank", "CL, road; kerb", "", "tree 3"};
  for (std::size_t i = 0; i < n; ++i) {
    ruido();
    numero += 1 + static_cast<std::int64_t>(g() % 1000);
    const double x = 431000 + u(g) * 1000, y = 4581000 + u(g) * 1000, z = (g() % 5 == 0 ? -1 : 1) * u(g) * 900;
    const std::string d = con_d ? Uno(g, descripciones) : "";
    std::vector<std::string> campos;
    for (const char c : letras) {
      std::string v = c == 'D' ? d : c == 'P' ? std::to_string(numero) : Texto(c == 'E' ? x : c == 'N' ? y : z);
      if (coma_decimal && c != 'D') std::replace(v.begin(), v.end(), '.', ',');
      if (c != 'D' && v[0] != '-' && g() % 8 == 0) v = "+" + v;
      if (c != 'D' && comillas && g() % 8 == 0) v = "\"" + v + "\"";
      campos.push_back(v);
    }
    if (con_d && d.empty() && g() % 2) campos.pop_back();
    a.inicios.push_back(a.texto.size());
    escribe(Une(campos, sep));
    a.numeros.push_back(letras.find('P') == std::string::npos ? static_cast<std::int64_t>(i + 1) : numero);
    a.x.push_back(x);
    a.y.push_back(y);
    a.z.push_back(z);
    if (con_d) a.descripciones.push_back(d);
    a.lineas.push_back(linea);
    a.campos.push_back(campos);
  }
  if (g() % 3 == 0) a.texto.resize(a.texto.size() - fin_linea.size());  // no line end on the last row
  return a;
}

Opciones_Lectura Con_Columnas(const std::string& letras) {
  Opciones_Lectura o;
  o.columnas = Lee_Columnas(letras);
  return o;
}

// A header that names the columns decides them: the option then says something else on purpose.
Opciones_Lectura Opciones_De(const Archivo& a) {
  return a.cabecera_con_nombres ? Opciones_Lectura{} : Con_Columnas(a.letras);
}

std::string Error_De(const std::filesystem::path& ruta, const Opciones_Lectura& o) {
  return Mensaje_Error([&] { Lee_Puntos_Texto(ruta, o); });
}

// Text by its extension, or by one no vector driver of GDAL names; a vector file by its driver's extension.
TEST(LecturaTexto, TextoPorSuExtension) {
  for (const char* texto : {"p", "p.csv", "P.TXT", "p.xyz", "p.pnt", "l.brk", "p.coo"})
    EXPECT_TRUE(anfitrion::Es_Texto_Delimitado(texto)) << texto;
  for (const char* vectorial : {"p.gpkg", "p.SHP", "p.dxf", "p.geojson", "p.kml", "p.gdb", "p.fgb"})
    EXPECT_FALSE(anfitrion::Es_Texto_Delimitado(vectorial)) << vectorial;
  Carpeta_Temporal dir;
  EXPECT_EQ(anfitrion::Lee_Puntos(dir.Escribe("p.pnt", "P,E,N,Z\n7,0,0,1\n8,1,0,2\n9,0,1,3\n")).numeros,
            (std::vector<std::int64_t>{7, 8, 9}));
}

// Read back exactly; then every kind of bad field, put in one random row, is reported at that row.
TEST(LecturaTexto, CualquierArchivoYCualquierCampoMalo) {
  Carpeta_Temporal dir;
  const std::vector<std::string> no_numeros = {"abc", "1.2.3", "nan", "inf", "-inf", "1e999", "0x10", "12a", "--1"};
  const std::vector<std::string> no_enteros = {"0", "-3", "1.5", "x7", "99999999999999999999", "1e3"};
  int probados = 0;
  for (std::uint64_t s = 0; s < 600; ++s) {
    Archivo a = Genera_Archivo(s);
    SCOPED_TRACE("seed " + std::to_string(s) + "\n" + a.texto);
    const Levantamiento lev = Lee_Puntos_Texto(dir.Escribe("p.txt", a.texto), Opciones_De(a));
    ASSERT_EQ(lev.numeros, a.numeros);
    EXPECT_EQ(std::tie(lev.x, lev.y, lev.z, lev.descripciones), std::tie(a.x, a.y, a.z, a.descripciones));

    std::mt19937_64 g(s * 7 + 1);
    const std::size_t i = g() % a.numeros.size();
    const int tipo = static_cast<int>(g() % 4);
    const auto p = a.letras.find('P');
    if ((tipo == 1 || tipo == 2) && p == std::string::npos) continue;
    if (tipo == 2 && i == 0) continue;
    auto& campos = a.campos[i];
    const std::size_t largo = Une(campos, a.separador).size();
    std::string esperado;
    if (tipo == 0) {
      const auto k = a.letras.find("ENZ"[g() % 3]);
      const char* const papel = a.letras[k] == 'E' ? "easting" : a.letras[k] == 'N' ? "northing" : "elevation";
      campos[k] = Uno(g, no_numeros);
      esperado = (a.cabecera_con_nombres ? a.nombres[k] : papel) + " '" + campos[k] + "' is not a finite number";
    } else if (tipo == 1) {
      campos[p] = Uno(g, no_enteros);
      esperado = "point number '" + campos[p] + "' is not a positive integer";
    } else if (tipo == 2) {
      campos[p] = std::to_string(a.numeros[g() % i]);
      esperado = "point number " + campos[p] + " is repeated";
    } else {
      campos.resize(std::min<std::size_t>(campos.size(), 2));
      esperado = "expected ";
    }
    // The row rewritten in place with the same separator.
    const std::string texto =
        a.texto.substr(0, a.inicios[i]) + Une(campos, a.separador) + a.texto.substr(a.inicios[i] + largo);
    const auto ruta = dir.Escribe("p.txt", texto);
    const std::string donde = ruta.string() + ":" + std::to_string(a.lineas[i]) + ": ";
    const std::string error = Error_De(ruta, Opciones_De(a));
    EXPECT_EQ(error.substr(0, donde.size() + esperado.size()), donde + esperado) << texto;
    ++probados;
  }
  EXPECT_GT(probados, 400);
}

TEST(LecturaTexto, CabecerasQueDecidenYLasQueNo) {
  Carpeta_Temporal dir;
  const std::pair<std::string, const char*> malos[] = {
      // A first row with a number in it is data, even when other fields are not numbers.
      {"1,x,2,3\n", "p.csv:1: easting 'x'"},
      {"P,N,E,N,Z\n1,2,3,4,5\n", "p.csv:1: the header's 'N' is ambiguous"},
      {"x,a,z\n1,2,3\n", "p.csv:1: the header names the easting but not the northing"},
      {"x,y,foo\n1,2,3\n", "p.csv:1: the header names no elevation column"},
      {"# survey\nx,y,z,East\n1,2,3,4\n", "p.csv:2: the header names the easting twice ('x' and 'East')"},
      {"P,E,N,Z\n", "p.csv: the file holds no points"},
      {"1,2,3,4\n" + std::string(std::size_t{1} << 21, '7') + "\n", "p.csv:2: line longer than"},
      // Thousands separators split the numbers into more fields than the header names.
      {"P,E,N,Z\n1,1,234.5,2,345.6,100.0\n", "p.csv:2: more fields than the columns P,E,N,Z"},
      // A file saved as UTF-16 is named as such; a NUL in a field is shown, not the end of the message.
      {std::string("\xFF\xFEP\0,\0", 6), "p.csv: the file is UTF-16 text"},
      {std::string("P,E,N,Z\n1,5\0,4,100\n", 20), "p.csv:2: E '5\\x00' is not a finite number"},
  };
  for (const auto& [texto, error] : malos)
    EXPECT_NE(Error_De(dir.Escribe("p.csv", texto), {}).find(error), std::string::npos) << texto;
  EXPECT_NE(Error_De(dir / "missing.csv", {}).find("missing.csv: cannot open the points file"), std::string::npos);
  EXPECT_NE(Error_De(dir.Ruta(), {}).find("cannot read the points file"), std::string::npos);

  // So do more fields than --columns names; a separator ending the row is no field.
  EXPECT_EQ(Error_De(dir.Escribe("p.csv", "1 2 3 4\n2 3 4 5 6\n"), Con_Columnas("PENZ")),
            (dir / "p.csv").string() + ":2: more fields than the columns number,easting,northing,elevation");
  EXPECT_EQ(Lee_Puntos_Texto(dir.Escribe("p.csv", "1;2;3;4;\n2;3;4;5\n"), Con_Columnas("PENZ")).numeros,
            (std::vector<std::int64_t>{1, 2}));
  // Columns the header names for no use are kept to be named to the user when points are numbered in file order.
  EXPECT_TRUE(Lee_Puntos_Texto(dir.Escribe("p.csv", "P,E,N,Z,Foo\n1,2,3,4,x\n"), {}).columnas_sin_leer.empty());
  EXPECT_EQ(Lee_Puntos_Texto(dir.Escribe("p.csv", "Station,E,N,Z,Foo\n7,2,3,4,x\n"), {}).columnas_sin_leer,
            (std::vector<std::string>{"Station", "Foo"}));

  // Names with units and blanks; a quoted field holding the separator; a code beside a description; a title
  // above the header, which the user is told of.
  const Levantamiento campo =
      Lee_Puntos_Texto(dir.Escribe("p.csv",
                                   "Obra 7B: Camino\nPt,Code,Northing (m),Easting (m),Elevation (m),Description\n"
                                   "1,\"PIPE, 300\",4200000.5,500000.25,100,\"fence, north\"\n"),
                       {});
  EXPECT_EQ(std::pair(campo.x, campo.y), std::pair(std::vector{500000.25}, std::vector{4200000.5}));
  EXPECT_EQ(campo.descripciones, std::vector<std::string>{"PIPE, 300"});  // the first of them
  EXPECT_EQ(campo.aviso_omitidas, (dir / "p.csv").string() +
                                      ":1: 'Obra 7B: Camino' is neither point data nor a header naming easting and "
                                      "northing; skipped");
  const Levantamiento sin_cabecera = Lee_Puntos_Texto(dir.Escribe("p.csv", "Levantamiento\n1 2 3 4\n"), {});
  EXPECT_NE(sin_cabecera.aviso_omitidas.find("the columns are read in the order --columns gives"), std::string::npos);

  for (const char* malas : {"PENQ", "PEEZ", "PEN", "", "PENZDD"})
    EXPECT_THROW(Lee_Columnas(malas), std::invalid_argument);
  EXPECT_TRUE(Lee_Columnas("xyz").numero == -1 && Lee_Columnas("xyz").norte == 1);
}

}  // namespace
}  // namespace Vyr_Trilat::prueba
