// A globally unique identifier, laid out as the system lays it out.
#pragma once

#include <cstdint>

namespace platform {

struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::uint8_t data4[8] = {};

  friend bool operator==(const Guid&, const Guid&) = default;
};

}  // namespace platform
