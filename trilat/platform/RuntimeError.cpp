#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

std::string Descripcion_Error(Long number) {
  switch (number) {
    case 5: return "Invalid procedure call or argument";
    case 6: return "Overflow";
    case 7: return "Out of memory";
    case 9: return "Subscript out of range";
    case 11: return "Division by zero";
    case 13: return "Type mismatch";
    case 75: return "Path/File access error";
    case 91: return "Object variable or With block variable not set";
    case 438: return "Object doesn't support this property or method";
    default: return "Application-defined or object-defined error";
  }
}

RuntimeError::RuntimeError(Err e)
    : RuntimeError(static_cast<Long>(e), Descripcion_Error(static_cast<Long>(e))) {}

RuntimeError::RuntimeError(Long number, std::string description, std::string source)
    : std::runtime_error(description),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)) {}

}  // namespace Vyr_Trilat
