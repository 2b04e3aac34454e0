#pragma once
// The parameter block of TRANSFSOUR, NASTAVADRES and NASTAVGEOPROP (and of the map viewer's entry
// point): 528 bytes, owned by the caller, little-endian, no padding. NASTAVADRES reads the byte at
// 268 as its save flag and writes the result directory into the text at 269.
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct TransfSourParams {
  uint32_t parent;     // owner window handle, 0 = none
  int32_t x;           // placement of the dialog (see dialogs/dialog_placement.h)
  int32_t y;
  uint8_t language;    // 0 English, any other value Czech
  char caption[255];   // caption prefix, zero-terminated, at most 254 characters
  uint8_t kind;        // 0 marker, 1 transmitter, 2 receiver; NASTAVADRES: save flag
  char coords[255];    // compact position, zero-terminated; NASTAVADRES: result directory
  int32_t buttons;     // 0 OK + Cancel, 1 Find + Cancel, 2 all three
};
#pragma pack(pop)

static_assert(sizeof(TransfSourParams) == 528);
static_assert(offsetof(TransfSourParams, parent) == 0);
static_assert(offsetof(TransfSourParams, x) == 4);
static_assert(offsetof(TransfSourParams, y) == 8);
static_assert(offsetof(TransfSourParams, language) == 12);
static_assert(offsetof(TransfSourParams, caption) == 13);
static_assert(offsetof(TransfSourParams, kind) == 268);
static_assert(offsetof(TransfSourParams, coords) == 269);
static_assert(offsetof(TransfSourParams, buttons) == 524);

// The block of MAPAHCM: the same layout, with the service-area radius at 524.
#pragma pack(push, 1)
struct MapViewerParams {
  uint32_t parent;     // owner window handle, 0 = none
  uint8_t unused[8];
  uint8_t language;    // 0 English, any other value Czech
  char caption[255];   // caption prefix, zero-terminated, at most 254 characters
  uint8_t kind;        // 0 marker, 1 transmitter, 2 receiver
  char coords[255];    // the station's compact position; on return 1 the marker's
  int32_t radius;      // service-area radius in km; 0 none; negative: the whole-region view
};
#pragma pack(pop)

static_assert(sizeof(MapViewerParams) == 528);
static_assert(offsetof(MapViewerParams, parent) == 0);
static_assert(offsetof(MapViewerParams, unused) == 4);
static_assert(offsetof(MapViewerParams, language) == 12);
static_assert(offsetof(MapViewerParams, caption) == 13);
static_assert(offsetof(MapViewerParams, kind) == 268);
static_assert(offsetof(MapViewerParams, coords) == 269);
static_assert(offsetof(MapViewerParams, radius) == 524);

extern "C" {
// The map viewer: 1 after "Transfer" (coords then holds the marker position), 0 after "Close" or
// Esc, and 0 without a window when no terrain directory is set after the directory dialog.
__attribute__((visibility("default"))) int32_t MAPAHCM(MapViewerParams* params);
// The datum conversion dialog: 1 "&OK", 2 "&Find geo.coord. in map" (coords then holds the WGS-84
// position), 0 cancelled (coords unchanged). A buttons value outside 0..2 is written back as 0.
__attribute__((visibility("default"))) int32_t TRANSFSOUR(TransfSourParams* params);
// The directory settings dialog: 1 after OK (the terrain directory then in coords), else 0.
__attribute__((visibility("default"))) int32_t NASTAVADRES(TransfSourParams* params);
// The entry-box properties dialog: 1 after OK (the properties then in force and stored), else 0.
__attribute__((visibility("default"))) int32_t NASTAVGEOPROP(TransfSourParams* params);
// The directory checks: the usable directory for dir, or an empty text. The text stays valid until
// the next call of the same check on the same thread.
__attribute__((visibility("default"))) const char* VERADRHCM(const char* dir);
__attribute__((visibility("default"))) const char* VERADRHRA(const char* dir);
}
