#pragma once
// The parameter block of EDITANTVA (285 bytes, packed, owned by the caller, little-endian) and
// the entry point.
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct AntennaEditParams {
  char hcode[7];       // horizontal antenna code, NUL-filled when empty (in, out)
  char vcode[7];       // vertical antenna code (in, out)
  float aziMax;        // azimuth of maximum radiation, degrees (in, out)
  float eleMax;        // elevation of the main beam, degrees (in, out)
  uint32_t parent;     // the calling window, 0 = none
  uint8_t language;    // 0 English, any other value Czech
  char caption[255];   // caption prefix, zero-terminated, at most 254 characters
  uint8_t mode;        // 0 general editor, 1 transmitter, 2 receiver antenna
  uint8_t page;        // tab page shown first, 0..4 (set to 0 when outside)
  uint8_t newMethod;   // 0: the 3D page starts with the old total-loss method
};
#pragma pack(pop)

static_assert(sizeof(AntennaEditParams) == 285);
static_assert(offsetof(AntennaEditParams, hcode) == 0);
static_assert(offsetof(AntennaEditParams, vcode) == 7);
static_assert(offsetof(AntennaEditParams, aziMax) == 14);
static_assert(offsetof(AntennaEditParams, eleMax) == 18);
static_assert(offsetof(AntennaEditParams, parent) == 22);
static_assert(offsetof(AntennaEditParams, language) == 26);
static_assert(offsetof(AntennaEditParams, caption) == 27);
static_assert(offsetof(AntennaEditParams, mode) == 282);
static_assert(offsetof(AntennaEditParams, page) == 283);
static_assert(offsetof(AntennaEditParams, newMethod) == 284);

extern "C" {
// Runs the antenna editor: 1 after Transfer (the block holds the edited codes and angles),
// 0 after Close.
__attribute__((visibility("default"))) int32_t EDITANTVA(AntennaEditParams* params);
}
