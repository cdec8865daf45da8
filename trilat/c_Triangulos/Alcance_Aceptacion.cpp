#include "trilat/c_Triangulos/Alcance_Aceptacion.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "trilat/common/Predicados_Exactos.h"

namespace Vyr_Trilat {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
// Unit roundoff of doubles.
constexpr double kU = std::numeric_limits<double>::epsilon() / 2;
// Steepest bisector of an edge that is not treated as horizontal, for which the bound below holds.
constexpr double kPendiente_Maxima = 10000;
// No side of a triangle formed is longer than the diameter of the seed's largest circle.
constexpr double kLado_Maximo = 2 * kRadio_Maximo_Semilla;

// Within this range the circle formulas neither overflow nor lose a slope to underflow (differences of such
// coordinates are 0 or above 1e-46), so every result the bound speaks of is finite, and the error bound holds.
bool Coordenada_Acotada(double v) {
  const double a = std::fabs(v);
  return v == 0 || (a >= 1e-30 && a <= 1e9);
}

}  // namespace

Alcance_Aceptacion::Alcance_Aceptacion(Estado_Triangulos& s) : Alcance_Aceptacion(s, Sin_Delaunay{}) {
  Toma_Delaunay(s);
}

Alcance_Aceptacion::Alcance_Aceptacion(Estado_Triangulos& s, Sin_Delaunay) : puntos_(s.Puntos_Trab) {
  if (!puntos_.empty()) limites_ = {puntos_[0].X, puntos_[0].Y, puntos_[0].X, puntos_[0].Y};
  for (const auto& p : puntos_) {
    limites_ = limites_.Con({p.X, p.Y, p.X, p.Y});
    if (!Coordenada_Acotada(p.X) || !Coordenada_Acotada(p.Y)) return;
    magnitud_ = std::max({magnitud_, std::fabs(p.X), std::fabs(p.Y)});
  }
  for (const auto& p : s.Puntos_Anfitrion)
    if (!Triangulacion_Delaunay::Coordenada_Admitida(p.X) || !Triangulacion_Delaunay::Coordenada_Admitida(p.Y)) return;
  epsilon_ = Epsilon_Pendiente(kPendiente_Maxima);
  acotado_ = true;
}

void Alcance_Aceptacion::Toma_Delaunay(Estado_Triangulos& s) {
  if (acotado_) delaunay_ = &Delaunay_Anfitrion(s);
}

double Alcance_Aceptacion::Epsilon_Pendiente(double pendiente) const {
  // The computed centre lies within a few roundings of both computed bisectors, each within a few roundings of
  // the true one: every term is at most u (slope + 4) (M + radius + side), counted generously.
  return 32 * kU * (pendiente + 4) * (magnitud_ + kLado_Maximo / 2 + 2 * kRadio_Maximo);
}

Alcance_Aceptacion::Zona Alcance_Aceptacion::Zona_Lado_Inseguro(const XYZ& X, std::size_t y, int o,
                                                                std::vector<int>& vecinos) const {
  Zona zona;
  if (!Anillo(y, vecinos)) return zona;
  std::erase(vecinos, o);
  zona.alcance = Alcance_De_Anillo(y, vecinos, &zona.region, false);
  if (!(zona.alcance < kInf)) {
    // Without o the ring leaves a side open: its neighbours' neighbours close it, unless Y is on the hull.
    std::vector<int> anillo;
    for (std::size_t k = 0, n = vecinos.size(); k < n; ++k) {
      Anillo(static_cast<std::size_t>(vecinos[k]), anillo);
      for (const int q : anillo)
        if (q != o && q != static_cast<int>(y)) vecinos.push_back(q);
    }
    std::sort(vecinos.begin(), vecinos.end());
    vecinos.erase(std::unique(vecinos.begin(), vecinos.end()), vecinos.end());
    zona.alcance = Alcance_De_Puntos(y, vecinos, zona.region);
  }
  Deja_Casco(zona.region);
  const XYZ& Y = puntos_[y];
  zona.epsilon = Epsilon_Pendiente(std::fabs(-(Y.X - X.X) / (Y.Y - X.Y))) * (1 + 1e-6);
  return zona;
}

