// The report that operations trapping run-time errors show: their own label, the error number and the
// description, titled with the error's source, critical icon.
#pragma once

#include <string>

#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

// `separador` is ":" for most classes; contouring writes ": ".
std::string Texto_Informe_Error(const std::string& etiqueta, const RuntimeError& e, const std::string& separador = ":");

void Informe_Error(const std::string& etiqueta, const RuntimeError& e, const std::string& separador = ":");

}  // namespace Vyr_Trilat
