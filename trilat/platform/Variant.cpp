#include "trilat/platform/Variant.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

namespace {

std::string Minusculas(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// Text to number independent of the process locale; blanks around the number are allowed.
double Texto_A_Doble(const std::string& s) {
  const auto ini = s.find_first_not_of(" \t");
  const auto fin = s.find_last_not_of(" \t");
  if (ini == std::string::npos) throw RuntimeError(Err::Type_Mismatch);
  const std::string t = Minusculas(s.substr(ini, fin - ini + 1));
  if (t == "true") return -1;
  if (t == "false") return 0;
  const char* p = t.data();
  if (*p == '+') ++p;
  double v = 0;
  const auto [ptr, ec] = std::from_chars(p, t.data() + t.size(), v);
  if (ec == std::errc::result_out_of_range) throw RuntimeError(Err::Overflow);
  if (ec != std::errc() || ptr != t.data() + t.size() || !std::isfinite(v)) throw RuntimeError(Err::Type_Mismatch);
  return v;
}

}  // namespace

Variant Variant::Numero(Tipo tipo, double v) {
  Variant r;
  r.tipo_ = tipo;
  r.numero_ = v;
  return r;
}

Variant Variant::De_Booleano(Boolean b) { return Numero(Tipo::Boolean, b); }
Variant Variant::De_Entero(Integer i) { return Numero(Tipo::Integer, i); }
Variant Variant::De_Largo(Long i) { return Numero(Tipo::Long, i); }
Variant Variant::De_Doble(double d) { return Numero(Tipo::Double, d); }
Variant Variant::De_Texto(std::string s) {
  Variant v;
  v.tipo_ = Tipo::String;
  v.texto_ = std::move(s);
  return v;
}

double Variant::A_Doble() const { return tipo_ == Tipo::String ? Texto_A_Doble(texto_) : numero_; }
Integer Variant::A_Entero() const { return CInt(A_Doble()); }
Long Variant::A_Largo() const { return CLng(A_Doble()); }
Boolean Variant::A_Booleano() const { return A_Doble() != 0 ? True : False; }

std::string Variant::A_Texto() const {
  switch (tipo_) {
    case Tipo::Empty: return "";
    case Tipo::String: return texto_;
    case Tipo::Boolean: return numero_ != 0 ? "True" : "False";
    default: {
      char buf[64];
      const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, numero_);
      return std::string(buf, ec == std::errc() ? ptr : buf);
    }
  }
}

}  // namespace Vyr_Trilat
