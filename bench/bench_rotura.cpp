// Time of Calcula_Triang_con_Polilineas end to end: 100 breaklines of 10 to 50 vertices each, random walks over
// the survey points in steps of up to four point spacings, forced into the Delaunay triangulation of a jittered
// grid of survey points on a UTM-sized site. The plain scans are timed on the smallest size for comparison.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "tests/support/Rotura_Literal.h"
#include "trilat/c_Rotura/c_Rotura.h"
#include "trilat/common/Triangulacion_Delaunay.h"
#include "trilat/draw/mDibuja.h"

#include "tests/support/Nulos.h"
#include "trilat/platform/Triangulos_Anfitrion.h"

namespace Vyr_Trilat::prueba {
namespace {

struct Modelo_Bench {
  Long nPt = 0;
  HostArray<double> X, Y, Z;
  Long nTri = 0;
  HostArray<Long> V1, V2, V3;
  HostArray<Polilinea> Pol;
  Long segmentos = 0;
};

Modelo_Bench Prepara(int lado) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> U(-0.3, 0.3);
  const double paso = 2.5;
  Modelo_Bench m;
  m.nPt = lado * lado;
  m.X.ReDim(1, m.nPt);
  m.Y.ReDim(1, m.nPt);
  m.Z.ReDim(1, m.nPt);
  std::vector<double> x, y;
  for (int j = 0; j < lado; ++j)
    for (int i = 0; i < lado; ++i) {
      x.push_back(431000 + (i + U(rng)) * paso);
      y.push_back(4581000 + (j + U(rng)) * paso);
    }
  for (Long k = 1; k <= m.nPt; ++k)
    m.X(k) = x[static_cast<std::size_t>(k - 1)], m.Y(k) = y[static_cast<std::size_t>(k - 1)];
  const auto tris = Triangulacion_Delaunay(x, y).Triangulos();
  Llena_Triangulos(tris, m.nTri, m.V1, m.V2, m.V3, 1);
  m.Pol.ReDim(1, 100);
  std::uniform_int_distribution<int> vertices(10, 50), paso_rejilla(-4, 4), inicio(0, lado - 1);
  for (Long p = 1; p <= 100; ++p) {
    Polilinea& l = m.Pol(p);
    l.nPtos = vertices(rng);
    l.Ptos.ReDim(1, l.nPtos);
    int i = inicio(rng), j = inicio(rng);
    for (Long k = 1; k <= l.nPtos; ++k) {
      l.Ptos(k) = j * lado + i + 1;
      int di = 0, dj = 0;
      while (di == 0 && dj == 0) di = paso_rejilla(rng), dj = paso_rejilla(rng);
      i = std::clamp(i + di, 0, lado - 1);
      j = std::clamp(j + dj, 0, lado - 1);
    }
    m.segmentos += l.nPtos - 1;
  }
  return m;
}

void Fuerza(benchmark::State& state, Fabrica_Busqueda busqueda) {
  Modelo_Bench m = Prepara(static_cast<int>(state.range(0)));
  ObjectRef nula = std::make_shared<Superficie_Nula>();
  mDibuja::Pon_Vista(431000, 4581000, 1, 1000, nula);
  Estadistica_Rotura cuentas;
  for (auto _ : state) {
    state.PauseTiming();
    HostArray<Long> V1 = m.V1, V2 = m.V2, V3 = m.V3;
    c_Rotura r(busqueda);
    state.ResumeTiming();
    r.Calcula_Triang_con_Polilineas(m.nPt, m.X, m.Y, m.Z, m.nTri, V1, V2, V3, 100, m.Pol);
    cuentas = r.Estado().Cuentas;
  }
  state.counters["points"] = m.nPt;
  state.counters["triangles"] = m.nTri + 1;
  state.counters["segments"] = m.segmentos;
  state.counters["as_written"] = cuentas.Aceptados;
  state.counters["corridor"] = cuentas.Corredores;
}

void Indexada(benchmark::State& s) { Fuerza(s, Crea_Busqueda_Indexada); }
void Literal(benchmark::State& s) { Fuerza(s, Crea_Busqueda_Literal); }

BENCHMARK(Indexada)->Arg(100)->Arg(316)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Literal)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace Vyr_Trilat::prueba

BENCHMARK_MAIN();
