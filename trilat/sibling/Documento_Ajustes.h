// The text of the settings file, a UTF-8 INI file that a person can read and edit:
//
//   [MDT/Triangulación]
//   Distacia Maxima=100
//
// A header names the application and the section, split at the first unescaped '/'; "key=value" lines follow,
// split at the first unescaped '='. Blank lines and lines whose first non-blank is ';' or '#' are comments.
// Unescaped blanks around names and values are not part of them. Escapes: a backslash before any character
// stands for that character ("\=", "\\", "\/", ...), and "\xHH" for the byte HH; names and values are written
// with = ; # [ ] / and \ escaped, and with "\xHH" for control characters, bytes that are not UTF-8 and blanks
// at either end, so that any string reads back unchanged.
//
// Changing a value rewrites only its line (or adds one), so comments and the order of the file are kept.
#pragma once

#include <compare>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vyr_Trilat {

struct Clave_Ajuste {
  std::string aplicacion, seccion, clave;
  auto operator<=>(const Clave_Ajuste&) const = default;
};

class Documento_Ajustes {
 public:
  // The settings in `texto`; nullopt when it is not a settings file: it holds a NUL byte or invalid UTF-8, a
  // line that is neither blank, comment, header nor "key=value", a "key=value" before any header, or a
  // malformed escape. A leading byte-order mark and CR-LF line ends are accepted, and Texto keeps them (the file
  // is the user's, as an editor on another system saved it).
  static std::optional<Documento_Ajustes> Analiza(std::string_view texto);

  // The stored value (the last one when the file repeats the key), or null.
  const std::string* Valor(const Clave_Ajuste& clave) const;
  void Pon(const Clave_Ajuste& clave, const std::string& valor);
  // Removes the key's lines (every one, when the file repeats it); its group's header stays.
  void Quita(const Clave_Ajuste& clave);
  std::string Texto() const;

 private:
  using Grupo = std::pair<std::string, std::string>;  // application, section

  // Rebuilds the indexes from lineas_; false when a line does not parse.
  bool Indexa();

  std::vector<std::string> lineas_;
  bool marca_orden_ = false;
  bool crlf_ = false;                                                    // lines end in CR LF
  std::map<Clave_Ajuste, std::pair<std::string, std::size_t>> valores_;  // value and its line
  std::map<Grupo, std::size_t> fin_grupo_;  // the line after the group's last header or key line
};

}  // namespace Vyr_Trilat
