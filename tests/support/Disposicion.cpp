#include "tests/support/Disposicion.h"

#include <gtest/gtest.h>

namespace Vyr_Trilat::prueba {

void Espera_Disposicion(const Formulario& f, std::span<const Disposicion> tabla) {
  ASSERT_EQ(f.Controles().size(), tabla.size());
  for (std::size_t i = 0; i < tabla.size(); ++i) {
    const Control& c = *f.Controles()[i];
    const Disposicion& d = tabla[i];
    SCOPED_TRACE(d.id.nombre);
    EXPECT_EQ(c.Tipo(), d.tipo);
    EXPECT_EQ(c.Id(), d.id);
    EXPECT_EQ(c.Contenedor() ? c.Contenedor()->Id().nombre : "", d.contenedor ? d.contenedor : "");
    EXPECT_EQ(c.Texto(), d.texto);
    EXPECT_EQ(c.Caja(), d.caja);
    EXPECT_EQ(f.Al_Alcance(c), d.al_alcance);
  }
}

}  // namespace Vyr_Trilat::prueba
