// Calcula_Triangulos2 end to end on generated surveys over a site of about 1 km, uniform scatter and a
// survey-like set (dense lines along roads, sparse scatter elsewhere), beside CGAL's Delaunay_triangulation_2 on
// the same points in the same run. The maximum side is 100 (the search window then covers the whole site) or
// three times the point spacing. CGAL serves only as the yardstick here; the library never links it.
#include <CGAL/Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <benchmark/benchmark.h>

#include <cmath>

#include "tests/support/Generadores.h"
#include "tests/support/Grabadores.h"
#include "tests/support/Nulos.h"
#include "trilat/c_Triangulos/c_Triangulos.h"

namespace Vyr_Trilat::prueba {
namespace {

constexpr double kLado = 1000;
using Delaunay_CGAL = CGAL::Delaunay_triangulation_2<CGAL::Exact_predicates_inexact_constructions_kernel>;

Nube Puntos(Forma forma, std::size_t n) { return Genera(forma, n, kLado, 42, 500000, 4500000); }

// What a survey may bring beside its points.
enum class Extra { Nada, Errata, Perfil };

void Triangula(benchmark::State& state, Forma forma, bool lado_corto, Extra extra = Extra::Nada) {
  const auto n = static_cast<std::size_t>(state.range(0));
  Nube c = Puntos(forma, n);
  // One more point whose northing lost its leading digit: some 4,000 km south of the site.
  if (extra == Extra::Errata) c.Pon(c.x[0], c.y[0] - 4000000, c.z[0]);
  // A straight profile of 4,000 points every 0.5 m from the middle of the site to 1.5 km beyond it: the points
  // beside it have thousands of Delaunay neighbours in a row.
  if (extra == Extra::Perfil)
    for (int k = 0; k < 4000; ++k) c.Pon(500000 + kLado / 2 + 0.5 * k, 4500000 + kLado / 2, 100);
  const double dist_max = lado_corto ? 3 * kLado / std::sqrt(static_cast<double>(n)) : 100;
  const auto nPt = static_cast<Long>(c.size());
  HostArray<double> X(1, nPt), Y(1, nPt), Z(1, nPt);
  HostArray<Boolean> Actic(1, nPt);
  for (Long i = 1; i <= nPt; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    X(i) = c.x[k], Y(i) = c.y[k], Z(i) = c.z[k], Actic(i) = True;
  }
  Mensajes_Grabados silencio;
  for (auto _ : state) {
    c_Triangulos t;
    ObjectRef draww = std::make_shared<Superficie_Nula>();
    ObjectRef progreso = std::make_shared<Progreso_Nulo>();
    double o = 0, e = 1, alto = 1000;
    t.Param_Dibujo1(o, o, e, alto, draww, progreso);
    t.Parametros_Directos(dist_max, False, 0);
    Long nTri = 0, iNoCont = 0;
    HostArray<Long> V1, V2, V3, iV1, iV2;
    double d = 0;
    t.Calcula_Triangulos2(nPt, X, Y, Z, Actic, nTri, V1, V2, V3, iNoCont, iV1, iV2, d);
    state.counters["sweep"] = t.Estado().Del_Barrido;
    state.counters["completion"] = t.Estado().Del_Completado;
  }
  state.counters["Dist_Max"] = dist_max;
}

void De_CGAL(benchmark::State& state, Forma forma) {
  const Nube c = Puntos(forma, static_cast<std::size_t>(state.range(0)));
  std::vector<Delaunay_CGAL::Point> p;
  for (std::size_t i = 0; i < c.size(); ++i) p.emplace_back(c.x[i], c.y[i]);
  for (auto _ : state) {
    Delaunay_CGAL t;
    t.insert(p.begin(), p.end());
    state.counters["triangles"] = static_cast<double>(t.number_of_faces());
  }
}

void Uniforme_100(benchmark::State& s) { Triangula(s, Forma::Uniforme, false); }
void Uniforme_Corto(benchmark::State& s) { Triangula(s, Forma::Uniforme, true); }
void Levantamiento_100(benchmark::State& s) { Triangula(s, Forma::Alineada, false); }
void Levantamiento_Corto(benchmark::State& s) { Triangula(s, Forma::Alineada, true); }
void Uniforme_100_Errata(benchmark::State& s) { Triangula(s, Forma::Uniforme, false, Extra::Errata); }
void Uniforme_100_Perfil(benchmark::State& s) { Triangula(s, Forma::Uniforme, false, Extra::Perfil); }
void CGAL_Uniforme(benchmark::State& s) { De_CGAL(s, Forma::Uniforme); }
void CGAL_Levantamiento(benchmark::State& s) { De_CGAL(s, Forma::Alineada); }

// With the window over the whole site the search distance bounds nothing, and only the bound on where an
// accepting edge can lie keeps the visits near each point.
// The smaller sets are timed over as many runs as fill half a second, like CGAL's; a run on 1,000,000 points is one.
#define TRILAT_TAMANOS ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(0.5)
#define TRILAT_MILLON ->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1)
BENCHMARK(Uniforme_100) TRILAT_TAMANOS;
BENCHMARK(Uniforme_100) TRILAT_MILLON;
BENCHMARK(Levantamiento_100) TRILAT_TAMANOS;
BENCHMARK(Levantamiento_100) TRILAT_MILLON;
BENCHMARK(Uniforme_Corto) TRILAT_TAMANOS;
BENCHMARK(Uniforme_Corto) TRILAT_MILLON;
BENCHMARK(Levantamiento_Corto) TRILAT_TAMANOS;
BENCHMARK(Levantamiento_Corto) TRILAT_MILLON;
BENCHMARK(Uniforme_100_Errata) TRILAT_TAMANOS;
BENCHMARK(Uniforme_100_Perfil) TRILAT_TAMANOS;
BENCHMARK(CGAL_Uniforme)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(CGAL_Levantamiento)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace Vyr_Trilat::prueba

BENCHMARK_MAIN();
