// The sweep construction: points in X order, each joined to edges of the triangles already built when the
// circle through the edge and the point is empty of nearby points. The loop bounds, scan limits and
// first-wins rules here decide the result; the three searches it makes (which triangle to visit next, which
// triangle holds an edge, whether a circle holds a point) are virtual so that an indexed version can answer
// them faster with exactly the same answers as the plain scans.
#pragma once

#include <limits>

#include "trilat/c_Triangulos/Estado_Triangulos.h"

namespace Vyr_Trilat {

class Barrido {
 public:
  explicit Barrido(Estado_Triangulos& s) : s_(s) {}
  virtual ~Barrido() = default;
  Barrido(const Barrido&) = delete;
  Barrido& operator=(const Barrido&) = delete;

  // Seed triangle and passes over a prepared working table. False when the abort flag stopped the run. Once more
  // than `tope_triangulos` triangles stand after a point's visits, it stops as if the passes had ended.
  bool Construye(Long tope_triangulos = std::numeric_limits<Long>::max());

 protected:
  // The first triangle at or after position t (and before `hasta`) whose visit for point i may have an effect;
  // hasta + 1 when none. Visiting more triangles than needed is harmless: a Cerrado one is passed over.
  virtual Long Siguiente_Visita(Long t, Long hasta, Long i) = 0;
  // The first position from i to tope whose point's visits may have an effect (tope + 1 when none), leaving
  // Punto_Actual as those visits would; it may do what the first of them would do without an edge's being tried
  // (close the triangles whose flags are all set). Called only where passing over a point writes no progress.
  virtual Long Pasa_Quietos(Long i, Long /*tope*/) { return i; }
  // A position from i to tope + 1 with no unconnected point before it from i on: where the pass goes on after a
  // connected point, past others like it. Called only where passing over a point writes no progress.
  virtual Long Sin_Conectar_Desde(Long i, Long /*tope*/) { return i; }
  // Flags edge u-w (u < w) of the first triangle in Primer_Tri .. count - 1 that is not Cerrado and has it.
  virtual bool Marca_Lado(Long u, Long w) = 0;
  // Scans working points from `desde` in order, stopping at the first beyond `limite` in X (the seed passes
  // over `salta` before looking at the limit; an edge try looks at the limit first), passing over `salta`:
  // true when a scanned point is strictly inside the circle, its squared distance to the centre plus the
  // slack below R2.
  virtual bool Hay_Punto_Dentro(Long desde, double limite, Long salta, bool salta_antes_del_limite, const Circulo& c,
                                double R2) = 0;
  // Flags edge u-w (u < w) of triangle t when t has it, as Marca_Lado does for the triangle it finds.
  bool Marca_Si_Tiene(Long t, Long u, Long w);
  // Notices for indexes: a triangle was stored at position t; edge flags of triangle t were set and it stays
  // open; triangle t became Cerrado; point i starts and ends its visits to triangles up to `hasta`.
  virtual void Triangulo_Nuevo(Long /*t*/) {}
  virtual void Lado_Marcado(Long /*t*/) {}
  virtual void Triangulo_Cerrado(Long /*t*/) {}
  virtual void Empieza_Punto(Long /*i*/, Long /*hasta*/) {}
  virtual void Acaba_Punto(Long /*i*/, Long /*hasta*/) {}

  // Whether visiting open triangle t, not behind the sweep, would accept point i through one of its edges. Changes
  // nothing but what the circle scans note.
  bool Aceptaria(Long t, Long i);
  // Triangle t, all of whose flags are set, becomes Cerrado; whether a visit by point i (not behind the sweep) would
  // do only that, trying no edge: the point is near both ends of each.
  void Cierra(Long t);
  bool Solo_Cierra(Long t, Long i);
  // All three edge flags of triangle t are set.
  bool Lados_Marcados(Long t) const;

  Estado_Triangulos& s_;

 private:
  void Semilla();
  void Inserta(Long i);
  // The edges a visit of triangle t tries, in order: each unless its flag is set and the point is near both its
  // ends; prueba(x, y, o) tries one and answers whether it accepted, which sets its flag.
  template <typename F>
  void Por_Lados(Long t, const Lejos& lejos, F&& prueba);
  // Point i's distance flags for the corners of triangle t.
  Lejos Lejanias_De(Long t, Long i);
  // The tests an edge x-y with opposite corner o puts point i to; Prueba_Lado also forms the triangle on success.
  bool Acepta_Lado(Long x, Long y, Long o, Long i);
  bool Prueba_Lado(Long x, Long y, Long o, Long i);
  void Alta_Triangulo(Long a, Long b, Long p);
  void Valida_Triangulo(Long t);
  bool En_Circulo(const XYZ& p, const XYZ& a, const XYZ& b, const XYZ& c);
  void Avance(Long i);

  Long maximo_avance_ = 0;  // the progress bar starts at 0
  Mas_Lejos_Que lejos_{s_.Dist_Busqueda}, largo_{s_.Dist_Max};
};

// Squared distance of a working point to the circle's centre plus the construction's slack is below R2.
inline bool Dentro_Del_Circulo(const XYZ& p, const Circulo& c, double R2) {
  const double dx = p.X - c.Xc, dy = p.Y - c.Yc;
  return dx * dx + dy * dy + kHolgura_Circulo < R2;
}

}  // namespace Vyr_Trilat
