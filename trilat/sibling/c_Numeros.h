// Number/text conversion of the sibling library, independent of the process locale: a period is the decimal
// separator. One shared instance per thread.
#pragma once

#include <string>

#include "trilat/platform/Variant.h"

namespace Vyr_Trilat {

class c_Numeros {
 public:
  static c_Numeros& Instancia();

  // The number at the start of the text (blanks skipped), 0 when there is none; trailing text is ignored.
  double Val_Texto(const std::string& texto) const;
  // The number a dialog box holds, as a double.
  double Lee_Numero(const std::string& texto) const;
  // The value with `decimales` digits after the point ("100" for 100 with 0; "123.457" with 3).
  std::string Formatea(const Variant& valor, const Integer& decimales, const Integer& opcion) const;
};

}  // namespace Vyr_Trilat
