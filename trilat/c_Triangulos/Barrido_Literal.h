// The construction as a literal sweep: every loop bound, scan limit and first-wins rule exactly as designed,
// visiting every open triangle for every point and scanning a whole X-window for every candidate circle.
// It is the reference against which any faster construction must agree triangle for triangle.
#pragma once

#include "trilat/c_Triangulos/Estado_Triangulos.h"

namespace Vyr_Trilat {

class Barrido_Literal {
 public:
  explicit Barrido_Literal(Estado_Triangulos& s) : s_(s) {}

  // Seed triangle and passes over a prepared working table. False when the abort flag stopped the run.
  bool Construye();

 private:
  void Semilla();
  void Inserta(Long i);
  bool Prueba_Lado(Long x, Long y, Long o, Long i);
  void Alta_Triangulo(Long a, Long b, Long p);
  bool Marca_Lado(Long u, Long w);
  void Valida_Triangulo(Long t);
  bool En_Circulo(const XYZ& p, const XYZ& a, const XYZ& b, const XYZ& c);
  void Avance(Long i);

  Estado_Triangulos& s_;
  Long maximo_avance_ = 0;  // the progress bar starts at 0
};

}  // namespace Vyr_Trilat
