// Time of Calcula_Triang_con_Polilineas end to end, on UTM-sized sites:
// - 100 breaklines of 10 to 50 vertices each, random walks over the survey points in steps of up to four point
//   spacings, forced into the Delaunay triangulation of a jittered grid of survey points; the plain scans are timed
//   on the smallest size for comparison;
// - the two diagonals of such a grid, each one breakline from corner to corner across thousands of triangles;
// - a survey's strings: roads across a 1 km site, each taken as five strings (kerbs and axis) with shots every 1 to
//   3 m, scattered spot heights between them, and every string a breakline (as a surveyor's feature codes make
//   them), forced into the Delaunay triangulation of all the points; and one straight road set out exactly,
//   its shots 1, 2 and 4 times as close, whose strings lie along edges of the model all their length.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "tests/support/Nulos.h"
#include "tests/support/Rotura_Literal.h"
#include "trilat/c_Rotura/c_Rotura.h"
#include "trilat/common/Triangulacion_Delaunay.h"
#include "trilat/draw/mDibuja.h"
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

// The model of the points: the host's arrays and their Delaunay triangulation.
void Pon_Puntos(Modelo_Bench& m, const std::vector<double>& x, const std::vector<double>& y) {
  m.nPt = static_cast<Long>(x.size());
  m.X.ReDim(1, m.nPt);
  m.Y.ReDim(1, m.nPt);
  m.Z.ReDim(1, m.nPt);
  for (Long k = 1; k <= m.nPt; ++k)
    m.X(k) = x[static_cast<std::size_t>(k - 1)], m.Y(k) = y[static_cast<std::size_t>(k - 1)];
  const auto tris = Triangulacion_Delaunay(x, y).Triangulos();
  Llena_Triangulos(tris, m.nTri, m.V1, m.V2, m.V3, 1);
}

// A jittered grid of lado x lado points, numbered row by row, 2.5 m apart.
Modelo_Bench Rejilla_Movida(int lado, std::mt19937_64& rng) {
  std::uniform_real_distribution<double> U(-0.3, 0.3);
  const double paso = 2.5;
  Modelo_Bench m;
  std::vector<double> x, y;
  for (int j = 0; j < lado; ++j)
    for (int i = 0; i < lado; ++i) {
      x.push_back(431000 + (i + U(rng)) * paso);
      y.push_back(4581000 + (j + U(rng)) * paso);
    }
  Pon_Puntos(m, x, y);
  return m;
}

Modelo_Bench Prepara(int lado) {
  std::mt19937_64 rng(7);
  Modelo_Bench m = Rejilla_Movida(lado, rng);
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

Modelo_Bench Prepara_Travesia(int lado) {
  std::mt19937_64 rng(7);
  Modelo_Bench m = Rejilla_Movida(lado, rng);
  const Long n = static_cast<Long>(lado) * lado;
  m.Pol = Polilineas_De({{1, n}, {lado, n - lado + 1}});
  m.segmentos = 2;
  return m;
}

// Roads that wind, shots taken to about a centimetre; or straight ones set out exactly, their shots `densidad` times
// as close.
Modelo_Bench Prepara_Cadenas(int carreteras, bool rectas = false, int densidad = 1) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> avance(1.0 / densidad, 3.0 / densidad), sitio(0, 1000);
  std::normal_distribution<double> error(0, rectas ? 0 : 0.01);
  std::vector<double> x, y;
  std::vector<std::vector<Long>> cadenas;
  for (int r = 0; r < carreteras; ++r) {
    const double eje = (r + 0.5) * 1000 / carreteras;
    for (const double desplazada : {-3.0, -2.9, 0.0, 2.9, 3.0}) {
      cadenas.emplace_back();
      for (double d = 0; d <= 1000; d += avance(rng)) {
        x.push_back(431000 + d + error(rng));
        y.push_back(4581000 + eje + (rectas ? 0 : 2 * std::sin(d / 50 + r)) + desplazada + error(rng));
        cadenas.back().push_back(static_cast<Long>(x.size()));
      }
    }
  }
  for (int k = 0; k < 2500 * carreteras; ++k) x.push_back(431000 + sitio(rng)), y.push_back(4581000 + sitio(rng));
  Modelo_Bench m;
  Pon_Puntos(m, x, y);
  m.Pol = Polilineas_De(cadenas);
  for (const auto& c : cadenas) m.segmentos += static_cast<Long>(c.size()) - 1;
  return m;
}

void Fuerza(benchmark::State& state, const Modelo_Bench& m, Fabrica_Busqueda busqueda) {
  ObjectRef nula = std::make_shared<Superficie_Nula>();
  mDibuja::Pon_Vista(431000, 4581000, 1, 1000, nula);
  Estadistica_Rotura cuentas;
  for (auto _ : state) {
    state.PauseTiming();
    HostArray<Long> V1 = m.V1, V2 = m.V2, V3 = m.V3;
    HostArray<double> X = m.X, Y = m.Y, Z = m.Z;
    HostArray<Polilinea> Pol = m.Pol;
    Long nTri = m.nTri;
    c_Rotura r(busqueda);
    state.ResumeTiming();
    r.Calcula_Triang_con_Polilineas(m.nPt, X, Y, Z, nTri, V1, V2, V3, Pol.UBound(), Pol);
    cuentas = r.Estado().Cuentas;
  }
  state.counters["points"] = m.nPt;
  state.counters["triangles"] = m.nTri + 1;
  state.counters["segments"] = m.segmentos;
  state.counters["as_written"] = cuentas.Aceptados;
  state.counters["corridor"] = cuentas.Corredores;
}

void Indexada(benchmark::State& s) { Fuerza(s, Prepara(static_cast<int>(s.range(0))), Crea_Busqueda_Indexada); }
void Literal(benchmark::State& s) { Fuerza(s, Prepara(static_cast<int>(s.range(0))), Crea_Busqueda_Literal); }
void Travesia(benchmark::State& s) {
  Fuerza(s, Prepara_Travesia(static_cast<int>(s.range(0))), Crea_Busqueda_Indexada);
}
void Cadenas(benchmark::State& s) { Fuerza(s, Prepara_Cadenas(static_cast<int>(s.range(0))), Crea_Busqueda_Indexada); }
void Cadenas_Rectas(benchmark::State& s) {
  Fuerza(s, Prepara_Cadenas(1, true, static_cast<int>(s.range(0))), Crea_Busqueda_Indexada);
}

BENCHMARK(Indexada)->Arg(100)->Arg(316)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Literal)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Travesia)->Arg(100)->Arg(316)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Cadenas)->Arg(4)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Cadenas_Rectas)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace Vyr_Trilat::prueba

BENCHMARK_MAIN();
