// Feeds arbitrary bytes to the three file readers and, when they load, runs a lookup and a pass.
#include <cstddef>
#include <cstdint>
#include <span>

#include "atlas_database.h"
#include "country_lookup.h"
#include "line_extraction.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quorla::geoatlas;
  if (size < 4) return 0;
  // Two 16-bit lengths up front split the rest into index, points and table.
  const std::span<const uint8_t> all(data + 4, size - 4);
  const size_t a = data[0] | data[1] << 8, b = data[2] | data[3] << 8;
  const size_t i1 = a < all.size() ? a : all.size(), i2 = i1 + b < all.size() ? i1 + b : all.size();
  Database db;
  LoadFailure failure;
  ReadCountryTable(all, db.table);
  ReadPointFile(all, db.points);
  if (!LoadDatabaseBytes(all.subspan(0, i1), all.subspan(i1, i2 - i1), all.subspan(i2), db, failure)) return 0;
  CountryLookup lookup(db);
  lookup.Find(0.25, 0.87);
  LinePass pass;
  ExtractedLine line;
  PassFault fault;
  for (int n = 0; n < 1000 && pass.Next(db, true, 100, line, fault) == LinePass::Step::Line; ++n) {
  }
  return 0;
}
