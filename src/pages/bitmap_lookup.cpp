#include "pages/bitmap_lookup.h"

#include <QPixmapCache>
#include <filesystem>
#include <string>

#include "app/global_variable.h"
#include "platform/machine.h"

namespace pages {

namespace {

// The host file of Windows path `path` when it exists.
bool ExistingHostFile(const std::string& path, std::filesystem::path& host) {
  std::error_code error;
  return platform::CurrentMachine().ToHostPath(path, host) == 0 && std::filesystem::is_regular_file(host, error);
}

// Loads `host` through the pixmap cache, keyed by its path.
QPixmap LoadCached(const std::filesystem::path& host) {
  const QString key = QString::fromStdString(host.string());
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  if (pixmap.load(key)) QPixmapCache::insert(key, pixmap);
  return pixmap;
}

// The folder of the resource module's bitmaps, or empty without a module.
std::string ResourceFolder(const CGlobalVariable& environment) {
  std::string module = environment.Modules().ResourceModulePath();
  if (module.empty()) return {};
  const std::size_t slash = module.find_last_of('\\');
  const std::size_t dot = module.find_last_of('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) module.erase(dot);
  return module;
}

}  // namespace

QPixmap LoadBitmap(const CGlobalVariable& environment, std::string_view name) {
  if (name.empty()) return {};
  std::filesystem::path host;
  const std::string folder = ResourceFolder(environment);
  if (!folder.empty() && ExistingHostFile(folder + "\\" + std::string(name) + ".bmp", host)) return LoadCached(host);
  QPixmap own(QStringLiteral(":/bitmaps/%1.png").arg(QString::fromStdString(std::string(name))));
  if (!own.isNull()) return own;
  const std::string file = environment.ResolvePath(name, false);
  if (!file.empty() && ExistingHostFile(file, host)) return LoadCached(host);
  return {};
}

}  // namespace pages
