// The progress object of a command-line host: the library writes "Visible", "Min", "Max" and "Value" by name,
// and the bar redraws itself on one line of standard error with the percentage, the rate and the time left.
// It stays silent when standard error is not a terminal, so that redirected output holds no control codes.
#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

#include "trilat/platform/Object.h"

namespace Vyr_Trilat {

class Barra_Progreso_Terminal : public Object {
 public:
  using Reloj = std::chrono::steady_clock;
  using Fuente_Tiempo = std::function<Reloj::time_point()>;

  // At most this often the bar is redrawn while the value moves; showing and hiding always redraw.
  static constexpr std::chrono::milliseconds kIntervalo{100};

  // Draws on standard error when it is a terminal, unless `silenciosa`.
  explicit Barra_Progreso_Terminal(std::string etiqueta, bool silenciosa = false);
  // Draws on `salida` (not owned) only when `es_terminal`; `ahora` gives the time for the throttle and the rate.
  Barra_Progreso_Terminal(std::string etiqueta, std::ostream& salida, bool es_terminal,
                          Fuente_Tiempo ahora = Reloj::now);
  Barra_Progreso_Terminal(const Barra_Progreso_Terminal&) = delete;
  Barra_Progreso_Terminal& operator=(const Barra_Progreso_Terminal&) = delete;
  // A bar still showing gets its line finished.
  ~Barra_Progreso_Terminal() override;

  // "Visible" (Boolean), "Min", "Max", "Value" (finite numbers, else error 5), names in any case; any other name
  // is error 438.
  void Let_Propiedad(const std::string& nombre, const Variant& valor) override;

 private:
  void Muestra(bool visible);
  void Dibuja(Reloj::time_point ahora);
  std::string Linea(Reloj::time_point ahora) const;

  std::string etiqueta_;
  std::ostream* salida_;  // not owned; null when silent
  Fuente_Tiempo ahora_;

  bool visible_ = false;
  double min_ = 0;
  double max_ = 100;
  double valor_ = 0;

  // Where the rate is measured from: the moment the bar was shown, or the value last went back.
  Reloj::time_point inicio_{};
  double valor_inicio_ = 0;
  Reloj::time_point ultimo_dibujo_{};
};

}  // namespace Vyr_Trilat
