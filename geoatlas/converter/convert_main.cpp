// The build's converter: geoatlas_convert FROM_DIR OUT_DIR.
#include <iostream>

#include "atlas_convert.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: geoatlas_convert FROM_DIR OUT_DIR\n";
    return 2;
  }
  return quorla::geoatlas::ConvertWorldAtlas(argv[1], argv[2], std::cout, std::cerr) ? 0 : 1;
}
