#include "tests/support/Terrenos.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "tests/support/Triangula.h"

namespace Vyr_Trilat::prueba {

double Modelo::Z_Max() const { return *std::max_element(Z.Datos().begin(), Z.Datos().begin() + nPun); }
double Modelo::Z_Min() const { return *std::min_element(Z.Datos().begin(), Z.Datos().begin() + nPun); }

namespace {

// The surface at (x, y) on a site of side `lado`, without the noise of the rough one.
double Elevacion(Relieve r, double x, double y, double lado) {
  const double u = x / lado, v = y / lado;
  const double suave = 100 + 20 * std::sin(3 * u) * std::cos(2 * v) + 15 * u - 10 * v * v;
  const double du = u - 0.5, dv = v - 0.45;
  // Flat tops on a level (lifted off it) and between two levels.
  if (r == Relieve::Mesetas) return std::clamp(suave, 95.25, 108.0);
  if (r == Relieve::Cerro) return 100 + 25 * std::exp(-(du * du + dv * dv) / (2 * 0.15 * 0.15));
  return suave;
}

// The model of these points, z from the surface (plus noise on the rough one), with these triangles.
Modelo Monta(Relieve r, const std::vector<double>& x, const std::vector<double>& y, double lado,
             const std::vector<Tri>& tris, std::mt19937_64& rng) {
  std::vector<Pto3D> p;
  std::normal_distribution<double> ruido(0, 1.5);
  for (std::size_t i = 0; i < x.size(); ++i)
    p.push_back({x[i], y[i], Elevacion(r, x[i], y[i], lado) + (r == Relieve::Rugoso ? ruido(rng) : 0)});
  return Modelo_De(p, tris);
}

}  // namespace

Modelo Modelo_De(const std::vector<Pto3D>& puntos, const std::vector<Tri>& triangulos) {
  Modelo m;
  m.nPun = static_cast<Long>(puntos.size());
  for (HostArray<double>* a : {&m.X, &m.Y, &m.Z}) a->ReDim(1, m.nPun);
  for (Long i = 1; i <= m.nPun; ++i) {
    const Pto3D& p = puntos[static_cast<std::size_t>(i - 1)];
    m.X(i) = p.X, m.Y(i) = p.Y, m.Z(i) = p.Z;
  }
  m.nTri = static_cast<Long>(triangulos.size()) - 1;
  for (HostArray<Long>* a : {&m.Vt1, &m.Vt2, &m.Vt3}) a->ReDim(0, std::max<Long>(m.nTri, 0));
  for (Long k = 0; k <= m.nTri; ++k) {
    const Tri& t = triangulos[static_cast<std::size_t>(k)];
    m.Vt1(k) = t.a, m.Vt2(k) = t.b, m.Vt3(k) = t.c;
  }
  return m;
}

Modelo Rejilla(Relieve r, int nx, int ny, double paso, double movido, std::uint64_t semilla) {
  std::mt19937_64 rng(semilla);
  std::uniform_real_distribution<double> U(-0.5, 0.5);
  std::vector<double> x, y;
  for (int j = 0; j < ny; ++j)
    for (int i = 0; i < nx; ++i) {
      x.push_back(i * paso + U(rng) * movido * paso);
      y.push_back(j * paso + U(rng) * movido * paso);
    }
  std::vector<Tri> tris;
  for (Long j = 0; j + 1 < ny; ++j)
    for (Long i = 0; i + 1 < nx; ++i) {
      const Long a = j * nx + i + 1, b = a + 1, c = a + nx + 1, d = a + nx;
      const bool ac = rng() % 2;  // the diagonal a-c, or else b-d
      tris.insert(tris.end(), {ac ? Tri{a, b, c} : Tri{a, b, d}, ac ? Tri{a, c, d} : Tri{b, c, d}});
    }
  return Monta(r, x, y, paso * (std::max(nx, ny) - 1), tris, rng);
}

Modelo Triangulado(Relieve r, Forma forma, std::size_t n, double lado, double dist_max, std::uint64_t semilla) {
  std::mt19937_64 rng(semilla);
  const Nube c = Genera(forma, n, lado, semilla);
  return Monta(r, c.x, c.y, lado, Triangula(c, dist_max).tris, rng);
}

Modelo Triangulado(const Nube& c, double dist_max) {
  std::vector<Pto3D> puntos;
  for (std::size_t i = 0; i < c.size(); ++i) puntos.push_back({c.x[i], c.y[i], c.z[i]});
  return Modelo_De(puntos, Triangula(c, dist_max).tris);
}

void Agujerea(Modelo& m, double cx, double cy, double radio) {
  std::vector<Pto3D> puntos;
  for (Long i = 1; i <= m.nPun; ++i) puntos.push_back({m.X(i), m.Y(i), m.Z(i)});
  std::vector<Tri> quedan;
  for (Long k = 0; k <= m.nTri; ++k) {
    const Tri t{m.Vt1(k), m.Vt2(k), m.Vt3(k)};
    const double x = (m.X(t.a) + m.X(t.b) + m.X(t.c)) / 3, y = (m.Y(t.a) + m.Y(t.b) + m.Y(t.c)) / 3;
    if (std::hypot(x - cx, y - cy) >= radio) quedan.push_back(t);
  }
  m = Modelo_De(puntos, quedan);
}

void Prepara_Curvado(c_Curvado& c, std::shared_ptr<Superficie_Grabadora> sup, std::shared_ptr<Progreso_Grabador> prog) {
  ObjectRef draww = sup ? sup : std::make_shared<Superficie_Grabadora>();
  ObjectRef progreso = prog ? prog : std::make_shared<Progreso_Grabador>();
  double o = 0, e = 1, alto = 1000;
  c.Param_Dibujo(o, o, e, alto, draww, progreso);
}

void Configura_Curvado(c_Curvado& c, const Modelo& m, const Ajustes_Curvado& a) {
  Boolean mostrar = False;
  double e_finas = a.e_finas, e_maestras = a.e_maestras;
  Long colfinas = a.colfinas, colmaestras = a.colmaestras;
  c.Parametros_Curvado1(m.Z_Max(), m.Z_Min(), mostrar, e_finas, e_maestras, colfinas, colmaestras);
  c.Parametros_Directos(a.segmentos, a.suavizar, a.dibuja);
}

Salida_Curvado Calcula_Curvado(c_Curvado& c, Modelo& m) {
  Salida_Curvado s;
  Mensajes_Grabados mensajes;
  c.Curvado_calcula1(m.nPun, m.X, m.Y, m.Z, m.nTri, m.Vt1, m.Vt2, m.Vt3, s.cancela);
  s.datos = c.Get_Curvas();
  s.mensajes = mensajes.Lista();
  return s;
}

Salida_Curvado Curvado(Modelo& m, const Ajustes_Curvado& a) {
  c_Curvado c;
  Prepara_Curvado(c);
  Configura_Curvado(c, m, a);
  return Calcula_Curvado(c, m);
}

}  // namespace Vyr_Trilat::prueba
