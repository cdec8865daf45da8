// Late-bound host objects (the progress bar, the picture box, anything a host hands over as "an object").
// Properties are written by name; an object without the property raises error 438.
#pragma once

#include <memory>
#include <string>

#include "trilat/platform/RuntimeError.h"
#include "trilat/platform/Variant.h"

namespace Vyr_Trilat {

class Object {
 public:
  virtual ~Object() = default;
  virtual void Let_Propiedad(const std::string& nombre, const Variant& valor);
};

using ObjectRef = std::shared_ptr<Object>;

// Writes a property through a reference that may be empty (error 91).
void Let_Propiedad(const ObjectRef& obj, const std::string& nombre, const Variant& valor);

}  // namespace Vyr_Trilat
