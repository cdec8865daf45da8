// Run-time errors as the host sees them: a number, the platform's description and the source component.
// Every trapped error of the library is one of these; untrapped ones reach the host as this exception.
#pragma once

#include <stdexcept>
#include <string>

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

inline constexpr const char* kComponente = "Vyr_Trilat";

enum class Err : Long {
  Invalid_Call = 5,
  Overflow = 6,
  Subscript_Out_Of_Range = 9,
  Division_By_Zero = 11,
  Type_Mismatch = 13,
  File_Access = 75,
  Object_Not_Set = 91,
  No_Such_Property = 438,
};

// The platform's own description of each standard error number.
std::string Descripcion_Error(Long number);

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(Err e);
  RuntimeError(Long number, std::string description, std::string source = kComponente);

  Long Number() const { return number_; }
  const std::string& Description() const { return description_; }
  const std::string& Source() const { return source_; }

 private:
  Long number_;
  std::string description_;
  std::string source_;
};

}  // namespace Vyr_Trilat
