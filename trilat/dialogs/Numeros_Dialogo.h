// The numbers the dialogs show in their boxes and read back from them, through the sibling library's number
// service.
#pragma once

#include <string>

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

double Lee_Numero(const std::string& texto);
double Val_Texto(const std::string& texto);
std::string Formatea(double valor, Integer decimales);
// Formatea's text, or, where those decimals would round the value, the fewest digits that read back to it: a box
// accepted untouched then keeps the value it was given (a remembered 12.5 does not turn into 12).
std::string Formatea_Exacto(double valor, Integer decimales);

}  // namespace Vyr_Trilat
