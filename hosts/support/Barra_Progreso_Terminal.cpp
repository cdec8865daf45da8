#include "hosts/support/Barra_Progreso_Terminal.h"

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <utility>

namespace Vyr_Trilat {

namespace {

constexpr int kAncho_Barra = 30;

// Whole seconds left, rounded up, as m:ss or h:mm:ss; "--:--" when there is no sensible estimate yet.
std::string Duracion(double segundos) {
  if (!(segundos >= 0 && segundos < 360000)) return "--:--";
  const long total = static_cast<long>(std::ceil(segundos));
  char texto[32];
  if (total >= 3600) {
    std::snprintf(texto, sizeof texto, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
  } else {
    std::snprintf(texto, sizeof texto, "%ld:%02ld", total / 60, total % 60);
  }
  return texto;
}

}  // namespace

Barra_Progreso_Terminal::Barra_Progreso_Terminal(std::string etiqueta, bool silenciosa)
    : Barra_Progreso_Terminal(std::move(etiqueta), std::cerr, !silenciosa && isatty(STDERR_FILENO) == 1) {}

Barra_Progreso_Terminal::Barra_Progreso_Terminal(std::string etiqueta, std::ostream& salida, bool es_terminal,
                                                 Fuente_Tiempo ahora)
    : etiqueta_(std::move(etiqueta)), salida_(es_terminal ? &salida : nullptr), ahora_(std::move(ahora)) {}

Barra_Progreso_Terminal::~Barra_Progreso_Terminal() {
  if (visible_ && salida_ != nullptr) *salida_ << '\n' << std::flush;
}

void Barra_Progreso_Terminal::Let_Propiedad(const std::string& nombre, const Variant& valor) {
  const auto es = [&nombre](const char* propiedad) { return strcasecmp(nombre.c_str(), propiedad) == 0; };
  if (es("Visible")) {
    Muestra(valor.A_Booleano() != False);
    return;
  }
  double* const campo = es("Min") ? &min_ : es("Max") ? &max_ : es("Value") ? &valor_ : nullptr;
  if (campo == nullptr) {
    Object::Let_Propiedad(nombre, valor);
    return;
  }
  const double numero = valor.A_Doble();
  if (!std::isfinite(numero)) throw RuntimeError(Err::Invalid_Call);
  *campo = numero;
  if (!visible_) return;
  const Reloj::time_point ahora = ahora_();
  // A value that goes back starts a new run (a host reusing the bar): the rate is measured afresh.
  if (valor_ < valor_inicio_) {
    valor_inicio_ = valor_;
    inicio_ = ahora;
  }
  if (ahora - ultimo_dibujo_ >= kIntervalo) Dibuja(ahora);
}

void Barra_Progreso_Terminal::Muestra(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  const Reloj::time_point ahora = ahora_();
  if (visible) {
    inicio_ = ahora;
    valor_inicio_ = valor_;
  }
  Dibuja(ahora);
  if (!visible && salida_ != nullptr) *salida_ << '\n' << std::flush;
}

void Barra_Progreso_Terminal::Dibuja(Reloj::time_point ahora) {
  ultimo_dibujo_ = ahora;
  if (salida_ == nullptr) return;
  // Back to the start of the line, the new text, then clear what a longer earlier line left.
  *salida_ << '\r' << Linea(ahora) << "\x1b[K" << std::flush;
}

std::string Barra_Progreso_Terminal::Linea(Reloj::time_point ahora) const {
  const double rango = max_ - min_;
  // Scaled to 100 before dividing, so that 29 of 100 reads 29 %, not 28.
  const double por_ciento =
      rango > 0 ? std::clamp((valor_ - min_) * 100 / rango, 0.0, 100.0) : (valor_ >= max_ ? 100.0 : 0.0);
  const int llenos = static_cast<int>(por_ciento * kAncho_Barra / 100);
  const std::string barra = std::string(llenos, '#') + std::string(kAncho_Barra - llenos, '.');

  const double segundos = std::chrono::duration<double>(ahora - inicio_).count();
  const double avance = valor_ - valor_inicio_;
  const double ritmo = segundos > 0 && avance > 0 ? avance / segundos : 0;
  char ritmo_texto[32] = "--";
  if (ritmo > 0) std::snprintf(ritmo_texto, sizeof ritmo_texto, ritmo < 10 ? "%.1f" : "%.0f", ritmo);
  const double restante = ritmo > 0 ? std::max(0.0, max_ - valor_) / ritmo : -1;

  char cifras[96];
  std::snprintf(cifras, sizeof cifras, "] %3d%%  %s pasos/s  quedan %s", static_cast<int>(por_ciento), ritmo_texto,
                Duracion(restante).c_str());
  return etiqueta_ + " [" + barra + cifras;
}

}  // namespace Vyr_Trilat
