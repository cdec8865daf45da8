#include "trilat/sibling/c_Color.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "trilat/platform/Formulario.h"
#include "trilat/platform/MsgBox.h"
#include "trilat/platform/Variant.h"

namespace Vyr_Trilat {

namespace {

constexpr Long kMax_RGB = 0xFFFFFF;

// #RRGGBB for an RGB value, its decimal text for anything else (such a value still round-trips).
std::string Texto_Color(Long color) {
  if (color < 0 || color > kMax_RGB) return std::to_string(color);
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", static_cast<unsigned>(color & 0xFF),
                static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
  return buf;
}

// The colour a text names: a decimal value of 24-bit RGB (red in the low byte, 0 to 16777215) or #RRGGBB; none for
// anything else (a larger value would be drawn as its low 24 bits, and remembered as something else).
std::optional<Long> Lee_Color(const std::string& texto) {
  const auto ini = texto.find_first_not_of(' ');
  const auto fin = texto.find_last_not_of(' ');
  if (ini == std::string::npos) return std::nullopt;
  const char* p = texto.data() + ini;
  const char* const final = texto.data() + fin + 1;
  const bool hex = *p == '#';
  if (hex && final - p != 7) return std::nullopt;
  Long v = 0;
  const auto [ptr, ec] = std::from_chars(p + (hex ? 1 : 0), final, v, hex ? 16 : 10);
  if (ec != std::errc() || ptr != final || v < 0 || v > 0xFFFFFF) return std::nullopt;
  if (!hex) return v;
  return ((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16);
}

class Formulario_Color : public Formulario {
 public:
  Formulario_Color(const std::string& titulo, Long inicial) : Formulario(titulo, 3570, 1500) {
    Agrega(Tipo_Control::Label, {"lblColor"}, nullptr, {120, 180, 2055, 255}, "Color (número o #RRGGBB):");
    Control& caja =
        Agrega(Tipo_Control::TextBox, {c_Color::kCaja_Color}, nullptr, {2235, 150, 1215, 285}, Texto_Color(inicial));
    Control& muestra = Agrega(Tipo_Control::Label, {"lblMuestra"}, nullptr, {2235, 555, 1215, 285});
    muestra.Let_BackColor(inicial);
    Agrega(Tipo_Control::CommandButton, {c_Color::kBoton_Cancelar}, nullptr, {1215, 1020, 1035, 360}, "Cancelar")
        .Cuando_Pulsa([this] { Hide(); });
    Agrega(Tipo_Control::CommandButton, {c_Color::kBoton_Aceptar}, nullptr, {2415, 1020, 1035, 360}, "Aceptar")
        .Cuando_Pulsa([this, &caja] { Acepta(caja.Texto()); });
    caja.Cuando_Cambia([&caja, &muestra] {
      if (const auto c = Lee_Color(caja.Texto())) muestra.Let_BackColor(*c);
    });
  }

  const std::optional<Long>& Elegido() const { return elegido_; }

 private:
  void Acepta(const std::string& texto) {
    elegido_ = Lee_Color(texto);
    if (elegido_) {
      Hide();
      return;
    }
    MsgBox("Escriba el color como un número (65280) o como #RRGGBB (#00FF00)", vbExclamation, Caption());
  }

  std::optional<Long> elegido_;
};

}  // namespace

void c_Color::Let_Color_Inicial(const std::string& texto) {
  inicial_ = Variant::De_Texto(texto).A_Largo();
  color_ = inicial_;
}

void c_Color::Muestra() {
  Formulario_Color formulario(titulo_, inicial_);
  formulario.Show_Modal();
  color_ = formulario.Elegido().value_or(inicial_);
  formulario.Unload();
}

}  // namespace Vyr_Trilat
