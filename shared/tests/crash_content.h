#pragma once
// The content the crash test's helper writes for a seed: its length and bytes depend on the seed alone.
#include <random>
#include <string>

inline std::string ContentOf(unsigned seed) {
  std::mt19937 random(seed);
  std::string content(1 + random() % 300000, '\0');
  for (char& c : content) c = static_cast<char>('A' + random() % 26);
  return content;
}
