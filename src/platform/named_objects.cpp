#include "platform/named_objects.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>

#include "platform/errors.h"
#include "platform/machine.h"

namespace platform {

namespace {

constexpr const char* kObjectDirectory = "ipc";
// Host file names hold at most 255 bytes; the kind, the hash and an
// extension must fit beside the encoded name.
constexpr std::size_t kMaxEncodedName = 160;

// A 64-bit hash of `text` that tells apart long names sharing a prefix.
std::uint64_t HashOf(std::string_view text) {
  std::uint64_t hash = 0xcbf29ce484222325ull;  // FNV-1a, 64 bits
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

// `name` as a file name: see NamedObjectPath.
std::string Encode(std::string_view name) {
  std::string encoded;
  for (unsigned char c : name) {
    if (std::isalnum(c) || c == '-' || c == '_' || c == '.') {
      encoded += static_cast<char>(c);
    } else {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", c);
      encoded += escape;
    }
  }
  if (encoded.size() > kMaxEncodedName) {
    char hash[20];
    std::snprintf(hash, sizeof hash, "~%016llx", static_cast<unsigned long long>(HashOf(name)));
    encoded.resize(kMaxEncodedName);
    encoded += hash;
  }
  return encoded;
}

}  // namespace

long NamedObjectPath(std::string_view kind, std::string_view name, std::filesystem::path& path) {
  const std::filesystem::path dir = CurrentMachine().Directory() / kObjectDirectory;
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) return kErrorAccessDenied;
  path = dir / (std::string(kind) + "-" + Encode(name));
  return kErrorSuccess;
}

}  // namespace platform
