// The searches of a forcing through indexes built on first use: the vertex index for the ends of a call, and for
// the segments the triangle grid near them.
#include <algorithm>
#include <cmath>
#include <optional>

#include "trilat/c_Rotura/Busqueda_Rotura.h"
#include "trilat/c_Rotura/Indice_Vertices.h"
#include "trilat/c_Rotura/Rejilla_Triangulos.h"

namespace Vyr_Trilat {

namespace {

class Busqueda_Indexada : public Busqueda_Rotura {
 public:
  explicit Busqueda_Indexada(const Estado_Rotura& s) : s_(s) {}

  bool Busca_Vertice(Long& P) override {
    if (!vertices_) vertices_.emplace(s_);
    return vertices_->Busca_Vertice(P);
  }

  // A segment meets only edges whose boxes come within rounding of its own (0.001 more for the tilt of an
  // axis-parallel edge): those are near it.
  void Cortables(const Vert& A, const Vert& B, std::vector<Long>& posiciones) override { Cercanos(A, B, posiciones); }

  void Cercanos(const Vert& A, const Vert& B, std::vector<Long>& posiciones) override {
    if (ultima_.vigente && ultima_.A.X == A.X && ultima_.A.Y == A.Y && ultima_.B.X == B.X && ultima_.B.Y == B.Y) {
      posiciones = ultima_.posiciones;
      return;
    }
    Prepara();
    posiciones.clear();
    triangulos_->Junto_A(A, B, Caja::De(A, B).Ampliada(holgura_), posiciones);
    Ordena(posiciones);
    ultima_ = {A, B, posiciones, true};
  }

  void Cambiado(Long t) override {
    ultima_.vigente = false;
    if (triangulos_) triangulos_->Cambiado(t);
  }

 private:
  static void Ordena(std::vector<Long>& posiciones) {
    std::sort(posiciones.begin(), posiciones.end());
    posiciones.erase(std::unique(posiciones.begin(), posiciones.end()), posiciones.end());
  }

  void Prepara() {
    if (triangulos_) return;
    Caja dominio{};
    for (Long t = 1; t <= s_.Triangs.UBound(); ++t) {
      const Caja c = Caja_Triangulo(s_, t);
      dominio = t == 1 ? c : dominio.Con(c);
    }
    const double extension = std::max(dominio.x1 - dominio.x0, dominio.y1 - dominio.y0);
    const double magnitud =
        std::max({std::fabs(dominio.x0), std::fabs(dominio.x1), std::fabs(dominio.y0), std::fabs(dominio.y1)});
    // The segment test tilts an axis-parallel edge by moving an end 0.001 in X and in Y, and takes segments whose
    // boxes lie apart by more than a billionth of the model's extent and a trillionth of its coordinates as apart.
    holgura_ = 0.002 + 1e-6 * extension + 1e-12 * magnitud;
    dominio = dominio.Ampliada(holgura_);
    triangulos_.emplace(s_, dominio, holgura_);
  }

  const Estado_Rotura& s_;
  std::optional<Indice_Vertices> vertices_;
  double holgura_ = 0;
  std::optional<Rejilla_Triangulos> triangulos_;
  // A segment not split is forced as one piece, which asks again what the segment asked: the answer holds until a
  // triangle changes.
  struct {
    Vert A, B;
    std::vector<Long> posiciones;
    bool vigente = false;
  } ultima_;
};

}  // namespace

std::unique_ptr<Busqueda_Rotura> Crea_Busqueda_Indexada(const Estado_Rotura& s) {
  return std::make_unique<Busqueda_Indexada>(s);
}

}  // namespace Vyr_Trilat
