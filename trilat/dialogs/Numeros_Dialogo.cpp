#include "trilat/dialogs/Numeros_Dialogo.h"

#include <charconv>
#include <cmath>

#include "trilat/platform/Variant.h"
#include "trilat/sibling/c_Numeros.h"

namespace Vyr_Trilat {

double Lee_Numero(const std::string& texto) { return c_Numeros::Instancia().Lee_Numero(texto); }

double Val_Texto(const std::string& texto) { return c_Numeros::Instancia().Val_Texto(texto); }

std::string Formatea(double valor, Integer decimales) {
  return c_Numeros::Instancia().Formatea(Variant::De_Doble(valor), decimales, 0);
}

std::string Formatea_Exacto(double valor, Integer decimales) {
  std::string texto = Formatea(valor, decimales);
  if (!std::isfinite(valor) || Lee_Numero(texto) == valor) return texto;
  char exacto[400];  // 309 integer digits, and the decimals of the shortest text that reads back
  return std::string(exacto, std::to_chars(exacto, exacto + sizeof exacto, valor, std::chars_format::fixed).ptr);
}

}  // namespace Vyr_Trilat
