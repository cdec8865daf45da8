#include "trilat/c_Triangulos/Barrido_Rapido.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <limits>

#include "trilat/common/Anticipa_Memoria.h"
#include "trilat/common/Caja_Central.h"
#include "trilat/common/En_Otro_Hilo.h"
#include "trilat/common/Orden_Por_Clave.h"
#include "trilat/common/Por_Tramos.h"

namespace Vyr_Trilat {

namespace {

// A range this short is scanned directly: cheaper than walking grid cells.
constexpr Long kRango_Corto = 48;
constexpr double kPuntos_Por_Celda = 2;
// A point whose accepting edges may lie in more cells than this (or a quarter of the grid) finds them without it.
constexpr Long kCeldas_Utiles = 49 * 49;
// Side, in cells, of the blocks that count the open triangles filed in their cells.
constexpr Long kBloque = 8;
// A point whose reach spans at most this many cells follows them one by one while it waits to be passed over.
constexpr Long kCeldas_Seguidas = 36;
// Passing over points tries at most this many triangles that the bound does not cover.
constexpr std::size_t kInseguros_Probados = 8;
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<double> X_De(const std::vector<XYZ>& pts) {
  std::vector<double> x(pts.size());
  for (std::size_t k = 0; k < pts.size(); ++k) x[k] = pts[k].X;
  return x;
}

}  // namespace

Barrido_Rapido::Barrido_Rapido(Estado_Triangulos& s, std::size_t puntos_por_hilo)
    : Barrido(s),
      puntos_por_hilo_(std::max<std::size_t>(puntos_por_hilo, 1)),
      alcance_maximo_(s.Dist_Busqueda / 2),
      x_puntos_(X_De(s.Puntos_Trab)),
      alcance_(s, Alcance_Aceptacion::Sin_Delaunay{}) {
  const auto& pts = s_.Puntos_Trab;
  const auto n = static_cast<std::size_t>(s_.nPuntos);
  primero_en_vertice_.assign(n, -1);
  ultimo_en_vertice_.assign(n, -1);

  todo_ = {pts[0].X, pts[0].Y, pts[0].X, pts[0].Y};
  for (const auto& p : pts) todo_ = todo_.Con({p.X, p.Y, p.X, p.Y});
  // The points beyond the grid fall in its edge cells.
  const Caja central = Caja_Central(pts, &XYZ::X, &XYZ::Y);
  const double xmin = central.x0, xmax = central.x1, ymin = central.y0, ymax = central.y1;
  const double ancho = std::max(xmax - xmin, 1e-9), alto = std::max(ymax - ymin, 1e-9);
  const double celdas = std::max(1.0, static_cast<double>(n) / kPuntos_Por_Celda);
  lado_celda_ = std::max(std::sqrt(ancho * alto / celdas), std::max(ancho, alto) / 4096);
  por_celda_ = 1 / lado_celda_;
  columnas_ = static_cast<Long>(std::floor(ancho / lado_celda_)) + 1;
  filas_ = static_cast<Long>(std::floor(alto / lado_celda_)) + 1;
  x0_ = xmin, y0_ = ymin;
  const auto celdas_rejilla = static_cast<std::size_t>(columnas_) * static_cast<std::size_t>(filas_);
  puntos_celda_.Llena(celdas_rejilla, [&](auto&& pon) {
    for (std::size_t k = 0; k < n; ++k) pon(Indice_Celda(Columna(pts[k].X), Fila(pts[k].Y)), static_cast<Long>(k));
  });
  maximo_x_hasta_.resize(n);
  for (std::size_t k = 0; k < n; ++k)
    maximo_x_hasta_[k] = k == 0 ? pts[0].X : std::max(maximo_x_hasta_[k - 1], pts[k].X);
  // A point's reach behind it grows with its X (the difference rounds monotonically): the last point's is the widest.
  x_alcance_detras_ = maximo_x_hasta_.back() - s_.Dist_Busqueda;
  abiertos_celda_.resize(celdas_rejilla);
  abiertos_en_celda_.assign(abiertos_celda_.size(), 0);
  ultimo_en_celda_.assign(abiertos_celda_.size(), -1);
  bloques_x_ = columnas_ / kBloque + 1;
  abiertos_bloque_.assign(static_cast<std::size_t>(bloques_x_) * static_cast<std::size_t>(filas_ / kBloque + 1), 0);
  ultimo_en_bloque_.assign(abiertos_bloque_.size(), -1);
  std::vector<double> y(n);
  for (std::size_t k = 0; k < n; ++k) y[k] = pts[k].Y;
  const std::vector<std::size_t> por_y = Orden_Por_Clave(y);
  por_y_.resize(n);
  rango_y_.resize(n);
  y_ordenadas_.resize(n);
  for (std::size_t m = 0; m < n; ++m) {
    y_ordenadas_[m] = y[por_y[m]], por_y_[m] = static_cast<Long>(por_y[m]);
    rango_y_[por_y[m]] = static_cast<Long>(m);
  }
  // What needs no Delaunay triangulation is done while it is still being built on another thread.
  Prepara_Franjas();
  alcance_.Toma_Delaunay(s_);
  Prepara_Cercanias();
  Prepara_Pasos();
}

Long Barrido_Rapido::Siguiente_Abierto(Long t) {
  // Find the root, then point every node on the way at it.
  Long r = t;
  while (siguiente_abierto_[static_cast<std::size_t>(r)] != r) r = siguiente_abierto_[static_cast<std::size_t>(r)];
  while (siguiente_abierto_[static_cast<std::size_t>(t)] != r) {
    const Long sig = siguiente_abierto_[static_cast<std::size_t>(t)];
    siguiente_abierto_[static_cast<std::size_t>(t)] = r;
    t = sig;
  }
  return r;
}

void Barrido_Rapido::Empieza_Punto(Long i, Long hasta) {
  // Points visited lie far apart in these tables; those of the point likely visited next arrive while this one is.
  const auto anticipa = [&](std::size_t k) {
    Anticipa_Memoria(&cercania_[k]);
    Anticipa_Memoria(reinterpret_cast<const char*>(&cercania_[k] + 1) - 1);
    Anticipa_Memoria(&franja_[k]);
  };
  anticipa(static_cast<std::size_t>(i));
  const Long siguiente = detiene_.Siguiente(i + 1, std::min<Long>(i + 4096, s_.nPuntos - 1), &sin_conectar_);
  if (siguiente < s_.nPuntos) {
    const auto k = static_cast<std::size_t>(siguiente);
    anticipa(k);
    Anticipa_Memoria(&rechazos_[k]);
    Anticipa_Memoria(&s_.Puntos_Trab[k]);
  }
  punto_ = i;
  previos_ = rechazos_[static_cast<std::size_t>(i)];
  // The earlier rejections stand for every triangle passed over, so they are carried into this visit's.
  actuales_ = previos_;
  completo_ = previos_.hasta < 0;
  pto_comprobado_ = -1;
  salto_cercanos_ = false;
  detras_desde_ = std::numeric_limits<Long>::max();
  Busca_Candidatos(i, hasta);
}

void Barrido_Rapido::Acaba_Punto(Long i, Long hasta) {
  Sigue_Limites();
  if (Es_Verdadero(s_.Conectado[static_cast<std::size_t>(i)])) return;
  rechazos_[static_cast<std::size_t>(i)] = Registro(i, hasta, actuales_.testigo_min, actuales_.testigo_max);
  por_probar_.Pon(static_cast<std::size_t>(i), true);
}

Barrido_Rapido::Rechazos Barrido_Rapido::Registro(Long k, Long hasta, Long testigo_min, Long testigo_max) const {
  const double limite = s_.Puntos_Trab[static_cast<std::size_t>(k)].X + s_.Dist_Busqueda;
  return {hasta, testigo_min, testigo_max,
          testigo_max < 0 || maximo_x_hasta_[static_cast<std::size_t>(testigo_max)] <= limite};
}

bool Barrido_Rapido::Vigente(Long k, const Rechazos& r) const {
  // Escaneados(k, testigo_min, testigo_max), its window half settled when the record was made.
  if (r.hasta < 0) return false;
  if (r.testigo_max < 0 || (r.en_ventana && s_.Primer_Pto <= r.testigo_min)) return true;
  return Escaneados(k, r.testigo_min, r.testigo_max);
}

bool Barrido_Rapido::Escaneados(Long i, Long desde, Long hasta) const {
  if (hasta < 0) return true;
  if (s_.Primer_Pto > desde) return false;
  const XYZ& P = s_.Puntos_Trab[static_cast<std::size_t>(i)];
  const double limite = P.X + s_.Dist_Busqueda;
  // No position up to hasta lies beyond the limit: the scan that starts at Primer_Pto has not stopped by then.
  if (maximo_x_hasta_[static_cast<std::size_t>(hasta)] <= limite) return true;
  return Primero_Mas_Alla(s_.Primer_Pto, limite) > hasta;
}

Long Barrido_Rapido::Proximo_Efecto(Long t, Long hasta) {
  // Which triangles lie behind does not change for a point, and triangles only leave the index when they close:
  // the last answer holds until the search passes it or that triangle closes.
  if (t < detras_desde_ ||
      (detras_ >= 0 && (t > detras_ || Es_Verdadero(s_.Triangs.Cerrado[static_cast<std::size_t>(detras_)])))) {
    const double detras = s_.Puntos_Trab[static_cast<std::size_t>(punto_)].X - s_.Dist_Busqueda;
    detras_desde_ = t;
    detras_ = x_derecha_.Primero_No_Mayor(t, detras);
  }
  Long e = detras_;
  if (e < 0 || e > hasta) e = hasta + 1;
  const auto cierre = por_cerrar_.lower_bound(t);
  return cierre != por_cerrar_.end() && *cierre < e ? *cierre : e;
}

Long Barrido_Rapido::Siguiente_Visita(Long t, Long hasta, Long) {
  if (t > hasta) return t;
  t = Siguiente_Abierto(t);
  // The scan's first point moves only when a visit finds a triangle behind the sweep: look again then.
  if (cercanos_ && s_.Primer_Pto != pto_cercanos_) {
    pto_cercanos_ = s_.Primer_Pto;
    // The candidates leave out those the point already failed on, which stay failed only while the points that
    // rejected it are scanned.
    cercanos_ =
        Escaneados(punto_, vecinos_min_, vecinos_max_) && (!candidatos_sin_previos_ || Vigente(punto_, previos_));
  }
  if (cercanos_) {
    while (siguiente_candidato_ < candidatos_.size() && candidatos_[siguiente_candidato_] < t) ++siguiente_candidato_;
    Long e = siguiente_candidato_ < candidatos_.size() ? candidatos_[siguiente_candidato_] : hasta + 1;
    return std::min(e, Proximo_Efecto(t, hasta));
  }
  while (!completo_ && t <= previos_.hasta && t <= hasta) {
    if (s_.Primer_Pto != pto_comprobado_) {
      const bool primera = pto_comprobado_ < 0;
      pto_comprobado_ = s_.Primer_Pto;
      if (!Vigente(punto_, previos_)) {
        completo_ = true;
        // Nothing passed over yet: only this visit's own rejections are left to remember.
        if (primera && !salto_cercanos_) actuales_ = {};
        break;
      }
    }
    const Long e = Proximo_Efecto(t, previos_.hasta);
    if (e <= previos_.hasta) return e;
    t = Siguiente_Abierto(previos_.hasta + 1);
  }
  return t;
}

void Barrido_Rapido::Prepara_Franjas() {
  const std::size_t n = s_.Puntos_Trab.size();
  cercania_.assign(n, {});
  franja_.assign(n, {});
  rechazos_.assign(n, {});
  parcial_de_.assign(n, -1);
  paradas_.assign(n, {});
  // Corners level with each point, where the formulas take the side to it as horizontal: a window moving
  // along the points by Y.
  std::size_t de = 0, a = 0;
  for (std::size_t m = 0; m < n; ++m) {
    const double y = y_ordenadas_[m];
    while (y_ordenadas_[de] < y - Alcance_Aceptacion::kFranja_Horizontal) ++de;
    a = std::max(a, de);
    while (a < n && !(y_ordenadas_[a] > y + Alcance_Aceptacion::kFranja_Horizontal)) ++a;
    franja_[static_cast<std::size_t>(por_y_[m])] = {static_cast<Long>(de), static_cast<Long>(a)};
  }
  // Level points are followed one by one up to a few; more (rows of a grid) are looked at when the point is reached.
  constexpr Long kNiveladas_Seguidas = 16;
  varios_ = Conjunto_Bits(n, false);
  for (std::size_t i = 0; i < n; ++i) varios_.Pon(i, franja_[i].hasta - franja_[i].desde - 1 > kNiveladas_Seguidas);
  dependientes_.Llena(n, [&](auto&& pon) {
    for (std::size_t i = 0; i < n; ++i) {
      if (varios_.Tiene(i)) continue;
      for (Long m = franja_[i].desde; m < franja_[i].hasta; ++m) {
        const auto o = static_cast<std::size_t>(por_y_[static_cast<std::size_t>(m)]);
        if (o != i) pon(o, static_cast<Long>(i));
      }
    }
  });
  segundo_abiertos_.assign(n, 0);
  segundos_por_y_ = Conjunto_Bits(n, false);
  sin_conectar_ = Conjunto_Bits(n, true);
  por_probar_ = sin_conectar_;
  epoca_palabra_.assign(Conjunto_Bits::Palabra_De(n) + 1, epoca_);
}

void Barrido_Rapido::Prepara_Cercanias() {
  const auto& pts = s_.Puntos_Trab;
  const std::size_t n = pts.size();
  // A point's bound depends on nothing but the point: stretches of points are bounded at once, each with its own
  // scratch, and the regions of the wide ones are filed afterwards in point order.
  struct Ancho {
    std::size_t i;
    std::vector<Alcance_Aceptacion::Esquina> region;
  };
  const auto prepara = [&](std::size_t desde, std::size_t hasta, std::vector<Ancho>& anchos) {
    const Alcance_Aceptacion alcance = alcance_;
    std::vector<int> vecinos;
    std::vector<Alcance_Aceptacion::Esquina> region;
    for (std::size_t i = desde; i < hasta; ++i) {
      Cercania& c = cercania_[i];
      Cota& cota = c.cota;
      cota.alcance = alcance.Alcance(i, vecinos, &region);
      if (!(cota.alcance < kInf)) continue;
      Completa_Cota(alcance, static_cast<Long>(i), vecinos, region, cota);
      c.vecinos_antes_del_limite =
          maximo_x_hasta_[static_cast<std::size_t>(cota.vecinos_max)] <= pts[i].X + s_.Dist_Busqueda;
      // A point whose second corners may lie in many cells looks for its candidates among the open triangles
      // themselves, with the region of its centres, and is never passed over.
      if ((cota.i1 - cota.i0 + 1) * (cota.j1 - cota.j0 + 1) > std::min(kCeldas_Utiles, columnas_ * filas_ / 4)) {
        Alcance_Aceptacion::Deja_Casco(region);
        anchos.push_back({i, region});
        continue;
      }
      // A neighbour beyond the scan's end in every pass rules the point out of being passed over.
      if (c.vecinos_antes_del_limite) paradas_[i].primer_vecino = cota.vecinos_min;
    }
  };
  const std::size_t partes = Tramos(n, puntos_por_hilo_);
  std::vector<std::vector<Ancho>> anchos(partes);
  Por_Tramos(n, partes, [&](std::size_t p, std::size_t desde, std::size_t hasta) { prepara(desde, hasta, anchos[p]); });
  for (const auto& parte : anchos)
    for (const Ancho& a : parte) {
      cercania_[a.i].amplio = static_cast<Long>(amplios_.size());
      amplios_.push_back({regiones_.size(), a.region.size()});
      regiones_.insert(regiones_.end(), a.region.begin(), a.region.end());
    }
}

void Barrido_Rapido::Prepara_Pasos() {
  const std::size_t n = cercania_.size();
  // The cells each point's reach spans, or the blocks where they are many, and the points by first neighbour, for
  // those that can be passed over.
  const auto por_celdas = [&](const Cota& c) { return (c.i1 - c.i0 + 1) * (c.j1 - c.j0 + 1) <= kCeldas_Seguidas; };
  // The longest of these lists is made on another thread meanwhile, on many points: they are all read from the
  // bounds alone.
  auto celdas = En_Otro_Hilo(
      [&] {
        cobertura_celdas_.Llena(abiertos_en_celda_.size(), [&](auto&& pon) {
          for (std::size_t i = 0; i < n; ++i) {
            const Cota& c = cercania_[i].cota;
            if (paradas_[i].primer_vecino < 0 || !por_celdas(c)) continue;
            for (Long j = c.j0; j <= c.j1; ++j)
              for (Long col = c.i0; col <= c.i1; ++col) pon(Indice_Celda(col, j), static_cast<Long>(i));
          }
        });
      },
      n >= puntos_por_hilo_);
  cobertura_.Llena(abiertos_bloque_.size(), [&](auto&& pon) {
    for (std::size_t i = 0; i < n; ++i) {
      const Cota& c = cercania_[i].cota;
      if (paradas_[i].primer_vecino < 0 || por_celdas(c)) continue;
      for (Long bj = c.j0 / kBloque; bj <= c.j1 / kBloque; ++bj)
        for (Long bi = c.i0 / kBloque; bi <= c.i1 / kBloque; ++bi) pon(Bloque(bi, bj), static_cast<Long>(i));
    }
  });
  por_vecino_.Llena(n, [&](auto&& pon) {
    for (std::size_t i = 0; i < n; ++i)
      if (paradas_[i].primer_vecino >= 0)
        pon(static_cast<std::size_t>(paradas_[i].primer_vecino), static_cast<Long>(i));
  });
  detiene_ = Conjunto_Bits(n, false);
  for (std::size_t i = 0; i < n; ++i) Actualiza_Detiene(static_cast<Long>(i));
  celdas.get();
}

void Barrido_Rapido::Actualiza_Detiene(Long k) {
  const auto i = static_cast<std::size_t>(k);
  const Paradas& p = paradas_[i];
  detiene_.Pon(i,
               p.primer_vecino < pto_reflejado_ || varios_.Tiene(i) || p.bloques > 0 || p.celdas > 0 || p.franjas > 0);
}

template <typename F>
bool Barrido_Rapido::Alguna_Nivelada(Long i, F&& f) const {
  // Point i itself, being unconnected, is a corner of no triangle.
  const Franja& franja = franja_[static_cast<std::size_t>(i)];
  for (Long m = segundos_por_y_.Siguiente(franja.desde, franja.hasta - 1); m < franja.hasta;
       m = segundos_por_y_.Siguiente(m + 1, franja.hasta - 1)) {
    const Long o = por_y_[static_cast<std::size_t>(m)];
    if (o != i && f(o)) return true;
  }
  return false;
}

bool Barrido_Rapido::Detiene_Ahora(Long k) {
  const auto i = static_cast<std::size_t>(k);
  const Paradas& p = paradas_[i];
  if (p.primer_vecino < 0) return true;
  const auto nivelada = [&] {
    return varios_.Tiene(i) ? Alguna_Nivelada(k, [](Long) { return true; }) : p.franjas > 0;
  };
  // A point whose bound rests on neighbours no longer scanned has nothing to visit while no open triangle is filed
  // within the bound that those still scanned give.
  if (p.primer_vecino < pto_reflejado_) return nivelada() || !Parcial_Vacia(k);
  // Otherwise only a point with many level points can have its bit set with nothing to visit.
  return !varios_.Tiene(i) || p.bloques > 0 || p.celdas > 0 || nivelada();
}

template <typename B, typename F>
bool Barrido_Rapido::Celdas_Con_Abiertos(const Cota& c, B&& bloque, F&& f) const {
  for (Long bj = c.j0 / kBloque; bj <= c.j1 / kBloque; ++bj)
    for (Long bi = c.i0 / kBloque; bi <= c.i1 / kBloque; ++bi) {
      const std::size_t b = Bloque(bi, bj);
      if (abiertos_bloque_[b] == 0 || !bloque(b, bi, bj)) continue;
      for (Long j = std::max(c.j0, bj * kBloque); j <= std::min(c.j1, bj * kBloque + kBloque - 1); ++j)
        for (Long col = std::max(c.i0, bi * kBloque); col <= std::min(c.i1, bi * kBloque + kBloque - 1); ++col)
          if (f(Indice_Celda(col, j))) return true;
    }
  return false;
}

bool Barrido_Rapido::Parcial_Vacia(Long k) {
  const Parcial& pc = Cota_Parcial(k);
  return pc.cota.alcance < kInf && !Celdas_Con_Abiertos(
                                       pc.cota, [](std::size_t, Long, Long) { return true; },
                                       [&](std::size_t celda) { return abiertos_en_celda_[celda] > 0; });
}

bool Barrido_Rapido::Cambia_Cuenta(Long& cuenta, int d, const Listas<Long>& avisar, std::size_t k,
                                   Long Paradas::*suya) {
  const bool antes = cuenta > 0;
  cuenta += d;
  if (antes == (cuenta > 0)) return false;
  // The points lie far apart in the table: their records are all asked for before the first is read.
  for (const Long i : avisar[k]) Anticipa_Memoria(&paradas_[static_cast<std::size_t>(i)]);
  for (const Long i : avisar[k]) {
    // A connected point is never looked at again: its counts may lapse.
    if (!sin_conectar_.Tiene(static_cast<std::size_t>(i))) continue;
    paradas_[static_cast<std::size_t>(i)].*suya += d;
    Actualiza_Detiene(i);
  }
  return true;
}

template <typename F>
void Barrido_Rapido::Celdas_Archivo(Long t, F&& f) const {
  const auto& T = s_.Triangs;
  const auto k = static_cast<std::size_t>(t);
  const XYZ& B = s_.Puntos_Trab[static_cast<std::size_t>(T.V2[k])];
  const XYZ& C = s_.Puntos_Trab[static_cast<std::size_t>(T.V3[k])];
  const Long cb = Columna(B.X), fb = Fila(B.Y), cc = Columna(C.X), fc = Fila(C.Y);
  f(cb, fb);
  if (cc != cb || fc != fb) f(cc, fc);
}

void Barrido_Rapido::Cuenta_Triangulo(Long t, int d) {
  Celdas_Archivo(t, [&](Long columna, Long fila) {
    const std::size_t celda = Indice_Celda(columna, fila), bloque = Bloque(columna / kBloque, fila / kBloque);
    // Filed once: the lists drop it themselves when a search finds it closed or left behind.
    if (d > 0) {
      abiertos_celda_[celda].push_back(t);
      ultimo_en_celda_[celda] = t;
      ultimo_en_bloque_[bloque] = t;
    }
    if (Cambia_Cuenta(abiertos_en_celda_[celda], d, cobertura_celdas_, celda, &Paradas::celdas))
      Cambia_Cuenta(abiertos_bloque_[bloque], d, cobertura_, bloque, &Paradas::bloques);
  });
  const Long v2 = s_.Triangs.V2[static_cast<std::size_t>(t)], v3 = s_.Triangs.V3[static_cast<std::size_t>(t)];
  Cambia_Segundo(v2, d);
  if (v3 != v2) Cambia_Segundo(v3, d);
}

void Barrido_Rapido::Sigue_Limites() {
  if (s_.Primer_Pto != pto_reflejado_) {
    // Primer_Pto takes the first corner of the last triangle found behind, which may lie before the last one.
    const Long desde = std::min(pto_reflejado_, s_.Primer_Pto), hasta = std::max(pto_reflejado_, s_.Primer_Pto);
    pto_reflejado_ = s_.Primer_Pto;
    ++epoca_;
    for (std::size_t m = por_vecino_.inicio[static_cast<std::size_t>(desde)];
         m < por_vecino_.inicio[static_cast<std::size_t>(hasta)]; ++m)
      Actualiza_Detiene(por_vecino_.elementos[m]);
  }
  // Open triangles left behind Primer_Tri are never visited again.
  for (Long t = Siguiente_Abierto(tri_reflejado_); t < s_.Primer_Tri; t = Siguiente_Abierto(t + 1))
    Cuenta_Triangulo(t, -1);
  tri_reflejado_ = std::max(tri_reflejado_, s_.Primer_Tri);
}

void Barrido_Rapido::Celdas_Caja(const XYZ& P, const Caja& caja, Long& i0, Long& i1, Long& j0, Long& j1) const {
  // The floating-point cell index never decreases with the coordinate: a box just wider covers every cell of a
  // point within it.
  const auto abajo = [](double a, double b) { return std::nextafter(a + b * (1 + 1e-9), -kInf); };
  const auto arriba = [](double a, double b) { return std::nextafter(a + b * (1 + 1e-9), kInf); };
  i0 = Columna(abajo(P.X, caja.x0)), i1 = Columna(arriba(P.X, caja.x1));
  j0 = Fila(abajo(P.Y, caja.y0)), j1 = Fila(arriba(P.Y, caja.y1));
}

Long Barrido_Rapido::Pasa_Quietos(Long i, Long tope) {
  // While points are passed over nothing changes, so what concerns every point is looked at once: a triangle
  // that the bound does not cover is visited by every point.
  // A triangle the bound does not cover is tried, unless the point's earlier visits found that it rejects it.
  inseguros_en_rango_.clear();
  for (auto it = inseguros_.lower_bound(s_.Primer_Tri); it != inseguros_.end() && it->first < s_.count; ++it) {
    if (inseguros_en_rango_.size() == kInseguros_Probados) return i;
    inseguros_en_rango_.push_back(it);
  }
  // A triangle behind the sweep moves the scan limits when visited, unless it is the one at Primer_Tri and
  // Primer_Pto is already its first corner: then its visit changes nothing. Kept until a limit or the index of
  // right-most corners changes (visits that only reject change neither, and a triangle that never enters the index
  // adds nothing to it).
  const Clave_Minima clave{s_.Primer_Tri, s_.Primer_Pto, cambios_derecha_};
  if (!(clave == clave_minima_)) {
    const auto& T = s_.Triangs;
    const auto primero = static_cast<std::size_t>(s_.Primer_Tri);
    const bool primero_sin_efecto =
        s_.Primer_Tri < s_.count && !Es_Verdadero(T.Cerrado[primero]) && T.V1[primero] == s_.Primer_Pto;
    double x_minima = 0, x_maxima = 0, x_primero = kInf;
    x_derecha_.Extremos(s_.Primer_Tri + (primero_sin_efecto ? 1 : 0), s_.count, x_minima, x_maxima);
    if (s_.Primer_Tri < s_.count && !primero_sin_efecto)
      x_derecha_.Extremos(s_.Primer_Tri, s_.Primer_Tri + 1, x_primero, x_maxima);
    clave_minima_ = clave;
    x_minima_ = std::min(x_minima, x_primero);
  }
  const Long detras = Primero_Detras(i, tope);
  Long parada = detiene_.Siguiente(i, detras - 1, &sin_conectar_);
  while (parada < detras && !Detiene_Ahora(parada)) parada = detiene_.Siguiente(parada + 1, detras - 1, &sin_conectar_);
  if (parada >= detras) parada = sin_conectar_.Siguiente(detras, tope);
  if (!inseguros_en_rango_.empty()) {
    Renueva_Por_Probar(i, parada - 1);
    // Only points near the zones of those triangles (or not yet scanning what the zones rest on) need trying.
    const auto [primero_lejos, cerca_desde, cerca_hasta] = Cerca_De_Inseguros(i, parada);
    const auto prueba = [&](Long desde, Long hasta) {
      for (Long k = por_probar_.Siguiente(desde, hasta - 1, &sin_conectar_); k < hasta;
           k = por_probar_.Siguiente(k + 1, hasta - 1, &sin_conectar_)) {
        if (!Rechazan_Inseguros(k)) return k;
        por_probar_.Pon(static_cast<std::size_t>(k), false);
      }
      return hasta;
    };
    const Long fallo = prueba(i, primero_lejos);
    if (fallo < primero_lejos) {
      parada = fallo;
    } else if (cerca_desde < cerca_hasta) {
      const Long otro = prueba(cerca_desde, cerca_hasta);
      if (otro < cerca_hasta) parada = otro;
    }
  }
  if (parada > i && !Cierra_Pendientes(i)) return i;
  // Each point passed over would have been the current point in turn.
  const Long ultimo = sin_conectar_.Anterior(parada - 1, i);
  if (ultimo >= 0) s_.Punto_Actual = ultimo;
  return parada;
}

bool Barrido_Rapido::Cierra_Pendientes(Long i) {
  // Closing takes triangles out of inseguros_: the ones noted from it are not needed again.
  inseguros_en_rango_.clear();
  const auto pendientes = [&] { return por_cerrar_.lower_bound(s_.Primer_Tri); };
  for (auto it = pendientes(); it != por_cerrar_.end() && *it < s_.count; ++it)
    if (!Solo_Cierra(*it, i)) return false;
  // Closing one takes it out of the set.
  for (auto it = pendientes(); it != por_cerrar_.end() && *it < s_.count; it = pendientes()) Cierra(*it);
  return true;
}

Long Barrido_Rapido::Primero_Detras(Long i, Long tope) {
  Detras_Reciente& d = detras_reciente_;
  if (!(d.x_minima == x_minima_ && d.tope == tope && d.desde <= i)) {
    // The points ascend in X: when the last of the range sees nothing behind, none does (the common case), and
    // the answer for a later start is the larger of the start and this one.
    const auto& pts = s_.Puntos_Trab;
    const auto ve_detras = [&](const XYZ& p) { return !(p.X - s_.Dist_Busqueda < x_minima_); };
    const Long primero = !ve_detras(pts[static_cast<std::size_t>(tope)])
                             ? tope + 1
                             : std::partition_point(pts.begin() + i, pts.begin() + tope + 1, [&](const XYZ& p) {
                                 return !ve_detras(p);
                               }) - pts.begin();
    d = {x_minima_, i, tope, static_cast<Long>(primero)};
  }
  return std::max(i, d.primero);
}

void Barrido_Rapido::Renueva_Por_Probar(Long desde, Long hasta) {
  if (hasta < desde) return;
  for (auto w = Conjunto_Bits::Palabra_De(static_cast<std::size_t>(desde));
       w <= Conjunto_Bits::Palabra_De(static_cast<std::size_t>(hasta)); ++w) {
    if (epoca_palabra_[w] == epoca_) continue;
    por_probar_.Copia_Palabra(sin_conectar_, w);
    epoca_palabra_[w] = epoca_;
  }
}

std::array<Long, 3> Barrido_Rapido::Cerca_De_Inseguros(Long i, Long parada) const {
  const auto& pts = s_.Puntos_Trab;
  double x0 = kInf, x1 = -kInf, x_escaneo = -kInf;
  for (const auto it : inseguros_en_rango_)
    for (const Zona_Insegura& z : it->second) {
      const double r = (z.zona.alcance + z.zona.epsilon) * (1 + 1e-9) + 1e-9;
      if (!(r < kInf) || s_.Primer_Pto > z.vecinos_min) return {parada, parada, parada};
      const double x = pts[static_cast<std::size_t>(z.segunda)].X;
      x0 = std::min(x0, x - r), x1 = std::max(x1, x + r);
      // From this X on a point's scan reaches every point the zone rests on.
      if (z.vecinos_max >= 0)
        x_escaneo = std::max(x_escaneo, maximo_x_hasta_[static_cast<std::size_t>(z.vecinos_max)] - s_.Dist_Busqueda);
    }
  // Points ascend in X: those before x_escaneo and those within [x0, x1] are the ones to try.
  const auto primera = [&](auto&& antes) {
    // Most answers are an end of the range, looked at before a search that would miss the cache at every step.
    if (i >= parada || !antes(pts[static_cast<std::size_t>(i)])) return i;
    if (antes(pts[static_cast<std::size_t>(parada - 1)])) return parada;
    return static_cast<Long>(std::partition_point(pts.begin() + i, pts.begin() + parada, antes) - pts.begin());
  };
  const Long lejos = primera([&](const XYZ& p) { return !(p.X >= x_escaneo); });
  return {lejos, std::max(lejos, primera([&](const XYZ& p) { return p.X < x0; })),
          primera([&](const XYZ& p) { return !(p.X > x1); })};
}

bool Barrido_Rapido::Rechazan_Inseguros(Long k) {
  Rechazos& r = rechazos_[static_cast<std::size_t>(k)];
  const bool previos = Vigente(k, r);
  // The points the tries find inside their circles, noted as a visit's are.
  actuales_ = {};
  bool probados = false;
  for (const auto it : inseguros_en_rango_) {
    const Long t = it->first;
    if (previos && t <= r.hasta) continue;
    if (!Fuera_De_Zonas(it->second, k) && Aceptaria(t, k)) return false;
    probados = true;
  }
  if (!probados) return true;
  // Now every open triangle is known to reject the point: the others through the neighbours its bound rests on,
  // which the point's being passed over requires scanned.
  const Cota& c = paradas_[static_cast<std::size_t>(k)].primer_vecino < pto_reflejado_
                      ? Cota_Parcial(k).cota
                      : cercania_[static_cast<std::size_t>(k)].cota;
  const Rechazos antes = previos ? r : Rechazos{};
  r = Registro(k, s_.count - 1, std::min({antes.testigo_min, actuales_.testigo_min, c.vecinos_min}),
               std::max({antes.testigo_max, actuales_.testigo_max, c.vecinos_max}));
  return true;
}

const Barrido_Rapido::Parcial& Barrido_Rapido::Cota_Parcial(Long i) {
  // Which neighbours are left depends only on which of them lie before the scan's first point, so the bound
  // holds while that point stays between the same two of them.
  Long& lugar = parcial_de_[static_cast<std::size_t>(i)];
  if (lugar < 0) {
    lugar = static_cast<Long>(parciales_.size());
    parciales_.emplace_back();
  }
  Parcial& pc = parciales_[static_cast<std::size_t>(lugar)];
  if (pc.pto_desde <= s_.Primer_Pto && s_.Primer_Pto <= pc.pto_hasta) return pc;
  const XYZ& P = s_.Puntos_Trab[static_cast<std::size_t>(i)];
  const double limite = P.X + s_.Dist_Busqueda;
  const auto fuera = [&](int q) {
    return q < s_.Primer_Pto || !(maximo_x_hasta_[static_cast<std::size_t>(q)] <= limite);
  };
  alcance_.Anillo(static_cast<std::size_t>(i), vecinos_);
  pc.pto_desde = 0, pc.pto_hasta = std::numeric_limits<Long>::max();
  for (const int q : vecinos_) {
    if (q < s_.Primer_Pto) pc.pto_desde = std::max<Long>(pc.pto_desde, q + 1);
    if (q >= s_.Primer_Pto) pc.pto_hasta = std::min<Long>(pc.pto_hasta, q);
  }
  std::erase_if(vecinos_, fuera);
  pc.cota.alcance = alcance_.Alcance_De_Anillo(static_cast<std::size_t>(i), vecinos_, &pc.region, false);
  if (!(pc.cota.alcance < kInf)) {
    // The neighbours left leave a side open (the point is at the scan's first edge or the survey's): scanned
    // points of its column of cells (or the next), at doubling distances up and down from it, bound the centres
    // there too. Taken from its own position or its first neighbour's on, they stay scanned as long as those do.
    const Long desde = vecinos_.empty() ? i : std::min<Long>(i, *std::min_element(vecinos_.begin(), vecinos_.end()));
    // Points taken before the scan's first point would change with it.
    if (desde < s_.Primer_Pto) pc.pto_desde = pc.pto_hasta = s_.Primer_Pto;
    const Long columna = Columna(P.X), fila = Fila(P.Y);
    for (Long paso = 1; paso < filas_; paso *= 2)
      for (const Long f : {fila - paso, fila + paso}) {
        if (f < 0 || f >= filas_) continue;
        for (Long c = columna; c <= std::min(columna + 1, columnas_ - 1); ++c) {
          const auto puntos = puntos_celda_[Indice_Celda(c, f)];
          const auto it = std::lower_bound(puntos.begin(), puntos.end(), desde);
          if (it == puntos.end() || fuera(static_cast<int>(*it))) continue;
          vecinos_.push_back(static_cast<int>(*it));
          break;
        }
      }
    pc.cota.alcance = alcance_.Alcance_De_Puntos(static_cast<std::size_t>(i), vecinos_, pc.region);
  }
  if (!(pc.cota.alcance < kInf)) return pc;
  Alcance_Aceptacion::Deja_Casco(pc.region);
  Completa_Cota(alcance_, i, vecinos_, pc.region, pc.cota);
  return pc;
}

void Barrido_Rapido::Completa_Cota(const Alcance_Aceptacion& alcance, Long i, const std::vector<int>& vecinos,
                                   const std::vector<Alcance_Aceptacion::Esquina>& region, Cota& cota) const {
  const auto [mn, mx] = std::minmax_element(vecinos.begin(), vecinos.end());
  cota.vecinos_min = *mn, cota.vecinos_max = *mx;
  cota.caja = alcance.Caja_Segundas(static_cast<std::size_t>(i), region.data(), region.size());
  Celdas_Caja(s_.Puntos_Trab[static_cast<std::size_t>(i)], cota.caja, cota.i0, cota.i1, cota.j0, cota.j1);
}

void Barrido_Rapido::Busca_Candidatos(Long i, Long hasta) {
  cercanos_ = false;
  const Cercania& c = cercania_[static_cast<std::size_t>(i)];
  if (!(c.cota.alcance < kInf)) return;
  const auto& T = s_.Triangs;
  const auto& pts = s_.Puntos_Trab;
  const XYZ& P = pts[static_cast<std::size_t>(i)];
  const Cota* cota = &c.cota;
  const Alcance_Aceptacion::Esquina* region = nullptr;
  std::size_t esquinas = 0;
  if (c.amplio >= 0) {
    const Amplio& a = amplios_[static_cast<std::size_t>(c.amplio)];
    region = regiones_.data() + a.desde, esquinas = a.esquinas;
  }
  if (s_.Primer_Pto > cota->vecinos_min ||
      (!c.vecinos_antes_del_limite && !Escaneados(punto_, cota->vecinos_min, cota->vecinos_max))) {
    // Some neighbours have left the scanned range: those still in it bound the centres less tightly, if they
    // still surround the point.
    const Parcial& pc = Cota_Parcial(i);
    if (!(pc.cota.alcance < kInf)) return;
    cota = &pc.cota;
    region = pc.region.data(), esquinas = pc.region.size();
  }
  vecinos_min_ = cota->vecinos_min, vecinos_max_ = cota->vecinos_max;
  const double alcance = cota->alcance;
  const Caja& caja = cota->caja;
  const Long i0 = cota->i0, i1 = cota->i1, j0 = cota->j0, j1 = cota->j1;
  candidatos_.clear();
  siguiente_candidato_ = 0;
  candidatos_sin_previos_ = Vigente(punto_, previos_);
  // Earlier rejections that no longer hold stand for nothing now: every candidate is tried again.
  if (!candidatos_sin_previos_) actuales_ = {};
  const Long primero = candidatos_sin_previos_ ? previos_.hasta + 1 : s_.Primer_Tri;
  const double alcance2 = alcance * alcance * (1 + 1e-9);
  const auto cerca = [&](Long k) {
    const XYZ& Q = pts[static_cast<std::size_t>(k)];
    const double dx = Q.X - P.X, dy = Q.Y - P.Y;
    return caja.Contiene(Vert{dx, dy}) && dx * dx + dy * dy <= alcance2;
  };
  const auto posible = [&](Long k) {
    const XYZ& Q = pts[static_cast<std::size_t>(k)];
    return cerca(k) && (!region || alcance_.Posible_Segunda({Q.X - P.X, Q.Y - P.Y}, region, esquinas, alcance));
  };
  // Only an edge that may still be tried can accept a point of short reach.
  const bool solo_vivas = alcance <= alcance_maximo_;
  const auto con_segunda_posible = [&](Long t) {
    const auto k = static_cast<std::size_t>(t);
    const std::uint8_t vivas = solo_vivas ? vivas_[k] : kViva_En_2 | kViva_En_3;
    return ((vivas & kViva_En_2) != 0 && posible(T.V2[k])) || ((vivas & kViva_En_3) != 0 && posible(T.V3[k]));
  };
  // The open triangles in range are looked through one by one when they are fewer than the cells to look at.
  const Long desde = std::max(primero, s_.Primer_Tri);
  const double en_rango = static_cast<double>(hasta - desde + 1);
  // A point bounded by a region's corners looks only at the blocks that can hold a second corner.
  const double celdas = static_cast<double>(i1 - i0 + 1) * static_cast<double>(j1 - j0 + 1);
  const double bloques =
      static_cast<double>(i1 / kBloque - i0 / kBloque + 1) * static_cast<double>(j1 / kBloque - j0 / kBloque + 1);
  const auto bloque_posible = [&](Long bi, Long bj) {
    if (!region) return true;
    const double ancho = kBloque * lado_celda_, holgura = 1e-6 * lado_celda_ + 1e-6;
    const double bx = x0_ + static_cast<double>(bi) * ancho - P.X, by = y0_ + static_cast<double>(bj) * ancho - P.Y;
    Caja b{bx - holgura, by - holgura, bx + ancho + holgura, by + ancho + holgura};
    // Edge blocks reach out to every point beyond the grid on their side.
    if (bi == 0) b.x0 = std::min(b.x0, todo_.x0 - P.X - holgura);
    if (bj == 0) b.y0 = std::min(b.y0, todo_.y0 - P.Y - holgura);
    if ((bi + 1) * kBloque >= columnas_) b.x1 = std::max(b.x1, todo_.x1 - P.X + holgura);
    if ((bj + 1) * kBloque >= filas_) b.y1 = std::max(b.y1, todo_.y1 - P.Y + holgura);
    return alcance_.Toca_Region(b, region, esquinas, alcance);
  };
  if ((region ? bloques : celdas) > en_rango) {
    for (Long t = Siguiente_Abierto(desde); t <= hasta; t = Siguiente_Abierto(t + 1))
      if (con_segunda_posible(t)) candidatos_.push_back(t);
  } else {
    // Blocks and cells where nothing was filed since the point's last visits have nothing new for it.
    Celdas_Con_Abiertos(
        *cota,
        [&](std::size_t b, Long bi, Long bj) { return ultimo_en_bloque_[b] >= primero && bloque_posible(bi, bj); },
        [&](std::size_t celda) {
          if (ultimo_en_celda_[celda] < primero) return false;
          // Filed in order of position and kept in it: those from `desde` on are the list's tail. Closed ones there
          // are dropped now (a closed triangle is never visited again); those left behind Primer_Tri, once they
          // are half the list.
          auto& lista = abiertos_celda_[celda];
          const auto detras = std::lower_bound(lista.begin(), lista.end(), s_.Primer_Tri);
          if (2 * (detras - lista.begin()) > static_cast<std::ptrdiff_t>(lista.size()))
            lista.erase(lista.begin(), detras);
          auto queda = std::lower_bound(lista.begin(), lista.end(), desde);
          for (auto it = queda; it != lista.end(); ++it) {
            const Long t = *it;
            const auto k = static_cast<std::size_t>(t);
            if (Es_Verdadero(T.Cerrado[k])) continue;
            *queda++ = t;
            if (t <= hasta && con_segunda_posible(t)) candidatos_.push_back(t);
          }
          lista.erase(queda, lista.end());
          return false;
        });
  }
  const auto de_punto = [&](Long k) {
    for (Long e = primero_en_vertice_[static_cast<std::size_t>(k)]; e >= 0;
         e = siguiente_en_vertice_[static_cast<std::size_t>(e)]) {
      const Long t = e / 3;
      if (t > hasta) break;
      if (e % 3 == 0 || t < primero || Es_Verdadero(T.Cerrado[static_cast<std::size_t>(t)])) continue;
      candidatos_.push_back(t);
    }
  };
  // A level point that is the second corner of no open triangle has none to give.
  Alguna_Nivelada(i, [&](Long o) {
    de_punto(o);
    return false;
  });
  for (auto it = inseguros_.lower_bound(primero); it != inseguros_.end() && it->first <= hasta; ++it)
    candidatos_.push_back(it->first);
  std::sort(candidatos_.begin(), candidatos_.end());
  candidatos_.erase(std::unique(candidatos_.begin(), candidatos_.end()), candidatos_.end());
  cercanos_ = true;
  salto_cercanos_ = true;
  pto_cercanos_ = s_.Primer_Pto;
  // The triangles passed over reject P through its neighbours: they stand for it as the points found inside.
  actuales_.testigo_min = std::min(actuales_.testigo_min, vecinos_min_);
  actuales_.testigo_max = std::max(actuales_.testigo_max, vecinos_max_);
}

void Barrido_Rapido::Triangulo_Nuevo(Long t) {
  // Positions are filled in order; position t + 1 stands for "beyond the table" until it is filled.
  siguiente_abierto_.resize(static_cast<std::size_t>(t) + 2);
  siguiente_abierto_[static_cast<std::size_t>(t)] = t;
  siguiente_abierto_[static_cast<std::size_t>(t) + 1] = t + 1;
  siguiente_en_vertice_.resize(3 * (static_cast<std::size_t>(t) + 1), -1);
  vivas_.push_back(Vivas(t));
  const auto& T = s_.Triangs;
  const Long v[3] = {T.V1[static_cast<std::size_t>(t)], T.V2[static_cast<std::size_t>(t)],
                     T.V3[static_cast<std::size_t>(t)]};
  for (int c = 0; c < 3; ++c) {
    // A seed of repeated corners lists the triangle once per distinct corner.
    if (c > 0 && v[c] == v[c - 1]) continue;
    const auto vc = static_cast<std::size_t>(v[c]);
    const Long enlace = 3 * t + c;
    if (ultimo_en_vertice_[vc] < 0) {
      primero_en_vertice_[vc] = enlace;
    } else {
      siguiente_en_vertice_[static_cast<std::size_t>(ultimo_en_vertice_[vc])] = enlace;
    }
    ultimo_en_vertice_[vc] = enlace;
  }
  if (Puede_Quedar_Detras(t)) {
    x_derecha_.Pon(t, s_.Puntos_Trab[static_cast<std::size_t>(v[2])].X);
    ++cambios_derecha_;
  }
  for (const Long k : v) sin_conectar_.Pon(static_cast<std::size_t>(k), false);
  const auto& pts = s_.Puntos_Trab;
  // Filed under the cells of its two corners that can be an edge's second corner.
  Cuenta_Triangulo(t, 1);
  const XYZ& A = pts[static_cast<std::size_t>(v[0])];
  const XYZ& B = pts[static_cast<std::size_t>(v[1])];
  // Triangles the bound does not cover are visited by every point, and tried for every point passed over that
  // lies within reach of one of the edges it does not cover.
  if (v[0] == v[1] || v[1] == v[2]) {
    inseguros_[t] = {{v[2], {}, 0, -1}};
    ++epoca_;
    return;
  }
  std::vector<Zona_Insegura> zonas;
  const auto zona = [&](const XYZ& X, Long y, Long o) {
    if (Alcance_Aceptacion::Lado_Seguro(X, pts[static_cast<std::size_t>(y)])) return;
    Zona_Insegura z{y, alcance_.Zona_Lado_Inseguro(X, static_cast<std::size_t>(y), static_cast<int>(o), vecinos_)};
    if (!vecinos_.empty()) {
      const auto [mn, mx] = std::minmax_element(vecinos_.begin(), vecinos_.end());
      z.vecinos_min = *mn, z.vecinos_max = *mx;
    }
    zonas.push_back(z);
  };
  zona(A, v[2], v[1]);
  zona(B, v[2], v[0]);
  zona(A, v[1], v[2]);
  if (zonas.empty()) return;
  inseguros_[t] = std::move(zonas);
  ++epoca_;
}

bool Barrido_Rapido::Fuera_De_Zonas(const std::vector<Zona_Insegura>& zonas, Long k) {
  const XYZ& P = s_.Puntos_Trab[static_cast<std::size_t>(k)];
  for (const Zona_Insegura& z : zonas) {
    const XYZ& Y = s_.Puntos_Trab[static_cast<std::size_t>(z.segunda)];
    if (alcance_.En_Zona({P.X - Y.X, P.Y - Y.Y}, z.zona) || !Escaneados(k, z.vecinos_min, z.vecinos_max)) return false;
  }
  // The points these rest on stand for the point as the points found inside its circles would.
  for (const Zona_Insegura& z : zonas) {
    actuales_.testigo_min = std::min(actuales_.testigo_min, z.vecinos_min);
    actuales_.testigo_max = std::max(actuales_.testigo_max, z.vecinos_max);
  }
  return true;
}

void Barrido_Rapido::Lado_Marcado(Long t) {
  const auto& T = s_.Triangs;
  const auto k = static_cast<std::size_t>(t);
  if (Es_Verdadero(T.Cerrado[k])) return;
  if (Lados_Marcados(t)) por_cerrar_.insert(t);
  vivas_[k] = Vivas(t);
}

std::uint8_t Barrido_Rapido::Vivas(Long t) const {
  const auto& T = s_.Triangs;
  const auto& pts = s_.Puntos_Trab;
  const auto k = static_cast<std::size_t>(t);
  const auto viva = [&](Boolean marcado, Long x, Long y) {
    if (!Es_Verdadero(marcado)) return true;
    // The point lies within alcance_maximo_ of the second corner y, so within the edge's length and that of x:
    // with room for the rounding of both distances, it is near both ends.
    const XYZ& X = pts[static_cast<std::size_t>(x)];
    const XYZ& Y = pts[static_cast<std::size_t>(y)];
    const double dx = X.X - Y.X, dy = X.Y - Y.Y;
    return !((std::sqrt(dx * dx + dy * dy) + alcance_maximo_) * (1 + 1e-6) <= s_.Dist_Busqueda);
  };
  const bool en_2 = viva(T.Lado12[k], T.V1[k], T.V2[k]);
  const bool en_3 = viva(T.Lado13[k], T.V1[k], T.V3[k]) || viva(T.Lado23[k], T.V2[k], T.V3[k]);
  return static_cast<std::uint8_t>((en_2 ? kViva_En_2 : 0) | (en_3 ? kViva_En_3 : 0));
}

void Barrido_Rapido::Triangulo_Cerrado(Long t) {
  Cuenta_Triangulo(t, -1);
  siguiente_abierto_[static_cast<std::size_t>(t)] = t + 1;
  if (Puede_Quedar_Detras(t)) {
    x_derecha_.Quita(t);
    ++cambios_derecha_;
  }
  por_cerrar_.erase(t);
  inseguros_.erase(t);
}

bool Barrido_Rapido::Marca_Lado(Long u, Long w) {
  auto& T = s_.Triangs;
  for (Long e = primero_en_vertice_[static_cast<std::size_t>(u)]; e >= 0;
       e = siguiente_en_vertice_[static_cast<std::size_t>(e)]) {
    const Long t = e / 3;
    if (t >= s_.count) break;
    const auto k = static_cast<std::size_t>(t);
    if (t < s_.Primer_Tri || Es_Verdadero(T.Cerrado[k])) continue;
    if (Marca_Si_Tiene(t, u, w)) return true;
  }
  return false;
}

Long Barrido_Rapido::Primero_Mas_Alla(Long desde, double limite) const {
  if (desde >= s_.nPuntos) return s_.nPuntos;
  const Long k = x_puntos_.Primero_Mayor(desde, limite);
  return k < 0 ? s_.nPuntos : k;
}

bool Barrido_Rapido::Dentro_En_Rango(Long k, Long salta, const Circulo& c, double R2) {
  if (k == salta || !Dentro_Del_Circulo(s_.Puntos_Trab[static_cast<std::size_t>(k)], c, R2)) return false;
  ultimo_dentro_ = k;
  actuales_.testigo_min = std::min(actuales_.testigo_min, k);
  actuales_.testigo_max = std::max(actuales_.testigo_max, k);
  return true;
}

bool Barrido_Rapido::Hay_Punto_Dentro(Long desde, double limite, Long salta, bool salta_antes_del_limite,
                                      const Circulo& c, double R2) {
  // No squared distance plus the slack is below a radius that is this small or not a number.
  if (!(R2 > 0)) return false;
  const Long salta_al_limite = salta_antes_del_limite ? salta : -1;
  if (reciente_.desde != desde || reciente_.limite != limite || reciente_.salta != salta_al_limite) {
    // A limit beyond every point (a search distance as wide as the survey) ends the scan at the last one.
    Long fin = maximo_x_hasta_.back() <= limite ? s_.nPuntos : Primero_Mas_Alla(desde, limite);
    if (salta_antes_del_limite && fin == salta) fin = Primero_Mas_Alla(salta + 1, limite);
    // The strip of the range changes only with its ends.
    const bool mismo_rango = reciente_.desde == desde && reciente_.hasta == fin;
    reciente_.desde = desde, reciente_.limite = limite, reciente_.salta = salta_al_limite, reciente_.hasta = fin;
    if (!mismo_rango && fin > desde) x_puntos_.Extremos(desde, fin, reciente_.xmin, reciente_.xmax);
  }
  const Long hasta = reciente_.hasta;
  if (hasta <= desde) return false;
  if (ultimo_dentro_ >= desde && ultimo_dentro_ < hasta && Dentro_En_Rango(ultimo_dentro_, salta, c, R2)) return true;
  if (hasta - desde <= kRango_Corto) {
    for (Long k = desde; k < hasta; ++k)
      if (Dentro_En_Rango(k, salta, c, R2)) return true;
    return false;
  }
  // Cells covering the circle's bounding box, just wider than the rounding of the inside test and of the box's
  // ends: the cell index never decreases with the coordinate, so no cell of a point inside is left out.
  const double r = std::sqrt(R2) * (1 + 1e-9);
  const double mx = 1e-9 * std::fabs(c.Xc), my = 1e-9 * std::fabs(c.Yc);
  // Only the strip of columns the scanned positions lie in.
  const double xmin = reciente_.xmin, xmax = reciente_.xmax;
  // Both ends into the grid: the edge cells hold the points beyond it. An empty range stays empty.
  const double xa = std::max(c.Xc - r - mx, xmin), xb = std::min(c.Xc + r + mx, xmax);
  if (!(xa <= xb)) return false;
  const Long i0 = Columna(xa), i1 = Columna(xb), j0 = Fila(c.Yc - r - my), j1 = Fila(c.Yc + r + my);
  const double celdas = static_cast<double>(i1 - i0 + 1) * static_cast<double>(j1 - j0 + 1);
  if (celdas > static_cast<double>(hasta - desde)) {
    for (Long k = desde; k < hasta; ++k)
      if (Dentro_En_Rango(k, salta, c, R2)) return true;
    return false;
  }
  const auto celda_con_punto_dentro = [&](Long i, Long j) {
    const auto puntos = puntos_celda_[Indice_Celda(i, j)];
    auto it = puntos.begin();
    // The scan mostly starts before the cell's first point.
    if (it != puntos.end() && *it < desde) it = std::lower_bound(it, puntos.end(), desde);
    for (; it != puntos.end() && *it < hasta; ++it)
      if (Dentro_En_Rango(*it, salta, c, R2)) return true;
    return false;
  };
  // Rings of cells outward from the cell nearest the centre: a point inside a wide circle is found at once,
  // and an empty circle costs the cells it covers.
  const Long ci = std::clamp(Celda(c.Xc, x0_, columnas_), i0, i1);
  const Long cj = std::clamp(Celda(c.Yc, y0_, filas_), j0, j1);
  const Long anillos = std::max({ci - i0, i1 - ci, cj - j0, j1 - cj});
  if (celda_con_punto_dentro(ci, cj)) return true;
  if (anillos <= 1) {
    // A small circle: the other cells in plain order, cheaper than going round.
    for (Long j = j0; j <= j1; ++j)
      for (Long i = i0; i <= i1; ++i)
        if ((i != ci || j != cj) && celda_con_punto_dentro(i, j)) return true;
    return false;
  }
  for (Long a = 1; a <= anillos; ++a) {
    // The ring's first and last rows, then its two sides between them, as far as they lie in the box.
    const Long ia = std::max(ci - a, i0), ib = std::min(ci + a, i1);
    for (const Long j : {cj - a, cj + a}) {
      if (j < j0 || j > j1) continue;
      for (Long i = ia; i <= ib; ++i)
        if (celda_con_punto_dentro(i, j)) return true;
    }
    for (Long j = std::max(cj - a + 1, j0); j <= std::min(cj + a - 1, j1); ++j)
      if ((ci - a >= i0 && celda_con_punto_dentro(ci - a, j)) || (ci + a <= i1 && celda_con_punto_dentro(ci + a, j)))
        return true;
  }
  return false;
}

bool Construye_Rapido(Estado_Triangulos& s) {
  // Points exactly on one circle with nothing inside it leave every circle through them empty: the sweep would join
  // each to every edge before it, in a number of triangles that grows with the cube of theirs. Surveys give under
  // two a point; far beyond that the sweep stops, and the completion makes the rest of the model.
  constexpr long long kPor_Punto = 8, kMargen = 10000;
  const long long tope = kPor_Punto * s.nPuntos + kMargen;
  return Barrido_Rapido(s).Construye(static_cast<Long>(std::min<long long>(tope, std::numeric_limits<Long>::max())));
}

}  // namespace Vyr_Trilat
