#include "trilat/platform/Types.h"

#include <cmath>
#include <limits>

#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

namespace {

template <typename T>
T Redondea_Par(double v) {
  if (std::isnan(v)) throw RuntimeError(Err::Overflow);
  const double r = std::nearbyint(v);  // the default rounding mode is to nearest, halves to even
  if (r < static_cast<double>(std::numeric_limits<T>::min()) || r > static_cast<double>(std::numeric_limits<T>::max()))
    throw RuntimeError(Err::Overflow);
  return static_cast<T>(r);
}

}  // namespace

Integer CInt(double v) { return Redondea_Par<Integer>(v); }
Long CLng(double v) { return Redondea_Par<Long>(v); }

Long Suma(Long a, Long b) {
  Long r = 0;
  if (__builtin_add_overflow(a, b, &r)) throw RuntimeError(Err::Overflow);
  return r;
}

}  // namespace Vyr_Trilat
