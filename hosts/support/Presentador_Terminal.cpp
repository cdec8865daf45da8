#include "hosts/support/Presentador_Terminal.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <ostream>
#include <vector>

#include "hosts/support/Campos_Formulario.h"

namespace Vyr_Trilat::anfitrion {

namespace {

// #RRGGBB, red first as people write it; the control keeps red in the low byte. Other values as they are.
std::string Texto_Color(Long color) {
  if (color < 0 || color > 0xFFFFFF) return std::to_string(color);
  const unsigned rgb = static_cast<unsigned>((color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16));
  char texto[8];
  std::snprintf(texto, sizeof texto, "#%06X", rgb);
  return texto;
}

std::string Linea_Campo(const Campo_Formulario& campo) {
  const Control& c = *campo.control;
  if (c.Tipo() == Tipo_Control::CheckBox) {
    return (c.Value() == 1 ? "[x] " : c.Value() == 2 ? "[-] " : "[ ] ") + campo.nombre;
  }
  if (c.Tipo() == Tipo_Control::CommandButton && !c.Grafico()) return "<" + campo.nombre + ">";
  return campo.nombre + ": " + (c.Grafico() ? Texto_Color(c.BackColor()) : c.Texto());
}

// The frames around a control, outermost first.
std::vector<const Control*> Marcos(const Control& c) {
  std::vector<const Control*> marcos;
  for (const Control* k = c.Contenedor(); k; k = k->Contenedor()) marcos.insert(marcos.begin(), k);
  return marcos;
}

void Muestra(const Formulario& formulario, const std::vector<Campo_Formulario>& campos, std::ostream& salida) {
  salida << '\n' << formulario.Caption() << '\n';
  std::vector<const Control*> anteriores;
  for (std::size_t i = 0; i < campos.size(); ++i) {
    const auto marcos = Marcos(*campos[i].control);
    // A frame's caption heads the controls inside it, each level indented further.
    for (std::size_t n = 0; n < marcos.size(); ++n) {
      const bool nuevo = n >= anteriores.size() || anteriores[n] != marcos[n];
      if (nuevo && !marcos[n]->Texto().empty()) salida << std::string(2 * n + 2, ' ') << marcos[n]->Texto() << '\n';
    }
    anteriores = marcos;
    salida << std::string(2 * marcos.size() + 2, ' ') << i + 1 << ") " << Linea_Campo(campos[i]);
    // The hint a pointer resting on the control would show, unless it only repeats the name.
    const std::string& pista = campos[i].control->ToolTipText();
    if (!pista.empty() && pista != campos[i].nombre) salida << "  (" << pista << ')';
    salida << '\n';
  }
}

// The control number typed, if it names one.
std::optional<std::size_t> Eleccion(const std::string& linea, std::size_t cuantos) {
  const auto ini = linea.find_first_not_of(' ');
  const auto fin = linea.find_last_not_of(' ');
  if (ini == std::string::npos) return std::nullopt;
  std::size_t n = 0;
  const auto [p, ec] = std::from_chars(linea.data() + ini, linea.data() + fin + 1, n);
  if (ec != std::errc() || p != linea.data() + fin + 1 || n < 1 || n > cuantos) return std::nullopt;
  return n - 1;
}

}  // namespace

Presentador_Terminal::Presentador_Terminal(std::istream& entrada, std::ostream& salida)
    : entrada_(entrada),
      salida_(salida),
      formularios_anterior_(Instala_Presentador_Formularios([this](Formulario& f) { Presenta(f); })),
      mensajes_anterior_(Instala_Presentador_Mensajes([this](const Mensaje& m) { return Avisa(m); })) {}

Presentador_Terminal::~Presentador_Terminal() {
  Instala_Presentador_Mensajes(std::move(mensajes_anterior_));
  Instala_Presentador_Formularios(std::move(formularios_anterior_));
}

void Presentador_Terminal::Presenta(Formulario& formulario) {
  bool redibuja = true;
  while (formulario.Visible()) {
    // Handlers may have changed values or what is within reach: the list is read afresh each time.
    const std::vector<Campo_Formulario> campos = Campos_Formulario(formulario);
    if (redibuja) Muestra(formulario, campos, salida_);
    salida_ << "Choose 1-" << campos.size() << ": " << std::flush;
    std::string linea;
    if (!Lee_Linea(linea)) return;
    const auto eleccion = Eleccion(linea, campos.size());
    redibuja = eleccion || linea.empty();
    if (!eleccion) {
      if (!linea.empty()) salida_ << "Type a number from the list (Enter shows it again), or Ctrl-D to close.\n";
      continue;
    }
    Control& c = *campos[*eleccion].control;
    switch (c.Tipo()) {
      case Tipo_Control::TextBox:
        salida_ << campos[*eleccion].nombre << " [" << c.Texto() << "]: " << std::flush;
        if (!Lee_Linea(linea)) return;
        if (!linea.empty()) c.Let_Texto(linea);
        break;
      case Tipo_Control::CheckBox:
        c.Let_Value(c.Value() == 1 ? 0 : 1);
        break;
      default:
        c.Click();
        break;
    }
  }
}

Long Presentador_Terminal::Avisa(const Mensaje& mensaje) {
  salida_ << mensaje.titulo.value_or(kTitulo_Por_Defecto) << ": " << mensaje.texto << "\n[Enter] " << std::flush;
  std::string linea;
  Lee_Linea(linea);
  return vbOK;
}

bool Presentador_Terminal::Lee_Linea(std::string& linea) {
  if (!std::getline(entrada_, linea)) {
    // Only the window on top closes: a terminal goes on reading after Ctrl-D, a file or pipe ends every show.
    // std::cin reads through stdin, whose end mark sticks until cleared.
    entrada_.clear();
    if (&entrada_ == &std::cin) std::clearerr(stdin);
    salida_ << '\n' << std::flush;  // off the unanswered prompt
    return false;
  }
  if (!linea.empty() && linea.back() == '\r') linea.pop_back();
  return true;
}

}  // namespace Vyr_Trilat::anfitrion
