#include "trilat/sibling/c_Numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

namespace {

constexpr std::string_view kBlancos = " \t\r\n";

bool Es_Cifra(char c) { return c >= '0' && c <= '9'; }

// For a number that does not fit a double, whether it is too large rather than too small.
bool Demasiado_Grande(std::string_view numero) {
  const std::size_t e = std::min(numero.find_first_of("eE"), numero.size());
  const std::string_view mantisa = numero.substr(0, e);
  const auto punto = static_cast<long long>(std::min(mantisa.find('.'), mantisa.size()));
  const auto primera = static_cast<long long>(mantisa.find_first_of("123456789"));
  long long orden = primera < punto ? punto - primera - 1 : punto - primera;
  long long exponente = 0;
  for (std::size_t i = e + 1; i < numero.size(); ++i)
    if (Es_Cifra(numero[i])) exponente = std::min(exponente * 10 + (numero[i] - '0'), 1'000'000'000LL);
  if (e + 1 < numero.size() && numero[e + 1] == '-') exponente = -exponente;
  orden += exponente;
  return orden > 0;
}

// The number at the start of `texto`, after blanks: sign, digits with `punto` as the decimal separator, and an
// exponent when digits follow its "e". 0 when the text does not start with a number; the rest is ignored.
double Numero_Inicial(std::string_view texto, char punto) {
  std::size_t i = std::min(texto.find_first_not_of(kBlancos), texto.size());
  const bool negativo = i < texto.size() && texto[i] == '-';
  if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) ++i;
  std::string numero;  // as from_chars reads it: no sign, a period
  std::size_t cifras = 0;
  const auto copia_cifras = [&] {
    for (; i < texto.size() && Es_Cifra(texto[i]); ++i, ++cifras) numero += texto[i];
  };
  copia_cifras();
  if (i < texto.size() && texto[i] == punto) {
    numero += '.';
    ++i;
    copia_cifras();
  }
  if (cifras == 0) return 0;
  if (i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < texto.size() && (texto[j] == '+' || texto[j] == '-')) ++j;
    if (j < texto.size() && Es_Cifra(texto[j])) {
      numero.append(texto.substr(i, j - i));
      i = j;
      copia_cifras();
    }
  }
  double v = 0;
  const auto [fin, ec] = std::from_chars(numero.data(), numero.data() + numero.size(), v);
  if (ec == std::errc::result_out_of_range) {
    if (Demasiado_Grande(numero)) throw RuntimeError(Err::Overflow);
    v = 0;
  }
  if (v == 0) return 0;  // never -0
  return negativo ? -v : v;
}

}  // namespace

c_Numeros& c_Numeros::Instancia() {
  thread_local c_Numeros instancia;
  return instancia;
}

double c_Numeros::Val_Texto(const std::string& texto) const { return Numero_Inicial(texto, '.'); }

// Surveyors type both separators: a comma is the decimal point of a text that has no period ("12,5" is 12.5,
// "1.234,5" is 1.234). Otherwise the rule of Val_Texto: text with no leading number reads as 0.
double c_Numeros::Lee_Numero(const std::string& texto) const {
  return Numero_Inicial(texto, texto.find('.') == std::string::npos ? ',' : '.');
}

// Correctly rounded: the exact binary value to the nearest, an exact half to the even digit as CInt does (0.125
// with 2 decimals is "0.12", 0.5 with none is "0"; 2.675, stored a little below, is "2.67"). No thousands
// separators, and a zero has no sign.
std::string c_Numeros::Formatea(const Variant& valor, const Integer& decimales, const Integer&) const {
  const double v = valor.A_Doble();
  if (!std::isfinite(v)) throw RuntimeError(Err::Overflow);
  if (decimales < 0) throw RuntimeError(Err::Invalid_Call);
  std::string texto(static_cast<std::size_t>(decimales) + 320, '\0');  // 309 integer digits at most
  const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), v, std::chars_format::fixed, decimales).ptr;
  texto.resize(static_cast<std::size_t>(fin - texto.data()));
  if (texto[0] == '-' && texto.find_first_not_of("-0.") == std::string::npos) texto.erase(0, 1);
  return texto;
}

}  // namespace Vyr_Trilat
