#pragma once
// The total antenna loss towards a direction, from the horizontal and the vertical diagram.
#include <string_view>

namespace radpattern {

// az: azimuth - AziMax; el: EleMax - elevation (positive below the main beam); degrees.
// Result: attenuation in dB.

// The method of the total-loss working document: the diagrams are read at the angle between the
// direction and the main beam and weighted by how far the direction lies towards each plane.
// Never exceeds the larger of the two diagram values; never NaN.
float NewTotalLoss(std::string_view hcode, std::string_view vcode, float az, float el);

// The earlier method: the root of the sum of the squares of the two diagram values (up to 56.57 dB).
float OldTotalLoss(std::string_view hcode, std::string_view vcode, float az, float el);

}  // namespace radpattern
