#include "trilat/common/Triangulacion_Delaunay.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "trilat/common/Orden_Insercion.h"
#include "trilat/common/Predicados_Exactos.h"
#include "trilat/common/Solape_Triangulos.h"
#include "trilat/platform/RuntimeError.h"

namespace Vyr_Trilat {

namespace {

constexpr std::size_t kMaximo_Puntos = 300000000;

bool Entre(double a, double m, double b) { return (a < m && m < b) || (b < m && m < a); }

int Signo_Diferencia(double a, double b) { return (a > b) - (a < b); }

}  // namespace

Triangulacion_Delaunay::Triangulacion_Delaunay(std::span<const double> x, std::span<const double> y) {
  const auto invalido = [](const std::string& que) { return RuntimeError(static_cast<Long>(Err::Invalid_Call), que); };
  if (x.size() != y.size()) throw invalido("The X and Y lists of the points differ in length");
  if (x.size() > kMaximo_Puntos) throw invalido("Too many points to triangulate");
  for (std::size_t i = 0; i < x.size(); ++i)
    if (!Coordenada_Admitida(x[i]) || !Coordenada_Admitida(y[i]))
      throw invalido("Point " + std::to_string(i) + " has a coordinate that is not finite or is out of range");
  {
    Orden_Insercion orden = Ordena_Para_Insercion(x, y);
    indice_ = std::move(orden.orden);
    const std::size_t m = indice_.size();
    x_.resize(m);
    y_.resize(m);
    interno_.resize(x.size());
    for (std::size_t k = 0; k < m; ++k) {
      x_[k] = x[indice_[k]];
      y_[k] = y[indice_[k]];
      interno_[indice_[k]] = static_cast<int>(k);
    }
    for (std::size_t i = 0; i < x.size(); ++i) interno_[i] = interno_[orden.representante[i]];
  }
  Construye();
}

int Triangulacion_Delaunay::Interno(int i) const {
  if (i < 0 || i >= Numero_Puntos()) throw RuntimeError(Err::Subscript_Out_Of_Range);
  return interno_[static_cast<std::size_t>(i)];
}

int Triangulacion_Delaunay::Representante(int i) const { return indice_[Interno(i)]; }

void Triangulacion_Delaunay::Renumera(std::span<const int> nuevo) {
  const std::size_t n = interno_.size();
  const auto no_permutacion = [] {
    return RuntimeError(static_cast<Long>(Err::Invalid_Call), "The new indices of the points are not a permutation");
  };
  if (nuevo.size() != n) throw no_permutacion();
  std::vector<int> interno(n, -1);
  // Points that repeat one another keep one vertex, which stands for the lowest of their new indices.
  std::vector<int> indice(indice_.size(), static_cast<int>(n));
  for (std::size_t i = 0; i < n; ++i) {
    const int j = nuevo[i];
    if (j < 0 || static_cast<std::size_t>(j) >= n || interno[static_cast<std::size_t>(j)] >= 0) throw no_permutacion();
    const int v = interno_[i];
    interno[static_cast<std::size_t>(j)] = v;
    indice[static_cast<std::size_t>(v)] = std::min(indice[static_cast<std::size_t>(v)], j);
  }
  interno_ = std::move(interno);
  indice_ = std::move(indice);
}

int Triangulacion_Delaunay::Orienta(int a, int b, int c) const {
  return Orientacion(x_[a], y_[a], x_[b], y_[b], x_[c], y_[c]);
}

// p and q lie on one ray from c.
bool Triangulacion_Delaunay::Mismo_Sentido(int c, int p, int q) const {
  return Orienta(c, p, q) == 0 && Signo_Diferencia(x_[p], x_[c]) == Signo_Diferencia(x_[q], x_[c]) &&
         Signo_Diferencia(y_[p], y_[c]) == Signo_Diferencia(y_[q], y_[c]);
}

// ---------------------------------------------------------------------------------------------------------------
// Point insertion

void Triangulacion_Delaunay::Construye() {
  // The first triangle: the first two points and the first point off their line. The points skipped for it are
  // inserted later like any other.
  const int n = static_cast<int>(x_.size());
  if (n < 3) return;
  const int a = 0;
  int b = 1;
  int tercero = 2;
  while (tercero < n && Orienta(a, b, tercero) == 0) ++tercero;
  if (tercero == n) return;
  int c = tercero;
  if (Orienta(a, b, c) < 0) std::swap(b, c);

  const std::size_t triangulos = 2 * x_.size();
  vertice_.reserve(3 * triangulos);
  gemela_.reserve(3 * triangulos);
  marca_.reserve(triangulos);
  vertice_ = {a, b, c, b, a, -1, c, b, -1, a, c, -1};
  gemela_.assign(12, -1);
  restringida_.assign(12, 0);
  std::vector<Lado> lados;
  for (int e = 0; e < 12; ++e) lados.push_back({vertice_[e], vertice_[Siguiente(e)], e, false});
  Enlaza(lados);
  marca_.assign(4, 0);
  ultimo_ = 0;

  for (int p = 2; p < n; ++p)
    if (p != tercero) Inserta(p, Localiza(p));

  sale_.assign(x_.size(), -1);
  for (std::size_t e = 0; e < vertice_.size(); ++e)
    if (vertice_[e] >= 0) sale_[vertice_[e]] = static_cast<int>(e);
  restringida_.assign(vertice_.size(), 0);
  marca_ = {};
  pila_ = {};
  cavidad_ = {};
  frontera_ = {};
}

// Walks from the last triangle made towards p, crossing any edge that has p strictly beyond it; in a Delaunay
// triangulation this walk cannot cycle. Ends in the finite triangle that holds p, or in the ghost triangle of a
// hull edge that has p strictly outside.
int Triangulacion_Delaunay::Localiza(int p) const {
  int t = ultimo_;
  int entrada = -1;
  for (;;) {
    int salida = -1;
    for (int e = 3 * t; e < 3 * t + 3; ++e) {
      if (e == entrada) continue;
      if (Orienta(vertice_[e], vertice_[Siguiente(e)], p) < 0) {
        salida = e;
        break;
      }
    }
    if (salida < 0) return t;
    entrada = gemela_[salida];
    t = entrada / 3;
    if (Es_Fantasma(t)) return t;
  }
}

// The circle of a finite triangle holds p strictly; a ghost triangle's "circle" is the open half-plane beyond
// its hull edge together with the open edge itself.
bool Triangulacion_Delaunay::En_Conflicto(int t, int p) const {
  const int a = vertice_[3 * t], b = vertice_[3 * t + 1], c = vertice_[3 * t + 2];
  if (a >= 0 && b >= 0 && c >= 0) return Incirculo(x_[a], y_[a], x_[b], y_[b], x_[c], y_[c], x_[p], y_[p]) > 0;
  const int u = a < 0 ? b : b < 0 ? c : a;
  const int w = a < 0 ? c : b < 0 ? a : b;
  const int o = Orienta(u, w, p);
  if (o != 0) return o > 0;
  return Entre(x_[u], x_[p], x_[w]) || Entre(y_[u], y_[p], y_[w]);
}

void Triangulacion_Delaunay::Inserta(int p, int t0) {
  // The cavity is explored depth first, each triangle's edges in counter-clockwise order, so its boundary comes
  // out as one counter-clockwise cycle.
  ++sello_;
  marca_[t0] = sello_;
  cavidad_.assign(1, t0);
  frontera_.clear();
  pila_.assign({3 * t0 + 2, 3 * t0 + 1, 3 * t0});
  while (!pila_.empty()) {
    const int e = pila_.back();
    pila_.pop_back();
    const int o = gemela_[e];
    const int t = o / 3;
    if (marca_[t] == sello_) continue;
    if (En_Conflicto(t, p)) {
      marca_[t] = sello_;
      cavidad_.push_back(t);
      pila_.push_back(Anterior(o));
      pila_.push_back(Siguiente(o));
    } else {
      frontera_.push_back({vertice_[e], vertice_[Siguiente(e)], o, false});
    }
  }
  const std::size_t m = frontera_.size();
  if (cavidad_.size() + 2 != m) throw std::logic_error("Delaunay cavity is not a disc");

  // One new triangle per boundary edge: the cavity's slots, then two more.
  const int base = static_cast<int>(vertice_.size() / 3);
  vertice_.resize(vertice_.size() + 6);
  gemela_.resize(gemela_.size() + 6);
  marca_.resize(marca_.size() + 2, 0);
  cavidad_.push_back(base);
  cavidad_.push_back(base + 1);
  for (std::size_t i = 0; i < m; ++i) {
    const int t = cavidad_[i];
    const Lado& lado = frontera_[i];
    vertice_[3 * t] = lado.a;
    vertice_[3 * t + 1] = lado.b;
    vertice_[3 * t + 2] = p;
    gemela_[3 * t] = lado.e;
    gemela_[lado.e] = 3 * t;
    const int siguiente = cavidad_[(i + 1) % m];
    gemela_[3 * t + 1] = 3 * siguiente + 2;
    gemela_[3 * siguiente + 2] = 3 * t + 1;
    if (lado.a >= 0 && lado.b >= 0) ultimo_ = t;
  }
}

// ---------------------------------------------------------------------------------------------------------------
// Queries

std::vector<std::array<int, 3>> Triangulacion_Delaunay::Triangulos() const {
  std::vector<std::array<int, 3>> r;
  r.reserve(Numero_Triangulos());
  Para_Cada_Triangulo([&](int, int a, int b, int c) { r.push_back({a, b, c}); });
  return r;
}

std::size_t Triangulacion_Delaunay::Numero_Triangulos() const {
  std::size_t n = 0;
  for (std::size_t t = 0; t < vertice_.size() / 3; ++t) n += Es_Fantasma(static_cast<int>(t)) ? 0 : 1;
  return n;
}

// The half-edge from a to b, turning round a; -1 when there is none.
int Triangulacion_Delaunay::Busca_Arista(int a, int b) const {
  return Alrededor(a, [&](int e) { return vertice_[Siguiente(e)] == b; });
}

bool Triangulacion_Delaunay::Coordenada_Admitida(double v) {
  const double a = std::fabs(v);
  return v == 0 || (a >= 1e-60 && a <= 1e60);
}

bool Triangulacion_Delaunay::Vecinos(int i, std::vector<int>& anillo) const {
  anillo.clear();
  const int v = Interno(i);
  if (!Tiene_Triangulos() || indice_[static_cast<std::size_t>(v)] != i) return false;
  std::size_t fuera = 0;
  bool en_borde = false;
  Alrededor(v, [&](int e) {
    const int w = vertice_[static_cast<std::size_t>(Siguiente(e))];
    if (w < 0) {
      // The outside: the list starts after it.
      en_borde = true;
      fuera = anillo.size();
    } else {
      anillo.push_back(indice_[static_cast<std::size_t>(w)]);
    }
    return false;
  });
  if (en_borde) std::rotate(anillo.begin(), anillo.begin() + static_cast<std::ptrdiff_t>(fuera), anillo.end());
  return true;
}

bool Triangulacion_Delaunay::Existe_Arista(int a, int b) const {
  a = Interno(a);
  b = Interno(b);
  return Tiene_Triangulos() && a != b && Busca_Arista(a, b) >= 0;
}

int Triangulacion_Delaunay::Triangulo(int a, int b, int c) const {
  if (!Tiene_Triangulos() || Representante(a) != a || Representante(b) != b || Representante(c) != c) return -1;
  const int u = Interno(a), v = Interno(b), w = Interno(c);
  if (u == v || v == w || u == w) return -1;
  const int e = Busca_Arista(u, v);
  if (e < 0) return -1;
  // The edge's two triangles: the one it runs round, and its twin's.
  if (vertice_[Anterior(e)] == w) return e / 3;
  return vertice_[Anterior(gemela_[e])] == w ? gemela_[e] / 3 : -1;
}

void Triangulacion_Delaunay::Restringe_Triangulo(int t) {
  for (int e = 3 * t; e < 3 * t + 3; ++e) Restringe(e);
}

void Triangulacion_Delaunay::Triangulos_Que_Solapan(int a, int b, int c, std::vector<int>& casillas) const {
  casillas.clear();
  const int u = Interno(a), v = Interno(b), w = Interno(c);
  if (!Tiene_Triangulos() || Orienta(u, v, w) == 0) return;
  const auto esquina = [&](int k) { return Vert{x_[k], y_[k]}; };
  const Triangulo_Plano dado = En_Sentido_Antihorario(esquina(u), esquina(v), esquina(w));
  // The triangles that meet its interior cover it, so they are joined through sides that cross it: a search from
  // those round one corner finds them all. The few looked at are remembered in a short list.
  auto& vistos = vistos_;
  auto& pendientes = pendientes_;
  vistos.clear();
  pendientes.clear();
  Alrededor(u, [&](int e) {
    pendientes.push_back(e / 3);
    return false;
  });
  while (!pendientes.empty()) {
    const int t = pendientes.back();
    pendientes.pop_back();
    if (std::find(vistos.begin(), vistos.end(), t) != vistos.end()) continue;
    vistos.push_back(t);
    if (Es_Fantasma(t)) continue;
    const int p = vertice_[3 * t], q = vertice_[3 * t + 1], r = vertice_[3 * t + 2];
    const Triangulo_Plano otro{esquina(p), esquina(q), esquina(r)};
    if (Cajas_Apartadas(otro, dado) || !Interiores_Se_Solapan(otro, dado)) continue;
    casillas.push_back(t);
    for (int k = 0; k < 3; ++k) pendientes.push_back(gemela_[3 * t + k] / 3);
  }
}

void Triangulacion_Delaunay::Restringe_Desde(int a, std::span<const int> otros) {
  const int u = Interno(a);
  bool al_dia = false;
  for (const int b : otros) {
    if (!al_dia && Tiene_Triangulos()) {
      estrella_.clear();
      Alrededor(u, [&](int e) {
        estrella_.push_back({vertice_[Siguiente(e)], e});
        return false;
      });
      al_dia = true;
    }
    const int w = Interno(b);
    const auto a_w = [&](const std::array<int, 2>& v) { return v[0] == w; };
    const auto arista = al_dia ? std::find_if(estrella_.begin(), estrella_.end(), a_w) : estrella_.end();
    if (w != u && arista != estrella_.end()) {
      Restringe((*arista)[1]);
      continue;
    }
    // Forcing it in may change the triangles round a.
    Inserta_Restriccion(a, b);
    al_dia = false;
  }
}

bool Triangulacion_Delaunay::Es_Restringida(int a, int b) const {
  a = Interno(a);
  b = Interno(b);
  if (!Tiene_Triangulos() || a == b) return false;
  const int e = Busca_Arista(a, b);
  return e >= 0 && restringida_[e] != 0;
}

// ---------------------------------------------------------------------------------------------------------------
// Constraint insertion

std::optional<std::vector<Triangulacion_Delaunay::Arista>> Triangulacion_Delaunay::Inserta_Restriccion(int a, int b) {
  a = Interno(a);
  b = Interno(b);
  if (!Tiene_Triangulos()) return std::nullopt;
  if (a == b) return std::vector<Arista>{};
  if (const int e = Busca_Arista(a, b); e >= 0) {  // the common case: already an edge
    Restringe(e);
    return std::vector<Arista>{{indice_[a], indice_[b]}};
  }
  std::vector<Arista> piezas;
  std::vector<int> cruzadas;
  // The whole path first, changing nothing, so that a refusal leaves everything as it was.
  for (int u = a; u != b;) {
    const int c = Traza(u, b, cruzadas);
    for (int h : cruzadas)
      if (restringida_[h]) return std::nullopt;
    piezas.push_back({u, c});
    u = c;
  }
  for (Arista& p : piezas) {
    Traza(p.a, p.b, cruzadas);
    if (!cruzadas.empty()) Rehace(p.a, p.b, cruzadas);
    const int e = Busca_Arista(p.a, p.b);
    Restringe(e);
    p = {indice_[p.a], indice_[p.b]};
  }
  return piezas;
}

// Follows the segment u-b from u up to b or to the first vertex lying on it, whichever comes first, and returns
// that vertex; `cruzadas` gets the edges crossed on the way, in order, each as the half-edge running from its end
// right of the segment to its end left of it.
int Triangulacion_Delaunay::Traza(int u, int b, std::vector<int>& cruzadas) const {
  cruzadas.clear();
  const int e0 = sale_[u];
  int e = e0;
  do {
    const int s = vertice_[Siguiente(e)], t = vertice_[Anterior(e)];
    if (s >= 0) {
      const int os = Orienta(u, b, s);
      if (os == 0 && Mismo_Sentido(u, s, b)) return s;
      if (t >= 0 && os < 0 && Orienta(u, b, t) > 0) {
        int h = Siguiente(e);
        for (;;) {
          cruzadas.push_back(h);
          const int o = gemela_[h];
          const int q = vertice_[Anterior(o)];
          if (q == b) return b;
          if (q < 0) throw std::logic_error("constraint leaves the convex hull");
          const int oq = Orienta(u, b, q);
          if (oq == 0) return q;
          h = oq < 0 ? Anterior(o) : Siguiente(o);
        }
      }
    }
    e = gemela_[Anterior(e)];
  } while (e != e0);
  throw std::logic_error("constraint finds no way out of its first point");
}

// Replaces the triangles crossed by the piece u-c with triangulations of the polygons on its left and right; their
// boundaries are the ends of the crossed edges on each side, in order, and may touch themselves (a vertex whose
// triangles are all crossed hangs into the polygon on a dangling edge).
void Triangulacion_Delaunay::Rehace(int u, int c, const std::vector<int>& cruzadas) {
  std::vector<int> quitados{cruzadas.front() / 3};
  std::vector<int> izquierda, derecha;
  for (int h : cruzadas) {
    quitados.push_back(gemela_[h] / 3);
    const int r = vertice_[h], l = vertice_[Siguiente(h)];
    if (derecha.empty() || derecha.back() != r) derecha.push_back(r);
    if (izquierda.empty() || izquierda.back() != l) izquierda.push_back(l);
  }
  std::reverse(izquierda.begin(), izquierda.end());
  std::vector<std::array<int, 3>> nuevos;
  Triangula_Poligono(u, c, izquierda, nuevos);
  Triangula_Poligono(c, u, derecha, nuevos);
  if (nuevos.size() != quitados.size()) throw std::logic_error("constraint polygons do not fill the crossed region");

  std::vector<int> ordenados = quitados;
  std::sort(ordenados.begin(), ordenados.end());
  std::vector<Lado> lados;
  std::vector<Arista> colgantes;  // constrained dangling edges: both their triangles go, the edge comes back
  for (int t : quitados)
    for (int e = 3 * t; e < 3 * t + 3; ++e) {
      const int g = gemela_[e];
      if (!std::binary_search(ordenados.begin(), ordenados.end(), g / 3))
        lados.push_back({vertice_[g], vertice_[Siguiente(g)], g, true});
      else if (restringida_[e] && e < g)
        colgantes.push_back({vertice_[e], vertice_[g]});
    }
  std::vector<int> nuevas;
  for (std::size_t k = 0; k < quitados.size(); ++k)
    for (int i = 0; i < 3; ++i) {
      const int e = 3 * quitados[k] + i;
      lados.push_back({nuevos[k][i], nuevos[k][(i + 1) % 3], e, false});
      nuevas.push_back(e);
    }
  Enlaza(lados);
  for (int e : nuevas)
    if (vertice_[e] >= 0) sale_[vertice_[e]] = e;
  // The first new triangle stands on u-c; constrained before the flips, which must leave it.
  const int uc = 3 * quitados.front();
  Restringe(uc);
  for (const Arista& a : colgantes) {
    const int e = Busca_Arista(a.a, a.b);
    Restringe(e);
  }
  Legaliza(nuevas);
}

// Triangulates the polygon u, v, cadena... (counter-clockwise, possibly touching itself), one triangle on its
// first edge at a time: the apex is the chain vertex whose circle with u-v holds no other (Anglada's choice),
// or, should that triangle not fit inside the polygon, the best-placed apex that does.
void Triangulacion_Delaunay::Triangula_Poligono(int u, int v, const std::vector<int>& cadena,
                                                std::vector<std::array<int, 3>>& salida) const {
  struct Poligono {
    int u, v, lo, hi;  // the base u-v and the chain cadena[lo .. hi - 1]
  };
  const auto mas_delaunay = [&](const Poligono& p, int k, int j) {
    return k < 0 || Incirculo(x_[p.u], y_[p.u], x_[p.v], y_[p.v], x_[cadena[k]], y_[cadena[k]], x_[cadena[j]],
                              y_[cadena[j]]) > 0;
  };
  std::vector<Poligono> pila{{u, v, 0, static_cast<int>(cadena.size())}};
  while (!pila.empty()) {
    const Poligono p = pila.back();
    pila.pop_back();
    if (p.lo >= p.hi) continue;
    int k = -1;
    for (int j = p.lo; j < p.hi; ++j)
      if (Orienta(p.u, p.v, cadena[j]) > 0 && mas_delaunay(p, k, j)) k = j;
    if (k < 0 || !Triangulo_Valido(p.u, p.v, cadena, p.lo, p.hi, k)) {
      k = -1;
      for (int j = p.lo; j < p.hi; ++j)
        if (Triangulo_Valido(p.u, p.v, cadena, p.lo, p.hi, j) && mas_delaunay(p, k, j)) k = j;
      if (k < 0) throw std::logic_error("constraint polygon has no triangle on its base");
    }
    salida.push_back({p.u, p.v, cadena[k]});
    pila.push_back({cadena[k], p.v, p.lo, k});
    pila.push_back({p.u, cadena[k], k + 1, p.hi});
  }
}

// The triangle u, v, cadena[k] lies inside the polygon u, v, cadena[lo .. hi - 1]: counter-clockwise, within the
// polygon's angle at each of its corners, with no polygon vertex in it or on its sides and no polygon edge through
// its interior.
bool Triangulacion_Delaunay::Triangulo_Valido(int u, int v, const std::vector<int>& cadena, int lo, int hi,
                                              int k) const {
  const int c = cadena[k];
  if (Orienta(u, v, c) <= 0) return false;
  const int previo_c = k == lo ? v : cadena[k - 1];
  const int siguiente_c = k == hi - 1 ? u : cadena[k + 1];
  if (!En_Cuna(u, v, cadena[hi - 1], c) || !En_Cuna(v, cadena[lo], u, c)) return false;
  if (!En_Cuna(c, siguiente_c, previo_c, u) || !En_Cuna(c, siguiente_c, previo_c, v)) return false;
  // Both sides in the angle, yet the triangle in the gap outside it.
  if (Mismo_Sentido(c, u, previo_c) && Mismo_Sentido(c, v, siguiente_c)) return false;

  const int esquinas[3] = {u, v, c};
  const auto corta = [&](int s, int t) {
    for (int i = 0; i < 3; ++i) {
      const int a = esquinas[i], b = esquinas[(i + 1) % 3];
      if (Orienta(a, b, s) <= 0 && Orienta(a, b, t) <= 0) return false;
    }
    const int o1 = Orienta(s, t, u), o2 = Orienta(s, t, v), o3 = Orienta(s, t, c);
    return !((o1 >= 0 && o2 >= 0 && o3 >= 0) || (o1 <= 0 && o2 <= 0 && o3 <= 0));
  };
  if (corta(v, cadena[lo]) || corta(cadena[hi - 1], u)) return false;
  for (int j = lo; j < hi; ++j) {
    const int p = cadena[j];
    if (j + 1 < hi && corta(p, cadena[j + 1])) return false;
    if (p != u && p != v && p != c && Orienta(u, v, p) >= 0 && Orienta(v, c, p) >= 0 && Orienta(c, u, p) >= 0)
      return false;
  }
  return true;
}

// The direction from c to d lies in the closed angle that turns counter-clockwise from c->siguiente to c->previo.
bool Triangulacion_Delaunay::En_Cuna(int c, int siguiente, int previo, int d) const {
  const int o = Orienta(c, siguiente, previo);
  if (o > 0) return Orienta(c, siguiente, d) >= 0 && Orienta(c, d, previo) >= 0;
  if (o < 0) return !(Orienta(c, previo, d) > 0 && Orienta(c, d, siguiente) > 0);
  if (Mismo_Sentido(c, siguiente, previo)) return true;  // the tip of a dangling edge: all the way round
  return Orienta(c, siguiente, d) >= 0;
}

// Sets the twins of a set of half-edges by matching their end points: every edge must appear exactly twice. A
// half-edge marked exterior already belongs to the triangulation and lends its constraint flag to its new twin.
void Triangulacion_Delaunay::Enlaza(std::vector<Lado>& lados) {
  const auto clave = [](const Lado& l) { return std::pair(std::min(l.a, l.b), std::max(l.a, l.b)); };
  std::sort(lados.begin(), lados.end(),
            [&](const Lado& p, const Lado& q) { return clave(p) != clave(q) ? clave(p) < clave(q) : p.e < q.e; });
  for (std::size_t i = 0; i < lados.size(); i += 2)
    if (i + 1 == lados.size() || clave(lados[i]) != clave(lados[i + 1]) || lados[i].a != lados[i + 1].b ||
        (i + 2 < lados.size() && clave(lados[i + 1]) == clave(lados[i + 2])))
      throw std::logic_error("triangulation edges do not pair up");
  for (const Lado& l : lados)
    if (!l.exterior) vertice_[l.e] = l.a;
  for (std::size_t i = 0; i < lados.size(); i += 2) {
    const Lado& p = lados[i];
    const Lado& q = lados[i + 1];
    gemela_[p.e] = q.e;
    gemela_[q.e] = p.e;
    const std::uint8_t marca = p.exterior ? restringida_[p.e] : q.exterior ? restringida_[q.e] : 0;
    restringida_[p.e] = restringida_[q.e] = marca;
  }
}

// Flips every unconstrained edge whose far vertex lies strictly inside the circle of its triangle, and the edges
// around each flip in turn, until none is left (Lawson's flips, which always end).
void Triangulacion_Delaunay::Legaliza(std::vector<int>& pendientes) {
  while (!pendientes.empty()) {
    const int e = pendientes.back();
    pendientes.pop_back();
    const int o = gemela_[e];
    if (restringida_[e] || Es_Fantasma(e / 3) || Es_Fantasma(o / 3)) continue;
    const int a = vertice_[e], b = vertice_[Siguiente(e)], c = vertice_[Anterior(e)], d = vertice_[Anterior(o)];
    if (Incirculo(x_[a], y_[a], x_[b], y_[b], x_[c], y_[c], x_[d], y_[d]) <= 0) continue;
    Voltea(e);
    pendientes.insert(pendientes.end(), {Siguiente(e), Anterior(e), Siguiente(o), Anterior(o)});
  }
}

// Triangles (a, b, c) and (b, a, d) on the edge e = a->b become (d, c, a) and (c, d, b), in the same slots.
void Triangulacion_Delaunay::Voltea(int e) {
  const int e1 = Siguiente(e), e2 = Anterior(e);
  const int o = gemela_[e], o1 = Siguiente(o), o2 = Anterior(o);
  const int a = vertice_[e], b = vertice_[o], c = vertice_[e2], d = vertice_[o2];
  const int g_e1 = gemela_[e1], g_e2 = gemela_[e2], g_o1 = gemela_[o1], g_o2 = gemela_[o2];
  const std::uint8_t r_e1 = restringida_[e1], r_e2 = restringida_[e2];
  const std::uint8_t r_o1 = restringida_[o1], r_o2 = restringida_[o2];
  const int esquinas[6][2] = {{e, d}, {e1, c}, {e2, a}, {o, c}, {o1, d}, {o2, b}};
  for (const auto& [h, v] : esquinas) vertice_[h] = v;
  const auto une = [&](int p, int q, std::uint8_t r) {
    gemela_[p] = q;
    gemela_[q] = p;
    restringida_[p] = restringida_[q] = r;
  };
  une(e, o, 0);
  une(e1, g_e2, r_e2);
  une(e2, g_o1, r_o1);
  une(o1, g_o2, r_o2);
  une(o2, g_e1, r_e1);
  sale_[a] = e2;
  sale_[b] = o2;
  sale_[c] = e1;
  sale_[d] = o1;
}

}  // namespace Vyr_Trilat
