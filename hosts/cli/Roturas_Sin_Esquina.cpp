#include "hosts/cli/Roturas_Sin_Esquina.h"

#include <utility>

namespace Vyr_Trilat::anfitrion {

std::vector<Segmento_Apartado> Aparta_Sin_Esquina(std::vector<std::vector<std::int64_t>>& lineas,
                                                  const Levantamiento& lev, const std::vector<bool>& esquina) {
  const auto es_esquina = [&](std::int64_t numero) {
    return esquina[static_cast<std::size_t>(lev.posicion.at(numero) - 1)];
  };
  std::vector<Segmento_Apartado> apartados;
  std::vector<std::vector<std::int64_t>> quedan;
  const auto guarda = [&](std::vector<std::int64_t>& tramo) {
    if (tramo.size() >= 2) quedan.push_back(std::move(tramo));
    tramo.clear();
  };
  for (const auto& linea : lineas) {
    std::vector<std::int64_t> tramo;
    for (const std::int64_t numero : linea) {
      if (!tramo.empty() && (!es_esquina(tramo.back()) || !es_esquina(numero))) {
        apartados.push_back({tramo.back(), numero, es_esquina(tramo.back()) ? numero : tramo.back()});
        guarda(tramo);
      }
      tramo.push_back(numero);
    }
    guarda(tramo);
  }
  lineas = std::move(quedan);
  return apartados;
}

}  // namespace Vyr_Trilat::anfitrion
