#include "hosts/cli/Salida_LandXML.h"

#include <libxml/xmlwriter.h>

#include <charconv>
#include <cmath>
#include <ctime>
#include <memory>
#include <ostream>
#include <stdexcept>

#include "hosts/support/Archivo_Atomico.h"

namespace Vyr_Trilat::anfitrion {

namespace {

int Escribe_Flujo(void* flujo, const char* datos, int n) {
  auto& f = *static_cast<std::ostream*>(flujo);
  f.write(datos, n);
  return f ? n : -1;
}

int Cierra_Flujo(void*) { return 0; }

// A thin layer over xmlTextWriter that turns its failures into exceptions.
class Escritor {
 public:
  explicit Escritor(std::ostream& f)
      : w_(xmlNewTextWriter(xmlOutputBufferCreateIO(Escribe_Flujo, Cierra_Flujo, &f, nullptr))) {
    if (!w_) throw std::runtime_error("cannot start the XML writer");
    Comprueba(xmlTextWriterSetIndent(w_.get(), 1));
    Comprueba(xmlTextWriterSetIndentString(w_.get(), BAD_CAST "  "));
  }
  void Documento() { Comprueba(xmlTextWriterStartDocument(w_.get(), nullptr, "UTF-8", nullptr)); }
  void Abre(const char* elemento) { Comprueba(xmlTextWriterStartElement(w_.get(), BAD_CAST elemento)); }
  void Atributo(const char* nombre, const std::string& valor) {
    Comprueba(xmlTextWriterWriteAttribute(w_.get(), BAD_CAST nombre, BAD_CAST valor.c_str()));
  }
  void Texto(const std::string& texto) { Comprueba(xmlTextWriterWriteString(w_.get(), BAD_CAST texto.c_str())); }
  void Cierra() { Comprueba(xmlTextWriterEndElement(w_.get())); }
  void Termina() {
    Comprueba(xmlTextWriterEndDocument(w_.get()));
    Comprueba(xmlTextWriterFlush(w_.get()));
  }

 private:
  static void Comprueba(int r) {
    if (r < 0) throw std::runtime_error("the XML writer failed");
  }
  struct Libera {
    void operator()(xmlTextWriter* w) const { xmlFreeTextWriter(w); }
  };
  std::unique_ptr<xmlTextWriter, Libera> w_;
};

// The shortest text that reads back as v, in plain decimals over the range of coordinates ("500000", not the
// "5e+05" that is as short): not every reader of surfaces takes an exponent.
void Agrega_Numero(std::string& s, double v) {
  char texto[48];
  const double a = std::fabs(v);
  const auto forma = a == 0 || (a >= 1e-5 && a < 1e15) ? std::chars_format::fixed : std::chars_format::general;
  s.append(texto, std::to_chars(texto, texto + sizeof texto, v, forma).ptr);
}

std::string Ahora(const char* formato) {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char texto[32];
  return std::string(texto, std::strftime(texto, sizeof texto, formato, &local));
}

}  // namespace

void Escribe_Tin_LandXML(const std::filesystem::path& ruta, const Levantamiento& lev,
                         const std::vector<std::array<std::int64_t, 3>>& triangulos, const std::string& superficie,
                         const std::optional<Sistema_LandXML>& sistema) {
  std::vector<bool> usado(lev.size(), false);
  for (std::size_t t = 0; t < triangulos.size(); ++t) {
    for (const std::int64_t n : triangulos[t]) {
      const auto p = lev.posicion.find(n);
      if (p == lev.posicion.end())
        throw std::invalid_argument("triangle " + std::to_string(t) + " names point " + std::to_string(n) +
                                    ", which is not in the survey");
      usado[static_cast<std::size_t>(p->second - 1)] = true;
    }
  }
  Escribe_Atomico(ruta, [&](std::ostream& f) {
    Escritor x(f);
    x.Documento();
    x.Abre("LandXML");
    x.Atributo("xmlns", "http://www.landxml.org/schema/LandXML-1.2");
    x.Atributo("version", "1.2");
    x.Atributo("date", Ahora("%Y-%m-%d"));
    x.Atributo("time", Ahora("%H:%M:%S"));
    x.Abre("Units");
    x.Abre("Metric");
    x.Atributo("areaUnit", "squareMeter");
    x.Atributo("linearUnit", "meter");
    x.Atributo("volumeUnit", "cubicMeter");
    x.Atributo("temperatureUnit", "celsius");
    x.Atributo("pressureUnit", "milliBars");
    x.Cierra();
    x.Cierra();
    if (sistema) {
      x.Abre("CoordinateSystem");
      if (!sistema->nombre.empty()) x.Atributo("name", sistema->nombre);
      if (!sistema->epsg.empty()) x.Atributo("epsgCode", sistema->epsg);
      if (!sistema->wkt.empty()) x.Atributo("ogcWktCode", sistema->wkt);
      x.Cierra();
    }
    x.Abre("Surfaces");
    x.Abre("Surface");
    x.Atributo("name", superficie);
    x.Abre("Definition");
    x.Atributo("surfType", "TIN");
    x.Abre("Pnts");
    std::string texto;
    for (std::size_t i = 0; i < lev.size(); ++i) {
      if (!usado[i]) continue;
      x.Abre("P");
      x.Atributo("id", std::to_string(lev.numeros[i]));
      texto.clear();
      Agrega_Numero(texto, lev.y[i]);
      texto += ' ';
      Agrega_Numero(texto, lev.x[i]);
      texto += ' ';
      Agrega_Numero(texto, lev.z[i]);
      x.Texto(texto);
      x.Cierra();
    }
    x.Cierra();
    x.Abre("Faces");
    for (const auto& t : triangulos) {
      x.Abre("F");
      x.Texto(std::to_string(t[0]) + ' ' + std::to_string(t[1]) + ' ' + std::to_string(t[2]));
      x.Cierra();
    }
    x.Termina();
  });
}

}  // namespace Vyr_Trilat::anfitrion