bool Alcance_Aceptacion::En_Zona(const Vert& u, const Zona& zona) const {
  // The point lies within e of a circle through Y centred at C, |C| at most half the reach: |u - C| <= |C| + e, so
  // |u| <= the reach + e and 2 C.u >= |u|^2 - e (reach + e).
  const double e = zona.epsilon;
  if (!(zona.alcance < kInf) || !(e < kInf)) return true;
  const double r = (zona.alcance + e) * (1 + 1e-9);
  return u.X * u.X + u.Y * u.Y <= r * r &&
         Alcanza(u, zona.region.data(), zona.region.size(), zona.alcance, 0, e * (zona.alcance + e));
}

bool Alcance_Aceptacion::Lado_Seguro(const XYZ& X, const XYZ& Y) {
  if (std::fabs(Y.Y - X.Y) < kCasi_Cero) return true;
  return std::fabs(-(Y.X - X.X) / (Y.Y - X.Y)) <= kPendiente_Maxima;
}

double Alcance_Aceptacion::Alcance(std::size_t i, std::vector<int>& vecinos, std::vector<Esquina>* region) const {
  // Without neighbours the list is empty, which gives no reach.
  Anillo(i, vecinos);
  return Alcance_De_Anillo(i, vecinos, region);
}

bool Alcance_Aceptacion::Anillo(std::size_t i, std::vector<int>& vecinos) const {
  if (delaunay_) return delaunay_->Vecinos(static_cast<int>(i), vecinos);
  vecinos.clear();
  return false;
}

double Alcance_Aceptacion::Alcance_De_Anillo(std::size_t i, const std::vector<int>& vecinos,
                                             std::vector<Esquina>* region, bool con_lados_abiertos) const {
  if (region) region->clear();
  if (!delaunay_ || vecinos.size() < 2) return kInf;
  // Every accepted centre lies within the radius limit of P, so within the first reach; and then within the reach
  // that its smaller slack gives.
  Prepara_Pares(i, vecinos);
  if (!con_lados_abiertos && std::any_of(pares_.begin(), pares_.end(), [](const Par& p) { return p.abierto; }))
    return kInf;
  const double primero = Alcance_Centro(kRadio_Maximo);
  return Alcance_Segundas(std::min(primero, Alcance_Centro(primero, region)));
}

double Alcance_Aceptacion::Alcance_Segundas(double centro) const {
  // The second corner lies within the centre's reach of it plus Epsilon, and the centre within that reach of P;
  // the factor covers the rounding of these few operations (relative 1e-9 at the angles admitted).
  return (2 * centro + epsilon_) * (1 + 1e-6) + 1e-9;
}

double Alcance_Aceptacion::Holgura(double radio) const {
  // A point not counted inside has |C - Q|^2 >= R^2 - slack, and R lies within Epsilon of |C - P| <= radio.
  return kHolgura_Circulo + 2 * epsilon_ * (radio + epsilon_ + 1) + 1e-6;
}

double Alcance_Aceptacion::Alcance_Medido(double lejos, double limite) {
  // Each corner is computed within 1e-6 of its distance plus 1e-9.
  return std::min(lejos * (1 + 1e-6) + 1e-9, limite);
}

