#include "hosts/cli/Lectura_Puntos_Texto.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "hosts/cli/Linea_Texto.h"
#include "hosts/cli/Numero_Texto.h"
#include "hosts/cli/Texto_Visible.h"
#include "hosts/support/Descriptor.h"

namespace Vyr_Trilat::anfitrion {

namespace {

namespace fs = std::filesystem;

// Bytes read at a time; also the longest line accepted.
constexpr std::size_t kBloque = std::size_t{1} << 20;

std::string Donde(const fs::path& ruta, std::size_t linea) {
  return ruta.string() + ":" + std::to_string(linea) + ": ";
}

std::string Error_Sistema(int numero) { return std::generic_category().message(numero); }

// Calls linea(text, number) for each line of the file, without its line end.
template <typename F>
void Recorre_Lineas(const fs::path& ruta, F&& linea) {
  const Descriptor archivo(::open(ruta.c_str(), O_RDONLY | O_CLOEXEC));
  if (!archivo.Abierto()) throw Error_Entrada(ruta.string() + ": cannot open the points file: " + Error_Sistema(errno));
  const int fd = archivo.fd();
  std::vector<char> bloque(kBloque);
  std::size_t lleno = 0, numero = 0;
  const auto entrega = [&](const char* ini, const char* fin) {
    Por_Lineas(std::string_view(ini, static_cast<std::size_t>(fin - ini)),
               [&](std::string_view texto) { linea(texto, ++numero); });
  };
  for (;;) {
    const ssize_t leidos = ::read(fd, bloque.data() + lleno, bloque.size() - lleno);
    if (leidos < 0) {
      if (errno == EINTR) continue;
      throw Error_Entrada(ruta.string() + ": cannot read the points file: " + Error_Sistema(errno));
    }
    lleno += static_cast<std::size_t>(leidos);
    const char* p = bloque.data();
    const char* const fin = p + lleno;
    while (const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(fin - p))) {
      entrega(p, static_cast<const char*>(nl));
      p = static_cast<const char*>(nl) + 1;
    }
    if (leidos == 0) {
      if (p < fin) entrega(p, fin);
      return;
    }
    // Text whose lines end in lone carriage returns has no line feeds to cut it at.
    if (const auto cr = std::string_view(p, static_cast<std::size_t>(fin - p)).rfind('\r');
        cr != std::string_view::npos && p + cr + 1 < fin) {
      entrega(p, p + cr);
      p += cr + 1;
    }
    lleno = static_cast<std::size_t>(fin - p);
    if (lleno == bloque.size())
      throw Error_Entrada(Donde(ruta, numero + 1) + "line longer than " + std::to_string(kBloque) + " bytes");
    std::memmove(bloque.data(), p, lleno);
  }
}

bool Blanco(char c) { return c == ' ' || c == '\t'; }

// A field without surrounding blanks or double quotes.
std::string_view Limpia(std::string_view s) {
  while (!s.empty() && Blanco(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blanco(s.back())) s.remove_suffix(1);
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
  return s;
}

// Where a field that opens with a double quote (at s[0]) ends: past the quote that closes it, the one followed by
// the separator or the end of the row; npos when none does.
std::size_t Cierre_Comillas(std::string_view s, char sep) {
  for (auto q = s.find('"', 1); q != std::string_view::npos; q = s.find('"', q + 1)) {
    auto r = q + 1;
    while (sep != ' ' && r < s.size() && Blanco(s[r])) ++r;
    if (r == s.size() || s[r] == sep || (sep == ' ' && Blanco(s[r]))) return q + 1;
  }
  return std::string_view::npos;
}

// The fields of one row, one at a time: blanks separate as runs, any other separator one by one. A field in double
// quotes may hold the separator.
class Campos {
 public:
  Campos(std::string_view linea, char separador) : resto_(linea), sep_(separador) {}

  bool Siguiente(std::string_view& campo) {
    if (sep_ == ' ') {
      while (!resto_.empty() && Blanco(resto_.front())) resto_.remove_prefix(1);
      if (resto_.empty()) return false;
      std::size_t fin = resto_.front() == '"' ? Cierre_Comillas(resto_, sep_) : std::string_view::npos;
      if (fin == std::string_view::npos) {
        fin = 0;
        while (fin < resto_.size() && !Blanco(resto_[fin])) ++fin;
      }
      campo = Limpia(resto_.substr(0, fin));
      resto_.remove_prefix(fin);
      return true;
    }
    if (agotada_) return false;
    const auto ini = resto_.find_first_not_of(" \t");
    const auto cierre = ini != std::string_view::npos && resto_[ini] == '"' ? Cierre_Comillas(resto_.substr(ini), sep_)
                                                                            : std::string_view::npos;
    const auto fin = resto_.find(sep_, cierre == std::string_view::npos ? 0 : ini + cierre);
    campo = Limpia(resto_.substr(0, fin));
    agotada_ = fin == std::string_view::npos;
    resto_.remove_prefix(agotada_ ? resto_.size() : fin + 1);
    return true;
  }

  // All that is left of the row as one field: a description may hold the separator.
  std::string_view Resto() const { return Limpia(resto_); }

 private:
  std::string_view resto_;
  char sep_;
  bool agotada_ = false;
};

// A number of a row: with semicolons or tabs between fields, as spreadsheets write them where a comma is the
// decimal mark, "100,25" is 100.25 (a comma with a point, or two of them, is still no number).
bool Lee_Valor(std::string_view s, char sep, double& v) {
  if (Lee_Numero(s, v)) return true;
  if ((sep != ';' && sep != '\t') || std::count(s.begin(), s.end(), ',') != 1 || s.find('.') != s.npos || s.size() > 64)
    return false;
  std::string punto(s);
  punto[punto.find(',')] = '.';
  return Lee_Numero(punto, v);
}

bool Es_Numero(std::string_view s, char sep) {
  double v;
  return Lee_Valor(s, sep, v);
}

// The separator of a file, from its first row: the first of tab, semicolon, comma and blanks that gives a row
// starting with three numbers (so a description may hold the others), else the first that gives three fields,
// else two.
char Separador(std::string_view linea) {
  static constexpr char kSeparadores[] = {'\t', ';', ',', ' '};
  std::array<int, 4> campos{}, numeros{};
  for (std::size_t k = 0; k < 4; ++k) {
    Campos c(linea, kSeparadores[k]);
    bool seguidos = true;
    for (std::string_view campo; campos[k] < 3 && c.Siguiente(campo); ++campos[k]) {
      seguidos = seguidos && Es_Numero(campo, kSeparadores[k]);
      numeros[k] += seguidos;
    }
  }
  for (std::size_t k = 0; k < 4; ++k)
    if (numeros[k] == 3) return kSeparadores[k];
  for (const int cuantos : {3, 2})
    for (std::size_t k = 0; k < 4; ++k)
      if (campos[k] == cuantos) return kSeparadores[k];
  return ' ';
}

// Where each value is in a row, and the names its messages use.
struct Disposicion {
  Orden_Columnas col;
  std::vector<std::string> nombres;   // by column
  int requeridas = 0;                 // fields every row must have
  int ultima = 0;                     // last column read
  int columnas = 0;                   // columns named (by the header or the option)
  bool descripcion_al_final = false;  // the description takes the rest of the row
  std::string esperado, todas;

  Disposicion(const Orden_Columnas& c, std::vector<std::string> n, int columnas_)
      : col(c), nombres(std::move(n)), columnas(columnas_) {
    requeridas = std::max({col.numero, col.este, col.norte, col.cota}) + 1;
    ultima = std::max(requeridas - 1, col.descripcion);
    descripcion_al_final = col.descripcion >= requeridas && col.descripcion == columnas - 1;
    for (int k = 0; k < requeridas; ++k) esperado += (k ? "," : "") + nombres[static_cast<std::size_t>(k)];
    for (int k = 0; k < columnas; ++k) todas += (k ? "," : "") + nombres[static_cast<std::size_t>(k)];
  }
};

Disposicion De_Letras(const Orden_Columnas& c) {
  const int columnas = std::max({c.numero, c.este, c.norte, c.cota, c.descripcion}) + 1;
  std::vector<std::string> nombres(static_cast<std::size_t>(columnas));
  const std::pair<int, const char*> papeles[] = {{c.numero, "number"},
                                                 {c.este, "easting"},
                                                 {c.norte, "northing"},
                                                 {c.cota, "elevation"},
                                                 {c.descripcion, "description"}};
  for (const auto& [k, nombre] : papeles)
    if (k >= 0) nombres[static_cast<std::size_t>(k)] = nombre;
  return Disposicion(c, std::move(nombres), columnas);
}

// What a header name says a column holds. "N" alone is a number or a northing: settled by the other names.
enum class Papel { Otro, Numero, Este, Norte, Cota, Descripcion, Numero_O_Norte };

// Spanish letters with an accent, in UTF-8 or Latin-1, as their plain letter; the ordinal sign as an o ("Nº").
char Sin_Acento(std::string_view nombre, std::size_t& k) {
  static constexpr std::string_view kAcentos = "\xE1\xE9\xED\xF3\xFA\xFC\xF1\xC1\xC9\xCD\xD3\xDA\xDC\xD1\xBA\xB0";
  static constexpr std::string_view kLetras = "aeiouunaeiouunoo";
  auto b = static_cast<unsigned char>(nombre[k]);
  // UTF-8 writes these as C3 or C2 and the Latin-1 byte less 0x40 (C3) or as it is (C2).
  if ((b == 0xC3 || b == 0xC2) && k + 1 < nombre.size()) {
    const auto siguiente = static_cast<unsigned char>(nombre[k + 1]);
    const auto latin = static_cast<unsigned char>(b == 0xC3 ? siguiente + 0x40 : siguiente);
    if (const auto i = kAcentos.find(static_cast<char>(latin)); i != std::string_view::npos) {
      ++k;
      return kLetras[i];
    }
  }
  const auto i = kAcentos.find(static_cast<char>(b));
  return i != std::string_view::npos ? kLetras[i] : static_cast<char>(std::tolower(b));
}

// Names are compared in lower case without accents, blanks, underscores, dots, hyphens or '#', and without a unit
// in brackets after them: "Pt_No" is "ptno", "Número" "numero", "Northing (m)" "northing".
Papel Papel_De(std::string_view nombre) {
  static const std::pair<Papel, std::vector<std::string_view>> kNombres[] = {
      {Papel::Numero_O_Norte, {"n"}},
      {Papel::Numero, {"p",      "pt",      "pto",      "point",       "punto",   "no",       "num",
                       "number", "numero",  "id",       "nr",          "nro",     "ptno",     "ptnum",
                       "ptid",   "pointno", "pointnum", "pointnumber", "pointid", "numpunto", "numeropunto"}},
      {Papel::Este, {"e", "x", "east", "easting", "este"}},
      {Papel::Norte, {"y", "north", "northing", "norte"}},
      {Papel::Cota, {"z", "h", "elev", "elevation", "height", "alt", "altitude", "altura", "cota"}},
      {Papel::Descripcion, {"d", "desc", "description", "descripcion", "code", "codigo"}},
  };
  if (const auto unidad = nombre.find_first_of("(["); unidad != std::string_view::npos && unidad > 0)
    nombre = nombre.substr(0, unidad);
  std::string s;
  for (std::size_t k = 0; k < nombre.size(); ++k) {
    const char c = Sin_Acento(nombre, k);
    if (c != ' ' && c != '\t' && c != '_' && c != '.' && c != '-' && c != '#') s += c;
  }
  for (const auto& [papel, nombres] : kNombres)
    if (std::find(nombres.begin(), nombres.end(), s) != nombres.end()) return papel;
  return Papel::Otro;
}

class Lector {
 public:
  Lector(const fs::path& ruta, const Opciones_Lectura& o) : ruta_(ruta), opciones_(o) {}

  void Linea(std::string_view linea, std::size_t n) {
    linea = Sin_Marca_De_Orden(linea, n, ruta_);
    const auto ini = std::find_if_not(linea.begin(), linea.end(), Blanco);
    if (ini == linea.end() || *ini == '#') return;
    if (!disposicion_) return Primera(linea, n);
    // A spreadsheet's empty rows are its separators alone.
    const char vacios[] = {' ', '\t', '"', sep_};
    if (linea.find_first_not_of(std::string_view(vacios, sizeof vacios)) == std::string_view::npos) return;
    Fila(linea, n);
  }

  Levantamiento Resultado() && {
    if (omitidas_ > 0) {
      lev_.aviso_omitidas = primera_omitida_ + " is neither point data nor a header naming easting and northing";
      if (omitidas_ == 2) lev_.aviso_omitidas += " (nor is the line after it)";
      if (omitidas_ > 2) lev_.aviso_omitidas += " (nor are the " + std::to_string(omitidas_ - 1) + " lines after it)";
    }
    if (lev_.size() == 0) {
      throw Error_Entrada(omitidas_ > 0 ? lev_.aviso_omitidas + ": the file holds no points"
                                        : ruta_.string() + ": the file holds no points");
    }
    if (omitidas_ > 0) {
      lev_.aviso_omitidas += columnas_de_cabecera_ ? "; skipped"
                                                   : "; skipped, and the columns are read in the order --columns "
                                                     "gives (PENZD unless given)";
    }
    return std::move(lev_);
  }

 private:
  void Primera(std::string_view linea, std::size_t n) {
    sep_ = Separador(linea);
    std::vector<std::string> nombres;
    bool numerica = false;
    Campos c(linea, sep_);
    for (std::string_view campo; c.Siguiente(campo);) {
      numerica = numerica || Es_Numero(campo, sep_);
      nombres.emplace_back(campo);
    }
    if (!numerica && !Cabecera(nombres, n)) {
      // A title, or a header whose names say nothing known: the first data row decides the separator.
      if (omitidas_++ == 0) primera_omitida_ = Donde(ruta_, n) + "'" + Texto_Visible(linea) + "'";
      return;
    }
    if (numerica) disposicion_.emplace(De_Letras(opciones_.columnas));
    campos_.resize(static_cast<std::size_t>(disposicion_->ultima + 1));
    if (numerica) Fila(linea, n);
  }

  // Settles the columns from a header that names easting and northing; false if it names neither.
  bool Cabecera(const std::vector<std::string>& nombres, std::size_t n) {
    Orden_Columnas c{-1, -1, -1, -1, -1};
    std::vector<int> enes;
    int* const columnas[] = {nullptr, &c.numero, &c.este, &c.norte, &c.cota, &c.descripcion, nullptr};
    static constexpr const char* kQue[] = {"", "point number", "easting", "northing", "elevation", "description", ""};
    for (int k = 0; k < static_cast<int>(nombres.size()); ++k) {
      const auto papel = static_cast<std::size_t>(Papel_De(nombres[static_cast<std::size_t>(k)]));
      // Descriptions are only carried along: a second one (a code beside a description) is not read.
      if (papel == static_cast<std::size_t>(Papel::Descripcion) && c.descripcion >= 0) continue;
      int* const columna = columnas[papel];
      if (columna != nullptr && *columna >= 0)
        throw Error_Entrada(Donde(ruta_, n) + "the header names the " + kQue[papel] + " twice ('" +
                            Texto_Visible(nombres[static_cast<std::size_t>(*columna)]) + "' and '" +
                            Texto_Visible(nombres[static_cast<std::size_t>(k)]) + "')");
      if (columna != nullptr) *columna = k;
      if (papel == static_cast<std::size_t>(Papel::Numero_O_Norte)) enes.push_back(k);
    }
    // A lone "N" is the northing beside an easting with no other northing, else the point number.
    if (enes.size() > 1 || (enes.size() == 1 && c.norte >= 0 && c.numero >= 0))
      throw Error_Entrada(Donde(ruta_, n) + "the header's 'N' is ambiguous: name the columns Point and North");
    if (enes.size() == 1) (c.norte < 0 && c.este >= 0 ? c.norte : c.numero) = enes[0];
    if (c.este < 0 && c.norte < 0) return false;
    if (c.este < 0 || c.norte < 0)
      throw Error_Entrada(Donde(ruta_, n) + "the header names the " + (c.este < 0 ? "northing" : "easting") +
                          " but not the " + (c.este < 0 ? "easting" : "northing"));
    if (c.cota < 0) throw Error_Entrada(Donde(ruta_, n) + "the header names no elevation column");
    if (c.numero < 0)
      for (const auto& nombre : nombres)
        if (Papel_De(nombre) == Papel::Otro) lev_.columnas_sin_leer.push_back(nombre);
    disposicion_.emplace(c, nombres, static_cast<int>(nombres.size()));
    columnas_de_cabecera_ = true;
    return true;
  }

  // Room for the points a file of this size holds if its rows are like the first.
  void Reserva(std::size_t largo_fila) {
    std::error_code ec;
    const auto tam = fs::file_size(ruta_, ec);
    if (ec) return;
    const auto filas = std::min<std::uintmax_t>(tam / (largo_fila + 1) + 1, std::uintmax_t{1} << 26);
    const auto n = static_cast<std::size_t>(filas);
    lev_.numeros.reserve(n);
    lev_.x.reserve(n);
    lev_.y.reserve(n);
    lev_.z.reserve(n);
    lev_.posicion.reserve(n);
  }

  void Fila(std::string_view linea, std::size_t n) {
    // Sized from the first data row: a header, much shorter, would make room for several times the points.
    if (lev_.x.empty()) Reserva(linea.size());
    const Disposicion& d = *disposicion_;
    Campos c(linea, sep_);
    std::string_view descripcion;
    int k = 0;
    for (; k <= d.ultima; ++k) {
      if (k == d.col.descripcion && d.descripcion_al_final) {
        descripcion = c.Resto();
        break;
      }
      if (!c.Siguiente(campos_[static_cast<std::size_t>(k)])) break;
    }
    if (k < d.requeridas) throw Error_Entrada(Donde(ruta_, n) + "expected " + d.esperado);
    // Without a description every field has a column: one more means the row splits where it should not (a
    // thousands separator, a decimal comma). A separator ending the row adds only an empty field.
    std::string_view otro;
    for (int mas = k; d.col.descripcion < 0 && c.Siguiente(otro); ++mas)
      if (mas >= d.columnas && !otro.empty())
        throw Error_Entrada(Donde(ruta_, n) + "more fields than the columns " + d.todas);
    if (d.col.descripcion >= 0 && d.col.descripcion < k && !d.descripcion_al_final)
      descripcion = campos_[static_cast<std::size_t>(d.col.descripcion)];

    auto numero = static_cast<std::int64_t>(lev_.size() + 1);
    if (d.col.numero >= 0) {
      const auto texto = campos_[static_cast<std::size_t>(d.col.numero)];
      if (!Lee_Numero(texto, numero) || numero <= 0)
        throw Error_Entrada(Donde(ruta_, n) + "point number '" + Texto_Visible(texto) + "' is not a positive integer");
    }
    std::array<double, 3> v;
    const std::array<int, 3> columnas = {d.col.este, d.col.norte, d.col.cota};
    for (std::size_t i = 0; i < 3; ++i) {
      const auto texto = campos_[static_cast<std::size_t>(columnas[i])];
      if (!Lee_Valor(texto, sep_, v[i]) || !std::isfinite(v[i]))
        throw Error_Entrada(Donde(ruta_, n) + Texto_Visible(d.nombres[static_cast<std::size_t>(columnas[i])]) + " '" +
                            Texto_Visible(texto) + "' is not a finite number");
    }
    if (!lev_.Agrega(numero, v[0], v[1], v[2]))
      throw Error_Entrada(Donde(ruta_, n) + "point number " + std::to_string(numero) + " is repeated");
    if (d.col.descripcion >= 0) lev_.descripciones.emplace_back(descripcion);
  }

  const fs::path& ruta_;
  const Opciones_Lectura& opciones_;
  char sep_ = ' ';
  std::optional<Disposicion> disposicion_;  // settled by the first row
  bool columnas_de_cabecera_ = false;
  std::size_t omitidas_ = 0;
  std::string primera_omitida_;
  std::vector<std::string_view> campos_;
  Levantamiento lev_;
};

}  // namespace

Levantamiento Lee_Puntos_Texto(const std::filesystem::path& ruta, const Opciones_Lectura& opciones) {
  Lector lector(ruta, opciones);
  Recorre_Lineas(ruta, [&](std::string_view linea, std::size_t n) { lector.Linea(linea, n); });
  return std::move(lector).Resultado();
}

}  // namespace Vyr_Trilat::anfitrion
