#pragma once
// Little-endian reading and writing of the fixed-width values in the world map files.
#include <cstdint>
#include <cstring>
#include <vector>

namespace quorla::geoatlas {

inline uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t GetU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
inline int32_t GetI32(const uint8_t* p) { return static_cast<int32_t>(GetU32(p)); }
inline float GetF32(const uint8_t* p) {
  const uint32_t u = GetU32(p);
  float f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}

inline void PutU16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void PutI32(std::vector<uint8_t>& out, int32_t v) { PutU32(out, static_cast<uint32_t>(v)); }
inline void PutF32(std::vector<uint8_t>& out, float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  PutU32(out, u);
}

}  // namespace quorla::geoatlas
