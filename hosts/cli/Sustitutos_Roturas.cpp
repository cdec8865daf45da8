#include "hosts/cli/Sustitutos_Roturas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <utility>

namespace Vyr_Trilat::anfitrion {

namespace {

// Grid cells twice the tolerance wide: points nearer than the tolerance lie in the same or neighbouring cells
// however the divisions round.
struct Rejilla {
  double lado;
  static constexpr double kMaximo = 1e15;  // beyond this a cell index is not exact; such points are not looked at

  bool Indexable(double x, double y) const { return std::fabs(x / lado) < kMaximo && std::fabs(y / lado) < kMaximo; }
  std::int64_t Celda(double v) const { return static_cast<std::int64_t>(std::floor(v / lado)); }
  // Cells that share a key only add candidates whose distance is then measured.
  static std::uint64_t Clave(std::int64_t i, std::int64_t j) {
    return static_cast<std::uint64_t>(i) * 0x9E3779B97F4A7C15ULL ^ static_cast<std::uint64_t>(j);
  }
};

}  // namespace

std::vector<Sustituto> Sustituye_Repetidos(std::vector<std::vector<std::int64_t>>& lineas, const Levantamiento& lev,
                                           const std::vector<bool>& esquina, double tolerancia) {
  const auto posicion = [&](std::int64_t numero) { return static_cast<std::size_t>(lev.posicion.at(numero) - 1); };
  // The breakline points that are no corner, each filed in the cells around it.
  const Rejilla r{2 * tolerancia};
  std::vector<std::size_t> huerfanos;
  std::unordered_map<std::size_t, std::size_t> de_huerfano;   // position -> place in huerfanos
  std::unordered_multimap<std::uint64_t, std::size_t> cerca;  // cell -> place in huerfanos
  for (const auto& linea : lineas) {
    for (const std::int64_t numero : linea) {
      const std::size_t k = posicion(numero);
      if (esquina[k] || !r.Indexable(lev.x[k], lev.y[k]) || !de_huerfano.emplace(k, huerfanos.size()).second) continue;
      const std::int64_t ci = r.Celda(lev.x[k]), cj = r.Celda(lev.y[k]);
      for (std::int64_t i = ci - 1; i <= ci + 1; ++i)
        for (std::int64_t j = cj - 1; j <= cj + 1; ++j) cerca.emplace(Rejilla::Clave(i, j), huerfanos.size());
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
    const auto [desde, hasta] = cerca.equal_range(Rejilla::Clave(r.Celda(lev.x[e]), r.Celda(lev.y[e])));
    for (auto it = desde; it != hasta; ++it) {
      const std::size_t h = huerfanos[it->second];
      const double dx = lev.x[h] - lev.x[e], dy = lev.y[h] - lev.y[e];
      // The distance as cleaning measures it; corners come in survey order, so the first of equals stays.
      const double d = std::sqrt(dx * dx + dy * dy);
      if (d < tolerancia && d < mejor[it->second].distancia) mejor[it->second] = {e, d};
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
