#pragma once
// The exported entry points of the world map library. Every argument is passed by reference;
// positions in radians (32-bit floats), codes as 3 characters without a terminator.
#include <cstdint>

extern "C" {

// Initialises the library; only the first call counts; 75 and 76 are refused.
void WDBUNIT(int32_t* unit);
// The 3-letter code of the country at (lon, lat), three blanks for the sea.
void GEOPLC(float* lon, float* lat, char* code);
// Sets the drawing window and starts a new pass; codes holds count 3-character codes.
void GEODWD(float* west, float* south, float* east, float* north, float* tolerance, int32_t* count,
            const char* codes);
// The next line of the pass into points (capacity pairs); done = 1 at the end of the pass.
void GEOLIW(int32_t* unit, float* points, int32_t* capacity, int32_t* line, int32_t* npoints, char* type,
            int32_t* done);
// 1 while the database is usable, 0 after an error made it unusable for the rest of the process.
int32_t WDBSTS();
}
