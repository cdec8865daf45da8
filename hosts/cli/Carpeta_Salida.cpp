#include "hosts/cli/Carpeta_Salida.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace Vyr_Trilat::anfitrion {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPreparacion = ".trilat-staging-";
constexpr const char* kApartados = ".anteriores";  // inside the staging folder: what publishing replaces

// The staging folders that jobs ended by force (a second Ctrl-C) left in the folder: those of processes that no
// longer exist. One holding files that a failed publishing could not put back keeps them for the user.
void Quita_Preparaciones_Huerfanas(const fs::path& carpeta) {
  std::vector<fs::path> huerfanas;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(carpeta, ec)) {
    const std::string nombre = e.path().filename().string();
    std::error_code vacia;
    if (!nombre.starts_with(kPreparacion) || (!fs::is_empty(e.path() / kApartados, vacia) && !vacia)) continue;
    const char* const fin = nombre.data() + nombre.size();
    pid_t pid = 0;
    const auto [p, error] = std::from_chars(nombre.data() + kPreparacion.size(), fin, pid);
    if (error == std::errc() && p == fin && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
      huerfanas.push_back(e.path());
  }
  for (const auto& h : huerfanas) fs::remove_all(h, ec);
}

}  // namespace

Carpeta_Salida::Carpeta_Salida(fs::path destino) : destino_(std::move(destino)) {
  std::error_code ec;
  for (fs::path p = destino_; !p.empty() && !fs::exists(fs::symlink_status(p, ec)); p = p.parent_path())
    creadas_.push_back(p);
  fs::create_directories(destino_, ec);
  if (ec || !fs::is_directory(destino_)) {
    Quita_Creadas();
    throw std::runtime_error("cannot create the output folder " + destino_.string());
  }
  Quita_Preparaciones_Huerfanas(destino_);
  preparacion_ = destino_ / (std::string(kPreparacion) + std::to_string(::getpid()));
  fs::remove_all(preparacion_, ec);
  if (!fs::create_directory(preparacion_, ec) || ec) {
    Quita_Creadas();
    throw std::runtime_error("cannot write into the output folder " + destino_.string());
  }
}

Carpeta_Salida::~Carpeta_Salida() {
  std::error_code ec;
  if (!conserva_) fs::remove_all(preparacion_, ec);
  if (!publicada_) Quita_Creadas();
}

std::string Carpeta_Salida::En_Destino(std::string mensaje) const {
  const std::string preparacion = preparacion_.string(), destino = destino_.string();
  for (auto p = mensaje.find(preparacion); p != std::string::npos; p = mensaje.find(preparacion, p + destino.size()))
    mensaje.replace(p, preparacion.size(), destino);
  return mensaje;
}

void Carpeta_Salida::Quita_Creadas() const {
  std::error_code ec;
  for (const auto& p : creadas_) fs::remove(p, ec);  // only when empty: they held nothing before
}

void Carpeta_Salida::Publica() {
  std::vector<fs::path> nombres;
  for (const auto& e : fs::directory_iterator(preparacion_)) nombres.push_back(e.path().filename());
  // A folder cannot take a file's place nor a file a folder's: refused before anything is moved.
  for (const auto& n : nombres) {
    std::error_code ec;
    const auto viejo = fs::status(destino_ / n, ec);
    if (fs::exists(viejo) && fs::is_directory(viejo) != fs::is_directory(preparacion_ / n))
      throw std::runtime_error("cannot write " + (destino_ / n).string() + ": a " +
                               (fs::is_directory(viejo) ? "folder" : "file") + " of that name is in the way");
  }
  // What is replaced or retired is first moved aside, so that a move that fails can put everything back.
  std::vector<fs::path> aparte = nombres;
  for (const auto& n : retirados_) {
    std::error_code ec;
    if (std::find(aparte.begin(), aparte.end(), n) == aparte.end() && fs::is_regular_file(destino_ / n, ec))
      aparte.push_back(n);
  }
  const fs::path apartados = preparacion_ / kApartados;
  std::vector<fs::path> apartado, puesto;
  try {
    fs::create_directory(apartados);
    for (const auto& n : aparte) {
      std::error_code ec;
      if (!fs::exists(fs::symlink_status(destino_ / n, ec))) continue;
      fs::rename(destino_ / n, apartados / n);
      apartado.push_back(n);
    }
    for (const auto& n : nombres) {
      fs::rename(preparacion_ / n, destino_ / n);
      puesto.push_back(n);
    }
  } catch (const fs::filesystem_error& e) {
    std::error_code ec;
    for (const auto& n : puesto) fs::rename(destino_ / n, preparacion_ / n, ec);
    for (const auto& n : apartado) {
      std::error_code vuelta;
      fs::rename(apartados / n, destino_ / n, vuelta);
      conserva_ = conserva_ || vuelta;  // the user's file must not be removed with the staging folder
    }
    throw std::runtime_error("cannot move the results into " + destino_.string() + ": " + e.code().message() +
                             (conserva_ ? "; the files they were to replace are in " + apartados.string() : ""));
  }
  publicada_ = true;
}

}  // namespace Vyr_Trilat::anfitrion
