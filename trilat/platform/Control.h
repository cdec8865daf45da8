// A control on a form, carrying what the dialogs read and write (caption or text, value, colour, state, tool
// tip, position in twips) and the two events they handle. As on the platform, a text that changes fires the
// change event and a value that changes fires the click event, whether the user or the program changed it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "trilat/platform/Types.h"

namespace Vyr_Trilat {

enum class Tipo_Control { Frame, Label, TextBox, CheckBox, CommandButton, Line };

// Left, top, width and height in twips within the container.
struct Caja_Twips {
  Long left = 0;
  Long top = 0;
  Long width = 0;
  Long height = 0;
  bool operator==(const Caja_Twips&) const = default;
};

// A point in twips within the container.
struct Punto_Twips {
  Long x = 0;
  Long y = 0;
  bool operator==(const Punto_Twips&) const = default;
};

// A line's two end points.
struct Trazo_Twips {
  Punto_Twips desde;
  Punto_Twips hasta;
  bool operator==(const Trazo_Twips&) const = default;
};

// A control's name and, for a member of a control array such as Label4(0), its index.
struct Id_Control {
  // Implicit, so that a plain name reads as the id of a control outside any array.
  Id_Control(std::string n, std::optional<Integer> i = std::nullopt) : nombre(std::move(n)), indice(i) {}
  std::string nombre;
  std::optional<Integer> indice;
  bool operator==(const Id_Control&) const = default;
};

using Manejador = std::function<void()>;

class Control {
 public:
  // `contenedor` is the frame that holds the control, null when it sits on the form itself. Not owned.
  Control(Tipo_Control tipo, Id_Control id, Control* contenedor, Caja_Twips caja, std::string texto);
  // A line between two points.
  Control(Id_Control id, Control* contenedor, Trazo_Twips trazo);

  Tipo_Control Tipo() const { return tipo_; }
  const Id_Control& Id() const { return id_; }
  Control* Contenedor() const { return contenedor_; }
  // For a line, the box spanned by its two ends.
  const Caja_Twips& Caja() const { return caja_; }
  // A line's end points; zero for the other kinds.
  const Trazo_Twips& Trazo() const { return trazo_; }

  // The caption, or a text box's text. Fires the change event when the text changes.
  const std::string& Texto() const { return texto_; }
  void Let_Texto(std::string texto);

  // A check box's state: 0 unchecked, 1 checked, 2 grayed; anything else is error 380. Fires the click event
  // when the value changes, as a user's tick does.
  Integer Value() const { return value_; }
  void Let_Value(Integer value);

  // 32-bit RGB, red in the low byte.
  Long BackColor() const { return back_color_; }
  void Let_BackColor(Long color) { back_color_ = color; }

  bool Enabled() const { return enabled_; }
  void Let_Enabled(bool enabled) { enabled_ = enabled; }

  const std::string& ToolTipText() const { return tool_tip_; }
  void Let_ToolTipText(std::string texto) { tool_tip_ = std::move(texto); }

  // Graphical style: a button that shows its back colour instead of a caption.
  bool Grafico() const { return grafico_; }
  void Let_Grafico(bool grafico) { grafico_ = grafico; }

  void Cuando_Cambia(Manejador m) { al_cambiar_ = std::move(m); }
  void Cuando_Pulsa(Manejador m) { al_pulsar_ = std::move(m); }

  // A click on the control: runs its click handler.
  void Click();

 private:
  Tipo_Control tipo_;
  Id_Control id_;
  Control* contenedor_;
  Caja_Twips caja_;
  Trazo_Twips trazo_;
  std::string texto_;
  Integer value_ = 0;
  Long back_color_ = 0;
  bool enabled_ = true;
  std::string tool_tip_;
  bool grafico_ = false;
  Manejador al_cambiar_;
  Manejador al_pulsar_;
};

}  // namespace Vyr_Trilat