void Alcance_Aceptacion::Deja_Casco(std::vector<Esquina>& region) {
  // A linear function is largest over the hull at one of its corners, so the others add nothing, as long as the
  // corners kept carry the largest margin. The hull of the corners and P, turns taken exactly; P is left out
  // again, being counted anyway.
  double margen = 0;
  for (const Esquina& w : region) margen = std::max(margen, w.margen);
  region.push_back({0, 0, 0, 0});
  std::sort(region.begin(), region.end(),
            [](const Esquina& a, const Esquina& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
  std::vector<Esquina> casco(2 * region.size());
  std::size_t k = 0;
  const auto gira = [&](const Esquina& a, const Esquina& b, const Esquina& c) {
    return Orientacion(a.x, a.y, b.x, b.y, c.x, c.y);
  };
  for (std::size_t m = 0; m < region.size(); ++m) {
    while (k >= 2 && gira(casco[k - 2], casco[k - 1], region[m]) <= 0) --k;
    casco[k++] = region[m];
  }
  for (std::size_t m = region.size() - 1, abajo = k + 1; m-- > 0;) {
    while (k >= abajo && gira(casco[k - 2], casco[k - 1], region[m]) <= 0) --k;
    casco[k++] = region[m];
  }
  region.clear();
  // The last is the first again.
  for (std::size_t m = 0; m + 1 < std::max<std::size_t>(k, 2); ++m)
    if (casco[m].x != 0 || casco[m].y != 0) region.push_back({casco[m].x, casco[m].y, margen, casco[m].distancia});
}

bool Alcance_Aceptacion::Posible_Segunda(const Vert& u, const Esquina* region, std::size_t esquinas,
                                         double alcance) const {
  // The centre C lies within Epsilon / 2 of the bisector of P and Y, so 2 C.u >= |u|^2 - Epsilon |u|.
  return Alcanza(u, region, esquinas, alcance, epsilon_, 0);
}

bool Alcance_Aceptacion::Alcanza(const Vert& u, const Esquina* region, std::size_t esquinas, double alcance,
                                 double holgura, double holgura_por_largo) const {
  // C lies in the hull of the region's corners and P.
  const double lu = std::sqrt(u.X * u.X + u.Y * u.Y);
  if (!(lu > 0)) return true;
  double mayor = 2e-9;
  for (std::size_t k = 0; k < esquinas; ++k) {
    const Esquina& w = region[k];
    mayor = std::max(mayor, 2 * (w.x * u.X + w.y * u.Y) / lu + w.margen);
  }
  // The reach is beyond twice any corner's distance: it bounds the rounding of these sums, taken generously.
  return mayor + 1e-9 * (lu + alcance) >= lu - holgura - holgura_por_largo / lu;
}

bool Alcance_Aceptacion::Toca_Region(const Caja& c, const Esquina* region, std::size_t esquinas, double alcance) const {
  // Every u that Posible_Segunda admits through a corner w lies within |w| + k of it, k covering the margin,
  // Epsilon and the rounding allowed there; the nearest point of the box to w decides.
  for (std::size_t m = 0; m < esquinas; ++m) {
    const Esquina& w = region[m];
    const double k = w.margen + epsilon_ + 2e-9 * (alcance + w.distancia + 1);
    const double dx = std::max({c.x0 - w.x, 0.0, w.x - c.x1}), dy = std::max({c.y0 - w.y, 0.0, w.y - c.y1});
    const double r = (w.distancia + k) * (1 + 1e-9);
    if (dx * dx + dy * dy <= r * r) return true;
  }
  // And P itself, a corner of the hull of the centres.
  const double r = 2e-9 + epsilon_ + 2e-9 * (alcance + 1);
  const double dx = std::max({c.x0, 0.0, -c.x1}), dy = std::max({c.y0, 0.0, -c.y1});
  return dx * dx + dy * dy <= r * r;
}

Caja Alcance_Aceptacion::Caja_Segundas(std::size_t i, const Esquina* region, std::size_t esquinas) const {
  // Y lies within |C| + Epsilon of a centre C of the hull, and C.x + |C| (convex) is largest at a corner of it,
  // C.x - |C| (concave) smallest at one; P itself is a corner. So Y lies in a disk round some corner w, of radius
  // |w| plus the margins, and in the points' box, whose differences from P round as those of any point do.
  const XYZ& P = puntos_[i];
  const Caja dentro{limites_.x0 - P.X, limites_.y0 - P.Y, limites_.x1 - P.X, limites_.y1 - P.Y};
  // Half the chord of a disk of radius r at d from its centre; the last terms cover the rounding.
  const auto media_cuerda = [](double r, double d) {
    return d == 0 ? r * (1 + 2e-9) : std::sqrt(std::max(0.0, (r - d) * (r + d)) + 1e-10 * r * r) * (1 + 1e-9);
  };
  Caja caja;
  const auto agrega = [&](double x, double y, double r) {
    const double dx = std::max({dentro.x0 - x, 0.0, x - dentro.x1}), dy = std::max({dentro.y0 - y, 0.0, y - dentro.y1});
    if (dx > r || dy > r) return;
    const double hx = media_cuerda(r, dy), hy = media_cuerda(r, dx);
    caja = caja.Con({std::max(x - hx, dentro.x0), std::max(y - hy, dentro.y0), std::min(x + hx, dentro.x1),
                     std::min(y + hy, dentro.y1)});
  };
  for (std::size_t k = 0; k < esquinas; ++k) {
    const Esquina& w = region[k];
    const double lw = w.distancia + w.margen;
    agrega(w.x, w.y, lw + epsilon_ + 2e-6 * (std::fabs(w.x) + std::fabs(w.y) + lw) + 1e-9);
  }
  return caja.Ampliada(epsilon_ + 1e-9);
}

void Alcance_Aceptacion::Prepara_Pares(std::size_t i, const std::vector<int>& vecinos) const {
  const XYZ& P = puntos_[i];
  const std::size_t n = vecinos.size();
  pares_.resize(n);
  for (std::size_t k = 0; k < n; ++k) {
    const XYZ& A = puntos_[static_cast<std::size_t>(vecinos[k])];
    const XYZ& B = puntos_[static_cast<std::size_t>(vecinos[(k + 1) % n])];
    Par& p = pares_[k];
    p.ax = A.X - P.X, p.ay = A.Y - P.Y, p.bx = B.X - P.X, p.by = B.Y - P.Y;
    p.la = std::sqrt(p.ax * p.ax + p.ay * p.ay), p.lb = std::sqrt(p.bx * p.bx + p.by * p.by);
    p.cruz = p.ax * p.by - p.ay * p.bx;
    // A turn of half a circle or more between neighbours (the outside of the hull, or neighbours left out) leaves
    // the cell open on that side; nearly opposite or nearly aligned ones put the corner far, its rounding large.
    const double giro = Orientacion(P.X, P.Y, A.X, A.Y, B.X, B.Y);
    p.giro = giro > 0 ? 1 : giro < 0 ? -1 : 0;
    p.abierto = p.giro <= 0 || !(p.cruz >= 1e-6 * p.la * p.lb);
  }
}

double Alcance_Aceptacion::Alcance_Centro(double radio, std::vector<Esquina>* region) const {
  const double holgura = Holgura(radio);
  const double limite = Limite_Centros();
  // The centre c (from P) of a circle through P that holds no neighbour q satisfies c.q <= (|q|^2 + slack) / 2.
  // Between two consecutive neighbours that half-plane pair bounds |c| by its corner or its ends on the rays.
  double alcance = 0;
  // Every neighbour's half-plane holds for every centre: the square cut by all of them is cut once, when a pair
  // first needs it, and each pair's part is taken from it (a point with many neighbours has many such pairs).
  bool comun_hecho = false;
  const auto recorta = [&](const Par& p) {
    if (!comun_hecho) {
      Cuadrado(limite);
      for (const Par& q : pares_) Corta(q.ax, q.ay, (q.la * q.la + holgura) / 2, limite);
      comun_ = poligono_;
      comun_hecho = true;
    }
    Recorta_Par(p, limite, *region);
  };
  for (const Par& p : pares_) {
    const double ha = (p.la * p.la + holgura) / 2, hb = (p.lb * p.lb + holgura) / 2;
    const double fin = ha / p.la;
    // The region between the two rays: P, the ends of the half-planes' borders on the rays, and their corner.
    // Each computed within 1e-6 of its distance plus 1e-9, as the reach allows for. The end on the second ray
    // is the next pair's first.
    if (region && fin <= limite)
      region->push_back({p.ax * (fin / p.la), p.ay * (fin / p.la), 2 * (2e-6 * fin + 1e-9), fin});
    if (p.abierto) {
      alcance = kInf;
      if (region) recorta(p);
      continue;
    }
    const double vx = (ha * p.by - hb * p.ay) / p.cruz, vy = (p.ax * hb - p.bx * ha) / p.cruz;
    const double esquina = std::sqrt(vx * vx + vy * vy);
    const double lejos = std::max({fin, hb / p.lb, esquina});
    alcance = std::max(alcance, lejos);
    if (!region) continue;
    if (lejos <= limite) {
      region->push_back({vx, vy, 2 * (2e-6 * esquina + 1e-9), esquina});
    } else {
      // A long cell by the edge of the survey: only its part within the radius limit can hold a centre.
      recorta(p);
    }
  }
  return Alcance_Medido(alcance, limite);
}

double Alcance_Aceptacion::Limite_Centros() const {
  // The radius is measured to the second corner and the circle passes within Epsilon of P; its rounding is far
  // below the last term.
  return (kRadio_Maximo + epsilon_) * (1 + 1e-9) + 1e-6;
}

void Alcance_Aceptacion::Cuadrado(double limite) const {
  poligono_ = {{-limite, -limite}, {limite, -limite}, {limite, limite}, {-limite, limite}};
}

void Alcance_Aceptacion::Corta(double nx, double ny, double h, double limite) const {
  const double c = h + 1e-9 * (2 * limite * (std::fabs(nx) + std::fabs(ny)) + std::fabs(h));
  cortado_.clear();
  for (std::size_t k = 0; k < poligono_.size(); ++k) {
    const Vert& a = poligono_[k];
    const Vert& b = poligono_[(k + 1) % poligono_.size()];
    const double da = nx * a.X + ny * a.Y - c, db = nx * b.X + ny * b.Y - c;
    if (da <= 0) cortado_.push_back(a);
    if ((da < 0 && db > 0) || (da > 0 && db < 0)) {
      const double t = da / (da - db);
      cortado_.push_back({a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y)});
    }
  }
  std::swap(poligono_, cortado_);
}

double Alcance_Aceptacion::Esquinas_Poligono(std::vector<Esquina>& region) const {
  double lejos = 0;
  for (const Vert& w : poligono_) {
    const double d = std::sqrt(w.X * w.X + w.Y * w.Y);
    region.push_back({w.X, w.Y, 2 * (2e-6 * d + 1e-9), d});
    lejos = std::max(lejos, d);
  }
  return lejos;
}

double Alcance_Aceptacion::Alcance_De_Puntos(std::size_t i, const std::vector<int>& puntos,
                                             std::vector<Esquina>& region) const {
  region.clear();
  if (!delaunay_) return kInf;
  // The centre c (from P) of a circle through P that holds no such point q satisfies c.q <= (|q|^2 + slack) / 2,
  // the slack taken for the largest radius; the square of the radius limit round P, cut by all those half-planes.
  const double limite = Limite_Centros();
  const double holgura = Holgura(limite);
  const XYZ& P = puntos_[i];
  Cuadrado(limite);
  for (const int q : puntos) {
    const double qx = puntos_[static_cast<std::size_t>(q)].X - P.X, qy = puntos_[static_cast<std::size_t>(q)].Y - P.Y;
    Corta(qx, qy, (qx * qx + qy * qy + holgura) / 2, limite);
  }
  return Alcance_Segundas(Alcance_Medido(Esquinas_Poligono(region), limite));
}

void Alcance_Aceptacion::Recorta_Par(const Par& p, double limite, std::vector<Esquina>& region) const {
  // The common region (the square of half-side `limite` round P cut by every neighbour's half-plane, the pair's two
  // among them) cut by the rays between which the pair's centres lie (a turn of more than half a circle in two
  // pieces, so that each is convex). Each cut is moved out by far more than the rounding of its evaluation, so that
  // the computed polygon holds the true one. All the half-planes cut it, so that a turn the ring's order makes look
  // wide (a pair nearly in line, or the outside of a straight edge) is held by the others to the cell's own size.
  const auto pieza = [&](const Vert* u, const Vert* v) {
    poligono_ = comun_;
    if (u) {
      Corta(u->Y, -u->X, 0, limite);
      Corta(-v->Y, v->X, 0, limite);
    }
    Esquinas_Poligono(region);
  };
  const Vert a{p.ax, p.ay}, b{p.bx, p.by};
  if (p.giro > 0) {
    pieza(&a, &b);
  } else if (p.giro < 0 || p.ax * p.bx + p.ay * p.by < 0) {
    // Split at the middle of the turn: opposite the middle of the short way round, or square to opposite rays.
    const Vert m = p.giro < 0 ? Vert{-(p.ax / p.la + p.bx / p.lb), -(p.ay / p.la + p.by / p.lb)} : Vert{-p.ay, p.ax};
    pieza(&a, &m);
    pieza(&m, &b);
  } else {
    pieza(nullptr, nullptr);
  }
}

}  // namespace Vyr_Trilat
