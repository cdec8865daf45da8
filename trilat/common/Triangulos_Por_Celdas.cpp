#include "trilat/common/Triangulos_Por_Celdas.h"

#include "trilat/common/Caja_Central.h"

namespace Vyr_Trilat {

Caja Caja_De_Triangulo(const std::vector<Vert>& p, const std::array<Long, 3>& t) {
  const Vert& a = p[static_cast<std::size_t>(t[0])];
  return Caja::De(a, a).Con(Caja::De(p[static_cast<std::size_t>(t[1])], p[static_cast<std::size_t>(t[2])]));
}

Triangulos_Por_Celdas::Triangulos_Por_Celdas(const std::vector<Vert>& p, std::size_t previstos)
    : p_(p), rejilla_(Caja_Central(p, &Vert::X, &Vert::Y), static_cast<double>(previstos)) {
  primero_.assign(rejilla_.Total(), kNinguno);
}

void Triangulos_Por_Celdas::Agrega(const std::array<Long, 3>& t, std::size_t id) {
  const Triangulo_Plano e = Esquinas_De_Triangulo(p_, t);
  rejilla_.Recorre_Triangulo(e[0], e[1], e[2], [&](std::size_t c) {
    entradas_.push_back({id, primero_[c]});
    primero_[c] = entradas_.size() - 1;
  });
}

}  // namespace Vyr_Trilat
