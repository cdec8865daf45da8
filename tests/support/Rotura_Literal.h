// The breakline forcing by plain scans, as its procedure is written: every working triangle tested against every
// segment, ends confirmed by walking the table, and the new triangles paired one for one with the crossed ones
// whatever they are. The references that the indexed searches and the guarded forcing are held against.
#pragma once

#include <memory>
#include <vector>

#include "trilat/c_Rotura/Busqueda_Rotura.h"

namespace Vyr_Trilat::prueba {

// Searches that answer with the whole table: every working triangle is a candidate.
class Busqueda_Literal : public Busqueda_Rotura {
 public:
  explicit Busqueda_Literal(const Estado_Rotura& s) : s_(s) {}
  bool Busca_Vertice(Long& P) override;
  void Cortables(const Vert& A, const Vert& B, std::vector<Long>& posiciones) override;
  void Cercanos(const Vert& A, const Vert& B, std::vector<Long>& posiciones) override;
  void Cambiado(Long) override {}

 private:
  const Estado_Rotura& s_;
};

std::unique_ptr<Busqueda_Rotura> Crea_Busqueda_Literal(const Estado_Rotura& s);

// Every segment of Roturas forced whole by the forcing's own retriangulation; the k-th new triangle replaces the
// k-th crossed one for k up to the smaller count. Returns the replacement records in the order made.
std::vector<Triang_Rot> Mete_Roturas_Literal(Estado_Rotura& s);

}  // namespace Vyr_Trilat::prueba
