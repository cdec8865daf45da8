// A typed value for late-bound property writes and for the settings store: empty, Boolean, Integer, Long,
// Double or String, with the host's conversions between them.
#pragma once

#include <string>
#include <variant>

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

class Variant {
 public:
  enum class Tipo { Empty, Boolean, Integer, Long, Double, String };

  Variant() = default;
  static Variant De_Booleano(Boolean b);
  static Variant De_Entero(Integer v);
  static Variant De_Largo(Long v);
  static Variant De_Doble(double v);
  static Variant De_Texto(std::string s);

  Tipo tipo() const { return tipo_; }

  // Conversions as the host performs them; an unconvertible value is error 13, an out-of-range one error 6.
  double A_Doble() const;
  Integer A_Entero() const;
  Long A_Largo() const;
  Boolean A_Booleano() const;
  std::string A_Texto() const;

  bool operator==(const Variant& o) const = default;

 private:
  static Variant Numero(Tipo tipo, double v);

  Tipo tipo_ = Tipo::Empty;
  double numero_ = 0;
  std::string texto_;
};

}  // namespace Vyr_Trilat
