// Time of the Delaunay triangulation kernel beside CGAL's Delaunay_triangulation_2 on the same points in the same
// run: uniform points and a survey-like set (dense lines along roads, sparse scatter elsewhere) over a site of
// about 1 km in projected coordinates. CGAL serves only as the yardstick here; the library never links it.
#include <CGAL/Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <benchmark/benchmark.h>

#include <map>
#include <utility>

#include "tests/support/Generadores.h"
#include "trilat/common/Triangulacion_Delaunay.h"

namespace Vyr_Trilat::prueba {
namespace {

using Nucleo = CGAL::Exact_predicates_inexact_constructions_kernel;
using Delaunay_CGAL = CGAL::Delaunay_triangulation_2<Nucleo>;

// Each point set is made once and shared by both triangulators.
const Nube& Puntos(Forma forma, std::size_t n) {
  static std::map<std::pair<Forma, std::size_t>, Nube> hechas;
  auto it = hechas.find({forma, n});
  if (it == hechas.end()) it = hechas.emplace(std::pair(forma, n), Genera(forma, n, 1000, 42, 500000, 4500000)).first;
  return it->second;
}

void Propia(benchmark::State& state, Forma forma) {
  const Nube& c = Puntos(forma, static_cast<std::size_t>(state.range(0)));
  std::size_t triangulos = 0;
  for (auto _ : state) {
    const Triangulacion_Delaunay t(c.x, c.y);
    triangulos = t.Numero_Triangulos();
    benchmark::DoNotOptimize(triangulos);
  }
  state.counters["triangles"] = static_cast<double>(triangulos);
}

void De_CGAL(benchmark::State& state, Forma forma) {
  const Nube& c = Puntos(forma, static_cast<std::size_t>(state.range(0)));
  std::vector<Nucleo::Point_2> puntos;
  puntos.reserve(c.size());
  for (std::size_t i = 0; i < c.size(); ++i) puntos.emplace_back(c.x[i], c.y[i]);
  std::size_t triangulos = 0;
  for (auto _ : state) {
    Delaunay_CGAL t;
    t.insert(puntos.begin(), puntos.end());
    triangulos = t.number_of_faces();
    benchmark::DoNotOptimize(triangulos);
  }
  state.counters["triangles"] = static_cast<double>(triangulos);
}

void Delaunay_Uniforme(benchmark::State& s) { Propia(s, Forma::Uniforme); }
void CGAL_Uniforme(benchmark::State& s) { De_CGAL(s, Forma::Uniforme); }
void Delaunay_Levantamiento(benchmark::State& s) { Propia(s, Forma::Alineada); }
void CGAL_Levantamiento(benchmark::State& s) { De_CGAL(s, Forma::Alineada); }

#define TRILAT_TAMANOS ->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
BENCHMARK(Delaunay_Uniforme) TRILAT_TAMANOS;
BENCHMARK(CGAL_Uniforme) TRILAT_TAMANOS;
BENCHMARK(Delaunay_Levantamiento) TRILAT_TAMANOS;
BENCHMARK(CGAL_Levantamiento) TRILAT_TAMANOS;

}  // namespace
}  // namespace Vyr_Trilat::prueba

BENCHMARK_MAIN();
