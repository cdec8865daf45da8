// The message of the exception that a call throws, "no error" when it throws none: lets a test compare a whole
// message, file and line included.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace Vyr_Trilat::prueba {

inline std::string Mensaje_Error(const std::function<void()>& llamada) {
  try {
    llamada();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace Vyr_Trilat::prueba
