#pragma once
// Numbers that the Info dialogs write into the record form's boxes.
#include <string>

namespace recbook {

// "0" for a value that rounds to zero, else the value with one decimal ("21.0", "-3.5", "0.5").
std::string OneDecimalBoxText(double value);
// The elevation [9B]: as above, a negative value with two integer digits ("-02.5").
std::string ElevationBoxText(double value);

}  // namespace recbook
