#include "hosts/support/Campos_Formulario.h"

namespace Vyr_Trilat::anfitrion {

namespace {

bool Toma_Datos(const Control& c) {
  return c.Tipo() == Tipo_Control::TextBox || c.Tipo() == Tipo_Control::CheckBox ||
         c.Tipo() == Tipo_Control::CommandButton;
}

// Text boxes and colour buttons show no caption of their own: a label beside them tells what they hold.
bool Necesita_Rotulo(const Control& c) {
  return c.Tipo() == Tipo_Control::TextBox || (c.Tipo() == Tipo_Control::CommandButton && c.Grafico());
}

// In the same frame, with their boxes overlapping vertically.
bool Misma_Fila(const Control& a, const Control& b) {
  const Caja_Twips &p = a.Caja(), &q = b.Caja();
  return a.Contenedor() == b.Contenedor() && p.top < q.top + q.height && q.top < p.top + p.height;
}

std::string Sin_Dos_Puntos(std::string texto) {
  const auto fin = texto.find_last_not_of(" :");
  texto.erase(fin == std::string::npos ? 0 : fin + 1);
  return texto;
}

// The nearest control of `candidatos` that passes `vale` and lies on c's row on the given side (the left when
// `a_la_izquierda`); null when there is none.
template <typename Filtro>
const Control* Vecino(const Control& c, const std::vector<Control*>& candidatos, bool a_la_izquierda, Filtro vale) {
  const Control* mejor = nullptr;
  for (const Control* k : candidatos) {
    if (k == &c || !vale(*k) || !Misma_Fila(*k, c)) continue;
    const Long x = k->Caja().left, x0 = c.Caja().left;
    if (a_la_izquierda ? x >= x0 : x <= x0) continue;
    if (!mejor || (a_la_izquierda ? x > mejor->Caja().left : x < mejor->Caja().left)) mejor = k;
  }
  return mejor;
}

}  // namespace

std::vector<Campo_Formulario> Campos_Formulario(Formulario& formulario) {
  std::vector<Control*> visibles;
  for (const auto& c : formulario.Controles())
    if (formulario.Al_Alcance(*c)) visibles.push_back(c.get());
  const auto es_rotulo = [](const Control& k) {
    return k.Tipo() == Tipo_Control::Label && !Sin_Dos_Puntos(k.Texto()).empty();
  };

  std::vector<Campo_Formulario> campos;
  for (Control* c : visibles) {
    if (!Toma_Datos(*c)) continue;
    Campo_Formulario campo{c, Sin_Dos_Puntos(c->Texto())};
    if (Necesita_Rotulo(*c)) {
      const Control* rotulo = Vecino(*c, visibles, true, es_rotulo);
      campo.nombre = rotulo ? Sin_Dos_Puntos(rotulo->Texto()) : std::string();
      // A label names the first such control to its right; a colour button further along holds that value's colour.
      const bool propio = rotulo && Vecino(*rotulo, visibles, false, Necesita_Rotulo) == c;
      if (c->Tipo() == Tipo_Control::CommandButton && !propio) campo.nombre = Sin_Dos_Puntos("Color " + campo.nombre);
    }
    campos.push_back(std::move(campo));
  }
  return campos;
}

}  // namespace Vyr_Trilat::anfitrion
