#include "trilat/sibling/c_Puntos.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "trilat/common/Orden_Por_Clave.h"
#include "trilat/common/Tabla_Celdas.h"

namespace Vyr_Trilat {

namespace {

struct Celda {
  std::int64_t i, j;
};

}  // namespace

void c_Puntos::Depura_Puntos(Long& n, HostArray<double>& X, HostArray<double>& Y, HostArray<double>& Z,
                             HostArray<Long>& numeros, const ObjectRef&, double tolerancia, Boolean) {
  // Cells eight times the tolerance wide: a point nearer than the tolerance lies in the cells its box of half-side
  // the tolerance (a little wider, for the rounding of the differences) reaches, mostly one, at most two each way;
  // the rounded division never orders coordinates the other way round, so the box's ends bound the cells.
  const double lado = 8 * tolerancia;
  const double margen = tolerancia * 1.0001;
  // Each cell holds the last point kept in it; the points kept before it in the same cell are chained behind.
  Tabla_Celdas rejilla(static_cast<std::size_t>(std::max<Long>(n, 0)));
  std::vector<Long> anterior(static_cast<std::size_t>(std::max<Long>(n, 0)) + 1, 0);
  const auto celda = [&](double x, double y) {
    return Celda{static_cast<std::int64_t>(std::floor(x / lado)), static_cast<std::int64_t>(std::floor(y / lado))};
  };
  // Coordinates too large for a cell index are compared only with each other, in one shared list.
  const auto indexable = [&](double x, double y) { return std::fabs(x / lado) < 1e17 && std::fabs(y / lado) < 1e17; };

  // The cell of a point and the range of cells to look in; every cell of the range in turn until f answers true
  // (the huge coordinates' shared list sits at the top of the index range, which a loop must not step past).
  struct Celdas {
    Celda c, desde, hasta;
  };
  const auto celdas = [&](double x, double y) {
    if (!(lado > 0 && indexable(x, y)))
      return Celdas{{INT64_MAX, INT64_MAX}, {INT64_MAX, INT64_MAX}, {INT64_MAX, INT64_MAX}};
    // Each end goes out by at least a unit in the last place, whatever the rounding of x -/+ margen (cheaper than
    // stepping to the next double, and never narrower).
    const auto abajo = [](double v) { return v - (std::fabs(v) * 0x1p-52 + 0x1p-1000); };
    const auto arriba = [](double v) { return v + (std::fabs(v) * 0x1p-52 + 0x1p-1000); };
    return Celdas{celda(x, y), celda(abajo(x - margen), abajo(y - margen)),
                  celda(arriba(x + margen), arriba(y + margen))};
  };
  const auto alguna = [](const Celdas& a, auto&& f) {
    for (std::int64_t i = a.desde.i;; ++i) {
      for (std::int64_t j = a.desde.j;; ++j) {
        if (f(i, j)) return true;
        if (j == a.hasta.j) break;
      }
      if (i == a.hasta.i) return false;
    }
  };
  // The table is far larger than the caches: the cells of a point a little ahead are fetched while this one is
  // looked at, and kept until it is.
  constexpr Long kAdelanto = 16;
  std::array<Celdas, 2 * kAdelanto> adelantadas;
  const auto de = [&](Long k) -> Celdas& { return adelantadas[static_cast<std::size_t>(k % (2 * kAdelanto))]; };
  for (Long k = 1; k <= std::min(n, kAdelanto); ++k) de(k) = celdas(X(k), Y(k));
  Long kept = 0;
  for (Long k = 1; k <= n; ++k) {
    if (k + kAdelanto <= n && std::isfinite(X(k + kAdelanto)) && std::isfinite(Y(k + kAdelanto))) {
      de(k + kAdelanto) = celdas(X(k + kAdelanto), Y(k + kAdelanto));
      alguna(de(k + kAdelanto), [&](std::int64_t i, std::int64_t j) {
        rejilla.Anticipa(i, j);
        return false;
      });
    }
    const double x = X(k), y = Y(k);
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(Z(k))) continue;
    const Celdas a = de(k);
    const bool cerca = alguna(a, [&](std::int64_t i, std::int64_t j) {
      const Long* ultimo = rejilla.Busca(i, j);
      if (ultimo == nullptr) return false;
      for (Long m = *ultimo; m > 0; m = anterior[static_cast<std::size_t>(m)]) {
        const double dx = x - X(m), dy = y - Y(m);
        if (std::sqrt(dx * dx + dy * dy) < tolerancia) return true;
      }
      return false;
    });
    if (cerca) continue;
    ++kept;
    X(kept) = x;
    Y(kept) = y;
    Z(kept) = Z(k);
    numeros(kept) = numeros(k);
    Long& ultimo = rejilla(a.c.i, a.c.j);
    anterior[static_cast<std::size_t>(kept)] = ultimo;
    ultimo = kept;
  }
  n = kept;
}

void c_Puntos::Ordena_Indices(Long n, const HostArray<double>& X, HostArray<Long>& idx, const ObjectRef&) {
  if (n <= 0) return;
  std::vector<Long> orden(static_cast<std::size_t>(n));
  for (Long k = 1; k <= n; ++k) orden[static_cast<std::size_t>(k - 1)] = idx(k);
  std::vector<double> clave(orden.size());
  for (std::size_t k = 0; k < orden.size(); ++k) clave[k] = X(orden[k]);
  const std::vector<std::size_t> perm = Orden_Por_Clave(clave);
  for (Long k = 1; k <= n; ++k) idx(k) = orden[perm[static_cast<std::size_t>(k - 1)]];
}

}  // namespace Vyr_Trilat
