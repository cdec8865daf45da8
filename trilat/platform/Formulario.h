// A form: its caption, its window (position, outer and client size in twips), the controls designed on it and
// the load, resize and unload events. Showing it modally hands it to this thread's form presenter and returns
// once the form is hidden or its window closed; a form lives from Load to Unload.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "trilat/platform/Control.h"
#include "trilat/platform/Ventana.h"

namespace Vyr_Trilat {

class Formulario : public Ventana {
 public:
  // A fixed dialog window's frame and caption bar: the outer size is the client size plus these.
  static constexpr Long kBorde_Ancho = 315;
  static constexpr Long kBorde_Alto = 570;

  Formulario(std::string caption, Long ancho_cliente, Long alto_cliente);
  Formulario(const Formulario&) = delete;
  Formulario& operator=(const Formulario&) = delete;

  const std::string& Caption() const { return caption_; }

  Long Left() const override { return left_; }
  Long Top() const override { return top_; }
  void Mueve(Long left, Long top) override;

  // Outer size, and the client area inside the frame.
  Long Width() const { return width_; }
  Long Height() const { return height_; }
  Long Ancho_Cliente() const { return width_ - kBorde_Ancho; }
  Long Alto_Cliente() const { return height_ - kBorde_Alto; }
  // Sets the outer size, as a user dragging the frame does; fires the resize event when the size changes.
  void Redimensiona(Long ancho, Long alto);

  // Keeps the window above the host's windows while it is up.
  bool Siempre_Encima() const { return siempre_encima_; }
  void Let_Siempre_Encima(bool encima) { siempre_encima_ = encima; }

  bool Visible() const { return visible_; }

  // Runs the load handler once; loading a loaded form does nothing.
  void Load();
  // Loads the form if needed, shows it and returns when the presenter gives it back (hidden or closed).
  void Show_Modal();
  // Makes a modal show return.
  void Hide() { visible_ = false; }
  // Runs the unload handler of a loaded form, shown or not, and leaves it unloaded.
  void Unload();

  // The control with that name (and index, for control arrays); std::out_of_range when there is none.
  Control& Busca(const std::string& nombre, std::optional<Integer> indice = std::nullopt);
  const Control& Busca(const std::string& nombre, std::optional<Integer> indice = std::nullopt) const;
  // Every control, in design order.
  const std::vector<std::unique_ptr<Control>>& Controles() const { return controles_; }

  // Whether a user can see and work the control: it and every frame around it are enabled, and
  // each starts inside its container (a control placed below the client area is never seen).
  bool Al_Alcance(const Control& c) const;

 protected:
  Control& Agrega(Tipo_Control tipo, Id_Control id, Control* contenedor, Caja_Twips caja, std::string texto = {});
  Control& Agrega_Linea(Id_Control id, Control* contenedor, Trazo_Twips trazo);

  void Cuando_Carga(Manejador m) { al_cargar_ = std::move(m); }
  void Cuando_Redimensiona(Manejador m) { al_redimensionar_ = std::move(m); }
  void Cuando_Descarga(Manejador m) { al_descargar_ = std::move(m); }

 private:
  std::string caption_;
  Long left_ = 0;
  Long top_ = 0;
  Long width_;
  Long height_;
  bool siempre_encima_ = false;
  bool cargado_ = false;
  bool visible_ = false;
  std::vector<std::unique_ptr<Control>> controles_;
  Manejador al_cargar_;
  Manejador al_redimensionar_;
  Manejador al_descargar_;
};

}  // namespace Vyr_Trilat
