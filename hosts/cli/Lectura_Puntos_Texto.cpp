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
  const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw Error_Entrada(ruta.string() + ": cannot open the points file: " + Error_Sistema(errno));
  struct Cierra {
    int fd;
    ~Cierra() { ::close(fd); }
  } cierra{fd};
  std::vector<char> bloque(kBloque);
  std::size_t lleno = 0, numero = 0;
  const auto entrega = [&](const char* ini, const char* fin) {
    if (fin > ini && fin[-1] == '\r') --fin;
    linea(std::string_view(ini, static_cast<std::size_t>(fin - ini)), ++numero);
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

// The fields of one row, one at a time: blanks separate as runs, any other separator one by one.
class Campos {
 public:
  Campos(std::string_view linea, char separador) : resto_(linea), sep_(separador) {}

  bool Siguiente(std::string_view& campo) {
    if (sep_ == ' ') {
      while (!resto_.empty() && Blanco(resto_.front())) resto_.remove_prefix(1);
      if (resto_.empty()) return false;
      std::size_t fin = 0;
      while (fin < resto_.size() && !Blanco(resto_[fin])) ++fin;
      campo = Limpia(resto_.substr(0, fin));
      resto_.remove_prefix(fin);
      return true;
    }
    if (agotada_) return false;
    const auto fin = resto_.find(sep_);
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

bool Es_Numero(std::string_view s) {
  double v;
  return Lee_Numero(s, v);
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
      seguidos = seguidos && Es_Numero(campo);
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

// Names are compared in lower case without blanks, underscores, dots or hyphens: "Pt_No" is "ptno".
Papel Papel_De(std::string_view nombre) {
  static const std::pair<Papel, std::vector<std::string_view>> kNombres[] = {
      {Papel::Numero_O_Norte, {"n"}},
      {Papel::Numero, {"p",      "pt",      "pto",      "point",       "punto",   "no",       "num",
                       "number", "numero",  "id",       "nr",          "nro",     "ptno",     "ptnum",
                       "ptid",   "pointno", "pointnum", "pointnumber", "pointid", "numpunto", "numeropunto"}},
      {Papel::Este, {"e", "x", "east", "easting", "este"}},
      {Papel::Norte, {"y", "north", "northing", "norte"}},
      {Papel::Cota, {"z", "h", "elev", "elevation", "height", "alt", "altitude", "cota"}},
      {Papel::Descripcion, {"d", "desc", "description", "descripcion", "code", "codigo"}},
  };
  std::string s;
  for (const unsigned char c : nombre)
    if (c != ' ' && c != '\t' && c != '_' && c != '.' && c != '-') s += static_cast<char>(std::tolower(c));
  for (const auto& [papel, nombres] : kNombres)
    if (std::find(nombres.begin(), nombres.end(), s) != nombres.end()) return papel;
  return Papel::Otro;
}

class Lector {
 public:
  Lector(const fs::path& ruta, const Opciones_Lectura& o) : ruta_(ruta), opciones_(o) {}

  void Linea(std::string_view linea, std::size_t n) {
    linea = Sin_Marca_De_Orden(linea, n);
    const auto ini = std::find_if_not(linea.begin(), linea.end(), Blanco);
    if (ini == linea.end() || *ini == '#') return;
    if (disposicion_) return Fila(linea, n);
    Primera(linea, n);
  }

  Levantamiento Resultado() && {
    if (lev_.size() == 0) throw Error_Entrada(ruta_.string() + ": the file holds no points");
    return std::move(lev_);
  }

 private:
  void Primera(std::string_view linea, std::size_t n) {
    sep_ = Separador(linea);
    std::vector<std::string> nombres;
    bool numerica = false;
    Campos c(linea, sep_);
    for (std::string_view campo; c.Siguiente(campo);) {
      numerica = numerica || Es_Numero(campo);
      nombres.emplace_back(campo);
    }
    if (numerica || !Cabecera(nombres, n)) disposicion_.emplace(De_Letras(opciones_.columnas));
    campos_.resize(static_cast<std::size_t>(disposicion_->ultima + 1));
    Reserva(linea.size());
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
      int* const columna = columnas[papel];
      if (columna != nullptr && *columna >= 0)
        throw Error_Entrada(Donde(ruta_, n) + "the header names the " + kQue[papel] + " twice ('" +
                            nombres[static_cast<std::size_t>(*columna)] + "' and '" +
                            nombres[static_cast<std::size_t>(k)] + "')");
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
        throw Error_Entrada(Donde(ruta_, n) + "point number '" + std::string(texto) + "' is not a positive integer");
    }
    std::array<double, 3> v;
    const std::array<int, 3> columnas = {d.col.este, d.col.norte, d.col.cota};
    for (std::size_t i = 0; i < 3; ++i) {
      const auto texto = campos_[static_cast<std::size_t>(columnas[i])];
      if (!Lee_Numero(texto, v[i]) || !std::isfinite(v[i]))
        throw Error_Entrada(Donde(ruta_, n) + d.nombres[static_cast<std::size_t>(columnas[i])] + " '" +
                            std::string(texto) + "' is not a finite number");
    }
    if (!lev_.Agrega(numero, v[0], v[1], v[2]))
      throw Error_Entrada(Donde(ruta_, n) + "point number " + std::to_string(numero) + " is repeated");
    if (d.col.descripcion >= 0) lev_.descripciones.emplace_back(descripcion);
  }

  const fs::path& ruta_;
  const Opciones_Lectura& opciones_;
  char sep_ = ' ';
  std::optional<Disposicion> disposicion_;  // settled by the first row
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
