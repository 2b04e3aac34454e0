#pragma once
// The parameter block of EDITORVA and EXCHVIEW (264 bytes, owned by the caller, little-endian)
// and the two entry points. EXCHVIEW returns a malloc'ed zero-terminated text the caller frees.
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct EditorParams {
  uint32_t owner;      // window handle of the caller's window, 0 = none
  char caption[255];   // caption prefix, zero-terminated, at most 254 characters
  uint8_t language;    // 0 English, any other value Czech
  int32_t mode;        // EXCHVIEW: 1, 2, 11, 12, 99; EDITORVA ignores it
};
#pragma pack(pop)

static_assert(sizeof(EditorParams) == 264);
static_assert(offsetof(EditorParams, owner) == 0);
static_assert(offsetof(EditorParams, caption) == 4);
static_assert(offsetof(EditorParams, language) == 259);
static_assert(offsetof(EditorParams, mode) == 260);

inline constexpr size_t kTransferAreaSize = 102;

extern "C" {
// Runs the editor until its window closes.
__attribute__((visibility("default"))) void EDITORVA(EditorParams* params);
// Runs the file viewer in the block's mode; transfer is the 102-byte station data area of modes
// 11 and 12. Returns "1" / "2" after a Tx / Rx transfer, the path in mode 99, else empty text.
__attribute__((visibility("default"))) char* EXCHVIEW(EditorParams* params, void* transfer);
}
