#include "export_host.h"
#include "geoatlas_api.h"
#include "world_atlas.h"

namespace {

// The library's one process-wide instance, as its callers expect.
quorla::geoatlas::WorldAtlas& Atlas() {
  static quorla::geoatlas::WorldAtlas atlas(quorla::geoatlas::ExportHost(), quorla::geoatlas::DefaultPlaces());
  return atlas;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void WDBUNIT(int32_t* unit) { Atlas().Wdbunit(*unit); }

__attribute__((visibility("default"))) void GEOPLC(float* lon, float* lat, char* code) {
  Atlas().Geoplc(*lon, *lat, code);
}

__attribute__((visibility("default"))) void GEODWD(float* west, float* south, float* east, float* north,
                                                   float* tolerance, int32_t* count, const char* codes) {
  Atlas().Geodwd(*west, *south, *east, *north, *tolerance, *count, codes);
}

__attribute__((visibility("default"))) void GEOLIW(int32_t* unit, float* points, int32_t* capacity, int32_t* line,
                                                   int32_t* npoints, char* type, int32_t* done) {
  Atlas().Geoliw(*unit, points, *capacity, *line, *npoints, *type, *done);
}

__attribute__((visibility("default"))) int32_t WDBSTS() { return Atlas().usable() ? 1 : 0; }
}
