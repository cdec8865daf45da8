#include "hosts/cli/Parametros_Curvas.h"

#include <cmath>
#include <sstream>
#include <type_traits>

#include "trilat/platform/RuntimeError.h"
#include "trilat/sibling/c_Ajustes.h"

namespace Vyr_Trilat::anfitrion {

namespace {

constexpr const char* kAplicacion = "MDT";
constexpr const char* kSeccion = "trilat";
constexpr const char* kFinas = "Equidistancia curvas finas";
constexpr const char* kMaestras = "Equidistancia curvas maestras";
constexpr const char* kColor_Finas = "Color curvas finas";
constexpr const char* kColor_Maestras = "Color curvas maestras";
// The contouring dialog's "Restaurar colores" colours.
constexpr std::int32_t kColor_Finas_Defecto = 38088;
constexpr std::int32_t kColor_Maestras_Defecto = 11578544;
constexpr Long kColor_Mayor = 0xFFFFFF;
constexpr double kNiveles_Legibles = 40;
constexpr int kMaestra_Cada = 5;

}  // namespace

double Equidistancia_Legible(double relieve) {
  // A flat survey, or one whose elevations are too far apart to subtract, has no readable interval.
  if (!(relieve > 0) || std::isinf(relieve)) return 1;
  const double bruto = relieve / kNiveles_Legibles;
  const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
  for (double f : {1.0, 2.0, 2.5, 5.0, 10.0})
    if (f * potencia >= bruto) return f * potencia;
  return 10 * potencia;
}

Valores_Curvas Lee_Valores_Curvas(double relieve, Elegidos& elegidos) {
  auto& a = c_Ajustes::Instancia();
  const Variant nada;
  const auto lee = [&](const char* clave, auto defecto, bool& elegido) -> decltype(defecto) {
    const Variant v = a.Lee_Valor(kAplicacion, kSeccion, clave, nada);
    try {
      if (v.tipo() != Variant::Tipo::Empty) {
        if constexpr (std::is_same_v<decltype(defecto), double>) {
          const double d = v.A_Doble();
          if (d > 0) return d;
        } else {
          // A colour beyond 24-bit RGB would be drawn and written as some other colour than the one remembered.
          const Long c = v.A_Largo();
          if (c >= 0 && c <= kColor_Mayor) return c;
        }
      }
    } catch (const RuntimeError&) {
      // A damaged remembered value is replaced by the default, which is then said.
    }
    elegido = true;
    return defecto;
  };
  elegidos = {};
  Valores_Curvas v;
  v.finas = lee(kFinas, Equidistancia_Legible(relieve), elegidos.finas);
  v.maestras = lee(kMaestras, kMaestra_Cada * v.finas, elegidos.maestras);
  v.color_finas = lee(kColor_Finas, kColor_Finas_Defecto, elegidos.color_finas);
  v.color_maestras = lee(kColor_Maestras, kColor_Maestras_Defecto, elegidos.color_maestras);
  return v;
}

void Guarda_Valores_Curvas(const Valores_Curvas& v) {
  auto& a = c_Ajustes::Instancia();
  a.Guarda_Valor(kAplicacion, kSeccion, kFinas, Variant::De_Doble(v.finas));
  a.Guarda_Valor(kAplicacion, kSeccion, kMaestras, Variant::De_Doble(v.maestras));
  a.Guarda_Valor(kAplicacion, kSeccion, kColor_Finas, Variant::De_Largo(v.color_finas));
  a.Guarda_Valor(kAplicacion, kSeccion, kColor_Maestras, Variant::De_Largo(v.color_maestras));
}

}  // namespace Vyr_Trilat::anfitrion
