// Wall time of each stage of a job, printed on standard error as "TIME<TAB>stage<TAB>seconds" when asked.
#pragma once

#include <chrono>
#include <string>

namespace Vyr_Trilat::anfitrion {

class Tiempos {
 public:
  explicit Tiempos(bool imprime) : imprime_(imprime) {}

  template <typename F>
  decltype(auto) Etapa(const std::string& nombre, F&& f) {
    const auto ini = std::chrono::steady_clock::now();
    struct Al_Salir {
      Tiempos& t;
      const std::string& nombre;
      std::chrono::steady_clock::time_point ini;
      ~Al_Salir() { t.Imprime(nombre, ini); }
    } al_salir{*this, nombre, ini};
    return f();
  }

  // "COUNT<TAB>what<TAB>n", when asked.
  void Cuenta(const std::string& que, long long n) const;

 private:
  void Imprime(const std::string& nombre, std::chrono::steady_clock::time_point ini) const;
  bool imprime_;
};

}  // namespace Vyr_Trilat::anfitrion
