#include "trilat/sibling/Documento_Ajustes.h"

namespace Vyr_Trilat {

namespace {

constexpr std::string_view kBlancos = " \t";
constexpr std::string_view kSintaxis = "\\=;#[]/";
constexpr std::string_view kMarcaOrden = "\xEF\xBB\xBF";
constexpr char kSinTope = '\0';  // never in a parsed text
constexpr const char* kCabecera =
    "; Vyr_Trilat remembered settings: [application/section] headers and key=value lines; a backslash escapes "
    "= ; # [ ] / and itself, \\xHH is the byte HH.";

// Length of the well-formed UTF-8 sequence that starts at s[i], or 0 when none does.
std::size_t Largo_Utf8(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned c = byte(i);
  if (c < 0x80) return 1;
  std::size_t n = 0;
  unsigned bajo = 0x80, alto = 0xBF;  // range of the second byte: excludes overlong forms and surrogates
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) bajo = 0xA0;
    if (c == 0xED) alto = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) bajo = 0x90;
    if (c == 0xF4) alto = 0x8F;
  } else {
    return 0;
  }
  if (i + n > s.size() || byte(i + 1) < bajo || byte(i + 1) > alto) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  return n;
}

bool Es_Utf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = Largo_Utf8(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string Byte_Escapado(unsigned char c) {
  constexpr const char* kHex = "0123456789ABCDEF";
  return {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
}

int Valor_Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Escapa(std::string_view s) {
  std::string r;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t n = Largo_Utf8(s, i);
    const bool blanco_extremo = c == ' ' && (i == 0 || i + 1 == s.size());
    if (n == 0 || c < 0x20 || c == 0x7F || blanco_extremo) {
      r += Byte_Escapado(c);
      ++i;
    } else if (kSintaxis.find(static_cast<char>(c)) != std::string_view::npos) {
      r += '\\';
      r += static_cast<char>(c);
      ++i;
    } else {
      r.append(s.substr(i, n));
      i += n;
    }
  }
  return r;
}

// Decodes s from `pos` up to the first unescaped `tope` (or the end), leaving pos on the stop. Unescaped blanks
// at either end are dropped; nullopt on a malformed escape.
std::optional<std::string> Desescapa(std::string_view s, std::size_t& pos, char tope) {
  std::string r;
  std::size_t util = 0;  // length of r up to its last escaped or non-blank character
  for (; pos < s.size() && s[pos] != tope; ++pos) {
    char c = s[pos];
    if (c == '\\') {
      if (++pos == s.size()) return std::nullopt;
      c = s[pos];
      if (c == 'x') {
        if (pos + 2 >= s.size()) return std::nullopt;
        const int alto = Valor_Hex(s[pos + 1]), bajo = Valor_Hex(s[pos + 2]);
        if (alto < 0 || bajo < 0) return std::nullopt;
        c = static_cast<char>(alto * 16 + bajo);
        pos += 2;
      }
    } else if (kBlancos.find(c) != std::string_view::npos) {
      if (!r.empty()) r += c;
      continue;
    }
    r += c;
    util = r.size();
  }
  r.resize(util);
  return r;
}

}  // namespace

std::optional<Documento_Ajustes> Documento_Ajustes::Analiza(std::string_view texto) {
  if (texto.find('\0') != std::string_view::npos || !Es_Utf8(texto)) return std::nullopt;
  Documento_Ajustes d;
  d.marca_orden_ = texto.starts_with(kMarcaOrden);
  if (d.marca_orden_) texto.remove_prefix(kMarcaOrden.size());
  const std::size_t primer_fin = texto.find('\n');
  d.crlf_ = primer_fin != std::string_view::npos && primer_fin > 0 && texto[primer_fin - 1] == '\r';
  while (!texto.empty()) {
    const std::size_t fin = texto.find('\n');
    std::string_view linea = texto.substr(0, fin);
    if (linea.ends_with('\r')) linea.remove_suffix(1);
    d.lineas_.emplace_back(linea);
    texto.remove_prefix(fin == std::string_view::npos ? texto.size() : fin + 1);
  }
  if (!d.Indexa()) return std::nullopt;
  return d;
}

bool Documento_Ajustes::Indexa() {
  valores_.clear();
  fin_grupo_.clear();
  std::optional<Grupo> grupo;
  for (std::size_t i = 0; i < lineas_.size(); ++i) {
    const std::string_view linea = lineas_[i];
    std::size_t pos = linea.find_first_not_of(kBlancos);
    if (pos == std::string_view::npos || linea[pos] == ';' || linea[pos] == '#') continue;
    if (linea[pos] == '[') {
      const auto aplicacion = Desescapa(linea, ++pos, '/');
      if (!aplicacion || pos == linea.size()) return false;
      const auto seccion = Desescapa(linea, ++pos, ']');
      if (!seccion || pos == linea.size() || linea.find_first_not_of(kBlancos, pos + 1) != std::string_view::npos)
        return false;
      grupo = Grupo{*aplicacion, *seccion};
    } else {
      const auto clave = Desescapa(linea, pos, '=');
      if (!clave || pos == linea.size() || !grupo) return false;
      const auto valor = Desescapa(linea, ++pos, kSinTope);
      if (!valor) return false;
      valores_[{grupo->first, grupo->second, *clave}] = {*valor, i};
    }
    fin_grupo_[*grupo] = i + 1;
  }
  return true;
}

const std::string* Documento_Ajustes::Valor(const Clave_Ajuste& clave) const {
  const auto v = valores_.find(clave);
  return v == valores_.end() ? nullptr : &v->second.first;
}

void Documento_Ajustes::Pon(const Clave_Ajuste& clave, const std::string& valor) {
  std::string linea = Escapa(clave.clave) + '=' + Escapa(valor);
  if (const auto v = valores_.find(clave); v != valores_.end()) {
    lineas_[v->second.second] = std::move(linea);
  } else if (const auto g = fin_grupo_.find({clave.aplicacion, clave.seccion}); g != fin_grupo_.end()) {
    lineas_.insert(lineas_.begin() + static_cast<std::ptrdiff_t>(g->second), std::move(linea));
  } else {
    if (lineas_.empty()) lineas_.emplace_back(kCabecera);
    if (!lineas_.back().empty()) lineas_.emplace_back();
    lineas_.push_back('[' + Escapa(clave.aplicacion) + '/' + Escapa(clave.seccion) + ']');
    lineas_.push_back(std::move(linea));
  }
  Indexa();  // the lines written above always parse
}

void Documento_Ajustes::Quita(const Clave_Ajuste& clave) {
  for (auto v = valores_.find(clave); v != valores_.end(); v = valores_.find(clave)) {
    lineas_.erase(lineas_.begin() + static_cast<std::ptrdiff_t>(v->second.second));
    Indexa();  // what is left still parses: a key line stands alone
  }
}

std::string Documento_Ajustes::Texto() const {
  std::string t(marca_orden_ ? kMarcaOrden : "");
  for (const auto& linea : lineas_) t.append(linea).append(crlf_ ? "\r\n" : "\n");
  return t;
}

}  // namespace Vyr_Trilat
