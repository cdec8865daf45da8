#include "trilat/common/Informe_Error.h"

#include "trilat/platform/MsgBox.h"

namespace Vyr_Trilat {

std::string Texto_Informe_Error(const std::string& etiqueta, const RuntimeError& e, const std::string& separador) {
  // A number converted to text keeps a blank where a minus sign would stand.
  std::string texto = etiqueta;
  if (e.Number() >= 0) texto += ' ';
  texto += std::to_string(e.Number());
  texto += separador;
  texto += e.Description();
  return texto;
}

void Informe_Error(const std::string& etiqueta, const RuntimeError& e, const std::string& separador) {
  MsgBox(Texto_Informe_Error(etiqueta, e, separador), vbCritical, e.Source());
}

}  // namespace Vyr_Trilat
