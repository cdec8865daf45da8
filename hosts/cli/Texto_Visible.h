// Text from the user's files as it may go to a terminal: a message that quotes a field of a damaged or hostile file
// must not hand the terminal its control characters (escape sequences could rewrite what the user sees).
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace Vyr_Trilat::anfitrion {

// The text with each control character (below a blank, and DEL) written as \xHH.
inline std::string Texto_Visible(std::string_view texto) {
  std::string r;
  r.reserve(texto.size());
  for (const char c : texto) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b != 0x7F) {
      r += c;
      continue;
    }
    char escrito[5];
    std::snprintf(escrito, sizeof escrito, "\\x%02x", b);
    r += escrito;
  }
  return r;
}

}  // namespace Vyr_Trilat::anfitrion
