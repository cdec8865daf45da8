// Time of Curvado_calcula1 on terrain models of 10,000, 100,000 and 1,000,000 points with 51 levels (50 intervals),
// straight lines stored and drawn into a picture box that discards them. The models are jittered grids split into
// two triangles per cell, built here so that only contouring is measured. With TRILAT_BENCH_TIN naming a folder,
// each model and its levels are also written there (tin_N.bin) for the matplotlib comparison.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>

#include "tests/support/Nulos.h"
#include "trilat/c_Curvado/Niveles.h"
#include "trilat/c_Curvado/c_Curvado.h"
#include "trilat/platform/MsgBox.h"
#include "trilat/platform/PictureBox.h"

namespace Vyr_Trilat {
namespace {

using prueba::Progreso_Nulo;

constexpr double kLado = 1000;
constexpr double kX0 = 500000, kY0 = 4500000;
constexpr Integer kIntervalos = 50;

struct Modelo {
  Long nPun = 0, nTri = 0;
  HostArray<double> X, Y, Z;
  HostArray<Long> Vt1, Vt2, Vt3;
  double z_min = 0, z_max = 0, e_finas = 0;
};

// A hillside with ridges and hollows: smooth at the site's scale with detail at a tenth of it.
double Terreno(double x, double y) {
  const double u = x / kLado, v = y / kLado;
  return 100 + 20 * std::sin(3 * u) * std::cos(2 * v) + 15 * u - 10 * v * v + 3 * std::sin(25 * u) * std::sin(23 * v);
}

Modelo Genera(Long n) {
  const auto k = static_cast<Long>(std::llround(std::sqrt(static_cast<double>(n))));
  const double paso = kLado / (k - 1);
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> U(-0.15, 0.15);
  Modelo m;
  m.nPun = k * k;
  m.X.ReDim(1, m.nPun);
  m.Y.ReDim(1, m.nPun);
  m.Z.ReDim(1, m.nPun);
  m.z_min = 1e300;
  m.z_max = -1e300;
  for (Long j = 0; j < k; ++j) {
    for (Long i = 0; i < k; ++i) {
      const Long p = j * k + i + 1;
      const double x = i * paso + U(rng) * paso, y = j * paso + U(rng) * paso;
      m.X(p) = kX0 + x;
      m.Y(p) = kY0 + y;
      m.Z(p) = Terreno(x, y);
      m.z_min = std::min(m.z_min, m.Z(p));
      m.z_max = std::max(m.z_max, m.Z(p));
    }
  }
  m.nTri = 2 * (k - 1) * (k - 1) - 1;
  m.Vt1.ReDim(0, m.nTri);
  m.Vt2.ReDim(0, m.nTri);
  m.Vt3.ReDim(0, m.nTri);
  Long t = 0;
  for (Long j = 0; j + 1 < k; ++j) {
    for (Long i = 0; i + 1 < k; ++i, t += 2) {
      const Long a = j * k + i + 1, b = a + 1, c = a + k + 1, d = a + k;
      m.Vt1(t) = a, m.Vt2(t) = b, m.Vt3(t) = c;
      m.Vt1(t + 1) = a, m.Vt2(t + 1) = c, m.Vt3(t + 1) = d;
    }
  }
  m.e_finas = (m.z_max - m.z_min) / kIntervalos;
  return m;
}

// Points, triangles (zero-based corners) and the levels the run traces, for a reader with no knowledge of ours.
void Escribe_Tin(const Modelo& m, const std::filesystem::path& ruta) {
  std::ofstream f(ruta, std::ios::binary);
  const auto escribe = [&f](const auto& v) { f.write(reinterpret_cast<const char*>(&v), sizeof v); };
  escribe(static_cast<std::int64_t>(m.nPun));
  escribe(static_cast<std::int64_t>(m.nTri + 1));
  for (const HostArray<double>* a : {&m.X, &m.Y, &m.Z})
    for (Long i = 1; i <= m.nPun; ++i) escribe((*a)(i));
  for (Long t = 0; t <= m.nTri; ++t)
    for (const HostArray<Long>* v : {&m.Vt1, &m.Vt2, &m.Vt3}) escribe(static_cast<std::int32_t>((*v)(t)-1));
  const Integer n = Niveles::Numero_Niveles(m.z_max, m.z_min, m.e_finas);
  escribe(static_cast<std::int64_t>(n + 1));
  double cota = Niveles::Primer_Nivel(m.z_min, m.e_finas);
  for (Long i = 0; i <= n; ++i, cota = cota + m.e_finas) escribe(cota);
}

Modelo& Modelo_De(Long n) {
  static std::map<Long, std::unique_ptr<Modelo>> hechos;
  auto& m = hechos[n];
  if (!m) {
    m = std::make_unique<Modelo>(Genera(n));
    if (const char* dir = getenv("TRILAT_BENCH_TIN"))
      Escribe_Tin(*m, std::filesystem::path(dir) / ("tin_" + std::to_string(n) + ".bin"));
  }
  return *m;
}

void Curvado(benchmark::State& state) {
  Modelo& m = Modelo_De(static_cast<Long>(state.range(0)));
  const Presentador_Mensajes silencio = Instala_Presentador_Mensajes([](const Mensaje&) { return vbOK; });
  Datos_Curvas d;
  for (auto _ : state) {
    state.PauseTiming();
    c_Curvado c;
    ObjectRef draww = std::make_shared<Superficie_Nula>(), progreso = std::make_shared<Progreso_Nulo>();
    double o = 0, e = 1, alto = 1000;
    c.Param_Dibujo(o, o, e, alto, draww, progreso);
    Boolean mostrar = False;
    double e_finas = m.e_finas, e_maestras = 5 * m.e_finas;
    Long colfinas = 38088, colmaestras = 11578544;
    c.Parametros_Curvado1(m.z_max, m.z_min, mostrar, e_finas, e_maestras, colfinas, colmaestras);
    c.Parametros_Directos(5, False, False);
    Boolean cancela = False;
    state.ResumeTiming();
    c.Curvado_calcula1(m.nPun, m.X, m.Y, m.Z, m.nTri, m.Vt1, m.Vt2, m.Vt3, cancela);
    state.PauseTiming();
    d = c.Get_Curvas();
    state.ResumeTiming();
  }
  Instala_Presentador_Mensajes(silencio);
  Long vertices = 0;
  for (Long i = 1; i <= d.nCurvas; ++i) vertices += d.Curvas(i).Ultimo + 1;
  state.counters["points"] = m.nPun;
  state.counters["triangles"] = m.nTri + 1;
  state.counters["levels"] = Niveles::Numero_Niveles(m.z_max, m.z_min, m.e_finas) + 1;
  state.counters["lines"] = d.nCurvas;
  state.counters["vertices"] = vertices;
}

BENCHMARK(Curvado)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace
}  // namespace Vyr_Trilat

int main(int argc, char** argv) {
  // The parameters call keeps its dialog's position in a settings file: a throwaway one, not the user's.
  namespace fs = std::filesystem;
  const fs::path ajustes = fs::temp_directory_path() / ("trilat-bench-" + std::to_string(::getpid()));
  fs::create_directories(ajustes);
  setenv("TRILAT_SETTINGS", (ajustes / "settings.ini").c_str(), 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(ajustes);
  return 0;
}
