// A picture box that a person can look at: the library's lines and points drawn with Cairo into an image of
// whole device pixels, kept as well in vector form, and saved as PNG or SVG. Colours are 32-bit RGB values with
// red in the low byte, as the library hands them over.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "trilat/platform/PictureBox.h"

namespace Vyr_Trilat {

// The picture is its own device context; only hDC() hands that side out.
class Cairo_PictureBox : public PictureBox, private DeviceContext {
 public:
  // A picture of `ancho` x `alto` pixels (1 to 32767 each) filled with `fondo`.
  Cairo_PictureBox(int ancho, int alto, Long fondo = 0xFFFFFF);
  Cairo_PictureBox(const Cairo_PictureBox&) = delete;
  Cairo_PictureBox& operator=(const Cairo_PictureBox&) = delete;
  ~Cairo_PictureBox() override;

  HDC hDC() override { return this; }
  void Let_ForeColor(Long color) override { fore_color_ = color; }
  // Widths below one pixel draw one pixel wide.
  void Let_DrawWidth(Integer ancho) override { draw_width_ = ancho < 1 ? Integer{1} : ancho; }
  // Every mode draws as copy pen (13), the only one the library uses.
  void Let_DrawMode(Integer modo) override { draw_mode_ = modo; }
  void Let_AutoRedraw(Boolean valor) override { auto_redraw_ = valor; }
  // One pixel at (x, y) rounded to the nearest pixel; nothing when outside the picture.
  void PSet(float x, float y, Long color) override;

  Long ForeColor() const { return fore_color_; }
  Integer DrawWidth() const { return draw_width_; }
  Integer DrawMode() const { return draw_mode_; }
  Boolean AutoRedraw() const { return auto_redraw_; }
  int Ancho() const { return ancho_; }
  int Alto() const { return alto_; }

  // The colour of pixel (x, y), red in the low byte; std::out_of_range outside the picture.
  Long Pixel(int x, int y) const;

  // Write the picture atomically (a temporary file beside `ruta`, then renamed over it); on failure nothing is
  // left behind and std::runtime_error names the file.
  void Guarda_PNG(const std::string& ruta) const;
  // Reads only the kept strokes: it may run on another thread beside any call but a drawing one.
  void Guarda_SVG(const std::string& ruta) const;

 private:
  // The line calls on the device context arrive here, with the platform's pen rules already applied.
  void Segmento(POINT desde, POINT hasta) override;
  void Polilinea(const std::vector<POINT>& puntos) override;

  // One drawing operation as the picture keeps it for the vector copy: a segment with the pen of its time. A
  // point is the one-pixel segment that covers it. A segment drawn both ways covers its last pixel too (`doble`).
  struct Trazo {
    POINT desde;
    POINT hasta;
    Long color;
    Integer ancho;
    bool doble = false;
  };

  struct Libera_Superficie {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
  };
  struct Libera_Contexto {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
  };
  using Superficie_Cairo = std::unique_ptr<cairo_surface_t, Libera_Superficie>;
  using Contexto_Dibujo = std::unique_ptr<cairo_t, Libera_Contexto>;

  // Hands `recibe` the quadrilaterals that the pen covers for one stroke.
  template <typename Receptor>
  static void Figuras(const Trazo& trazo, bool unidas, Receptor&& recibe);
  // Keeps the stroke; the image is filled from the kept strokes when it is looked at or saved, so a picture
  // that is only saved as SVG (or not at all) costs no filling.
  void Dibuja(const Trazo& trazo);
  void Rellena_Pendientes() const;
  // Draws every kept stroke again, in order, on another surface (the SVG).
  void Repite_Trazos(cairo_t* cr) const;

  int ancho_;
  int alto_;
  Long fondo_;
  Long fore_color_ = 0;
  Integer draw_width_ = 1;
  Integer draw_mode_ = 13;
  Boolean auto_redraw_ = False;

  // The image as far as the strokes filled so far: it catches up, in order, whenever it is read.
  Superficie_Cairo imagen_;
  Contexto_Dibujo dibujo_;
  mutable Long color_dibujo_;  // the image context's current source colour
  mutable std::size_t rellenos_ = 0;
  // A compact list rather than a Cairo recording surface: a few bytes a stroke for pictures of hundreds of
  // thousands of lines, and Cairo leaks the snapshots it takes of recording surfaces painted into SVG.
  std::vector<Trazo> trazos_;
  // The strokes drawn lately in the current colour, by a hash of the stroke, with the place of the kept stroke
  // that covers them: a slot holds its stroke only while its generation is the current one.
  struct Reciente {
    Trazo trazo{};
    std::size_t lugar = 0;
    std::uint64_t generacion = 0;
  };
  Reciente& Ranura(const Trazo& trazo);
  std::vector<Reciente> recientes_;
  int bits_recientes_ = 0;
  Long color_recientes_ = -1;
  std::uint64_t generacion_ = 0;
};

}  // namespace Vyr_Trilat
