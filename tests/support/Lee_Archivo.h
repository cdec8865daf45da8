// The whole content of a file, as the tests compare it.
#pragma once

#include <filesystem>
#include <string>

namespace Vyr_Trilat::prueba {

// Empty when the file cannot be read.
std::string Lee_Archivo(const std::filesystem::path& ruta);

}  // namespace Vyr_Trilat::prueba
