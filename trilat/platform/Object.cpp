#include "trilat/platform/Object.h"

namespace Vyr_Trilat {

void Object::Let_Propiedad(const std::string&, const Variant&) { throw RuntimeError(Err::No_Such_Property); }

void Let_Propiedad(const ObjectRef& obj, const std::string& nombre, const Variant& valor) {
  if (!obj) throw RuntimeError(Err::Object_Not_Set);
  obj->Let_Propiedad(nombre, valor);
}

}  // namespace Vyr_Trilat
