#include "towns/city_list.h"

#include <optional>

#include "input_file.h"

namespace terrainmap {
namespace {

constexpr size_t kMaxListBytes = 64u << 20;

class WireReader {
 public:
  explicit WireReader(std::string_view bytes) : bytes_(bytes) {}
  bool AtEnd() const { return pos_ >= bytes_.size(); }

  std::optional<uint64_t> Varint() {
    uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      if (AtEnd()) return std::nullopt;
      const auto b = static_cast<unsigned char>(bytes_[pos_++]);
      value |= static_cast<uint64_t>(b & 0x7F) << shift;
      if ((b & 0x80) == 0) return value;
    }
    return std::nullopt;  // more than ten bytes
  }
  std::optional<int64_t> ZigzagVarint() {
    const auto v = Varint();
    if (!v) return std::nullopt;
    return static_cast<int64_t>(*v >> 1) ^ -static_cast<int64_t>(*v & 1);
  }
  std::optional<std::string_view> Bytes() {
    const auto n = Varint();
    if (!n || *n > bytes_.size() - pos_) return std::nullopt;
    const std::string_view s = bytes_.substr(pos_, *n);
    pos_ += *n;
    return s;
  }
  bool Skip(unsigned wireType) {
    switch (wireType) {
      case 0: return Varint().has_value();
      case 1: return Advance(8);
      case 2: return Bytes().has_value();
      case 5: return Advance(4);
      default: return false;
    }
  }

 private:
  bool Advance(size_t n) {
    if (n > bytes_.size() - pos_) return false;
    pos_ += n;
    return true;
  }
  std::string_view bytes_;
  size_t pos_ = 0;
};

struct Position {
  int64_t lon = 0, lat = 0;  // running sums in 1e-5 degree
};

bool ParseCity(std::string_view message, Position& running, City& city) {
  WireReader r(message);
  while (!r.AtEnd()) {
    const auto key = r.Varint();
    if (!key) return false;
    const unsigned field = static_cast<unsigned>(*key >> 3), wire = static_cast<unsigned>(*key & 7);
    if ((field == 2 || field == 7) && wire == 2) {
      const auto text = r.Bytes();
      if (!text) return false;
      (field == 2 ? city.name : city.featureCode) = std::string(*text);
    } else if (field == 9 && wire == 0) {
      const auto v = r.Varint();
      if (!v) return false;
      city.population = *v;
    } else if ((field == 10 || field == 11) && wire == 0) {
      const auto step = r.ZigzagVarint();
      if (!step) return false;
      int64_t& sum = field == 10 ? running.lon : running.lat;
      if (__builtin_add_overflow(sum, *step, &sum)) return false;  // no list runs that far
      (field == 10 ? city.lon : city.lat) = static_cast<double>(sum) / 1e5;
    } else if (!r.Skip(wire)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool ParseCityList(std::string_view bytes, std::vector<City>& cities) {
  cities.clear();
  WireReader r(bytes);
  Position running;
  while (!r.AtEnd()) {
    const auto message = r.Bytes();
    City city;
    if (!message || !ParseCity(*message, running, city)) return false;
    cities.push_back(std::move(city));
  }
  return true;
}

bool ReadCityList(const std::string& path, std::vector<City>& cities) {
  std::string bytes;
  cities.clear();
  return quorla::ReadInputFile(path, kMaxListBytes, bytes) == quorla::InputStatus::Ok &&
         ParseCityList(bytes, cities);
}

}  // namespace terrainmap
