#include "hosts/cli/Sustitutos_Roturas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <utility>

#include "trilat/common/Tabla_Celdas.h"

namespace Vyr_Trilat::anfitrion {

namespace {

// Grid cells twice the tolerance wide: points nearer than the tolerance lie in the same or neighbouring cells
// however the divisions round.
struct Rejilla {
  double lado;
  static constexpr double kMaximo = 1e15;  // beyond this a cell index is not exact; such points are not looked at

  bool Indexable(double x, double y) const { return std::fabs(x / lado) < kMaximo && std::fabs(y / lado) < kMaximo; }
  std::int64_t Celda(double v) const { return static_cast<std::int64_t>(std::floor(v / lado)); }
};

}  // namespace

std::vector<Sustituto> Sustituye_Repetidos(std::vector<std::vector<std::int64_t>>& lineas, const Levantamiento& lev,
                                           const std::vector<bool>& esquina, double tolerancia) {
  const auto posicion = [&](std::int64_t numero) { return static_cast<std::size_t>(lev.posicion.at(numero) - 1); };
  // The breakline points that are no corner, each filed in the cells around it.
  const Rejilla r{2 * tolerancia};
  std::vector<std::size_t> huerfanos;
  std::unordered_map<std::size_t, std::size_t> de_huerfano;  // position -> place in huerfanos
  // Each cell holds a chain of its filings: 1 + the place of the last in archivados (0: none), each the place of a
  // point in huerfanos and the filing before it in the same cell.
  struct Archivado {
    std::size_t huerfano;
    Long anterior;
  };
  std::vector<Archivado> archivados;
  Tabla_Celdas cerca(0);
  for (const auto& linea : lineas) {
    for (const std::int64_t numero : linea) {
      const std::size_t k = posicion(numero);
      if (esquina[k] || !r.Indexable(lev.x[k], lev.y[k]) || !de_huerfano.emplace(k, huerfanos.size()).second) continue;
      const std::int64_t ci = r.Celda(lev.x[k]), cj = r.Celda(lev.y[k]);
      for (std::int64_t i = ci - 1; i <= ci + 1; ++i)
        for (std::int64_t j = cj - 1; j <= cj + 1; ++j) {
          Long& ultimo = cerca(i, j);
          archivados.push_back({huerfanos.size(), ultimo});
          ultimo = static_cast<Long>(archivados.size());
        }
      huerfanos.push_back(k);
    }
  }
  if (huerfanos.empty()) return {};

  struct Mejor {
    std::size_t esquina = 0;
    double distancia = std::numeric_limits<double>::infinity();
  };
  std::vector<Mejor> mejor(huerfanos.size());
  for (std::size_t e = 0; e < esquina.size(); ++e) {
    if (!esquina[e] || !r.Indexable(lev.x[e], lev.y[e])) continue;
    const Long* ultimo = cerca.Busca(r.Celda(lev.x[e]), r.Celda(lev.y[e]));
    for (Long a = ultimo ? *ultimo : 0; a > 0; a = archivados[static_cast<std::size_t>(a - 1)].anterior) {
      const std::size_t lugar = archivados[static_cast<std::size_t>(a - 1)].huerfano, h = huerfanos[lugar];
      const double dx = lev.x[h] - lev.x[e], dy = lev.y[h] - lev.y[e];
      // The distance as cleaning measures it; corners come in survey order, so the first of equals stays.
      const double d = std::sqrt(dx * dx + dy * dy);
      if (d < tolerancia && d < mejor[lugar].distancia) mejor[lugar] = {e, d};
    }
  }

  std::vector<Sustituto> sustitutos;
  std::vector<bool> dicho(huerfanos.size(), false);
  for (auto& linea : lineas) {
    std::vector<std::int64_t> nueva;
    for (const std::int64_t numero : linea) {
      std::int64_t v = numero;
      const auto h = de_huerfano.find(posicion(numero));
      if (h != de_huerfano.end() && std::isfinite(mejor[h->second].distancia)) {
        const Mejor& m = mejor[h->second];
        v = lev.numeros[m.esquina];
        if (!dicho[h->second]) sustitutos.push_back({numero, v, m.distancia});
        dicho[h->second] = true;
      }
      if (nueva.empty() || nueva.back() != v) nueva.push_back(v);
    }
    linea = std::move(nueva);
  }
  return sustitutos;
}

}  // namespace Vyr_Trilat::anfitrion
