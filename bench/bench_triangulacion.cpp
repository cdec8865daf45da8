// Time of Calcula_Triangulos2 end to end on generated surveys: uniform scatter and a jittered grid over a
// site of about 1 km, with a maximum side that covers the site and one of a few point spacings.
#include <benchmark/benchmark.h>

#include <cmath>

#include "tests/support/Generadores.h"
#include "tests/support/Grabadores.h"
#include "trilat/c_Triangulos/c_Triangulos.h"

namespace Vyr_Trilat::prueba {
namespace {

constexpr double kLado = 1000;

void Triangula(benchmark::State& state, Forma forma, bool lado_corto) {
  const auto n = static_cast<std::size_t>(state.range(0));
  const Nube c = Genera(forma, n, kLado, 42, 500000, 4500000);
  const double espaciado = kLado / std::sqrt(static_cast<double>(n));
  const double dist_max = lado_corto ? 3 * espaciado : 100;
  const auto nPt = static_cast<Long>(n);
  HostArray<double> X(1, nPt), Y(1, nPt), Z(1, nPt);
  HostArray<Boolean> Actic(1, nPt);
  for (Long i = 1; i <= nPt; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    X(i) = c.x[k], Y(i) = c.y[k], Z(i) = c.z[k], Actic(i) = True;
  }
  Mensajes_Grabados silencio;
  Long triangulos = 0;
  for (auto _ : state) {
    c_Triangulos t;
    ObjectRef draww = std::make_shared<Superficie_Grabadora>();
    ObjectRef progreso = std::make_shared<Progreso_Grabador>();
    double o = 0, e = 1, alto = 1000;
    t.Param_Dibujo1(o, o, e, alto, draww, progreso);
    t.Parametros_Directos(dist_max, False, 0);
    Long nTri = 0, iNoCont = 0;
    HostArray<Long> V1, V2, V3, iV1, iV2;
    double d = 0;
    t.Calcula_Triangulos2(nPt, X, Y, Z, Actic, nTri, V1, V2, V3, iNoCont, iV1, iV2, d);
    triangulos = V1(0) == 0 ? 0 : nTri + 1;
  }
  state.counters["triangles"] = static_cast<double>(triangulos);
  state.counters["Dist_Max"] = dist_max;
}

void Uniforme_100(benchmark::State& s) { Triangula(s, Forma::Uniforme, false); }
void Uniforme_Corto(benchmark::State& s) { Triangula(s, Forma::Uniforme, true); }
void Rejilla_100(benchmark::State& s) { Triangula(s, Forma::Rejilla_Movida, false); }
void Rejilla_Corto(benchmark::State& s) { Triangula(s, Forma::Rejilla_Movida, true); }

#define TRILAT_TAMANOS ->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1)
BENCHMARK(Uniforme_100) TRILAT_TAMANOS;
BENCHMARK(Uniforme_Corto) TRILAT_TAMANOS;
BENCHMARK(Rejilla_100) TRILAT_TAMANOS;
BENCHMARK(Rejilla_Corto) TRILAT_TAMANOS;

}  // namespace
}  // namespace Vyr_Trilat::prueba

BENCHMARK_MAIN();
