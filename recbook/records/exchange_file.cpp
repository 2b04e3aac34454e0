#include "exchange_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "file_io.h"
#include "station_record.h"

namespace recbook {

FileCheck CheckOpenExchangeFile(int fd) {
  FileCheck c;
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return c;
  c.size = static_cast<uint64_t>(st.st_size);
  c.kind = FileKind::NotExchange;
  // The header, and the two bytes after it that tell a CR+LF file.
  unsigned char head[kRecordSize + 2];
  const size_t headBytes = static_cast<size_t>(std::min<uint64_t>(c.size, sizeof head));
  if (c.size < kRecordSize || !quorla::ReadAt(fd, head, headBytes, 0)) return c;
  long long count = 0;
  for (size_t i = kHeaderCountOffset; i < kHeaderCountOffset + kHeaderCountWidth; ++i) {  // digits and blanks only
    if (head[i] == ' ') continue;
    if (head[i] < '0' || head[i] > '9') return c;
    count = count * 10 + (head[i] - '0');
  }
  const auto byteIs = [&](size_t i, unsigned char ch) { return i < headBytes && head[i] == ch; };
  const bool cr = byteIs(kRecordSize, '\r') || byteIs(kRecordSize + 1, '\r');
  const bool lf = byteIs(kRecordSize, '\n') || byteIs(kRecordSize + 1, '\n');
  if (cr || lf) {
    c.pitch = static_cast<int>(kRecordSize) + (cr ? 1 : 0) + (lf ? 1 : 0);
    if (static_cast<uint64_t>(count + 1) * static_cast<uint64_t>(c.pitch) != c.size) return c;
    c.kind = FileKind::CrLf;
    c.records = count;
    return c;
  }
  // A header followed by less than a record (220 or 221 bytes) is no Exchange data file.
  if (c.size > kRecordSize && c.size < 222) return c;
  c.kind = FileKind::True;
  c.pitch = static_cast<int>(kRecordSize);
  c.records = static_cast<long long>(c.size / kRecordSize) - 1;  // a trailing partial record is ignored
  return c;
}

FileCheck CheckExchangeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  const FileCheck c = CheckOpenExchangeFile(fd);
  if (fd >= 0) ::close(fd);
  return c;
}

std::string CheckResultText(const FileCheck& check) {
  switch (check.kind) {
    case FileKind::Missing: return "-1";
    case FileKind::NotExchange: return "-2";
    case FileKind::CrLf: return "-3";
    case FileKind::True: break;
  }
  return " " + std::to_string(check.records);
}

size_t RemoveLineEndings(std::string_view bytes, char* out) {
  char* w = out;
  const char* r = bytes.data();
  const char* const end = r + bytes.size();
#if defined(__SSE2__)
  // Sixteen bytes at a time: most pieces of a record hold no CR, LF or TAB and move as they are.
  // out may be bytes itself: w never passes r.
  const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n'), tab = _mm_set1_epi8('\t');
  for (; end - r >= 16; r += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r));
    const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)), _mm_cmpeq_epi8(v, tab));
    if (_mm_movemask_epi8(hit) == 0) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(w), v);
      w += 16;
      continue;
    }
    for (int i = 0; i < 16; ++i) {
      const char ch = r[i];
      *w = ch;
      w += (ch != '\r' && ch != '\n' && ch != '\t');
    }
  }
#endif
  for (; r < end; ++r) {
    *w = *r;
    w += (*r != '\r' && *r != '\n' && *r != '\t');
  }
  return static_cast<size_t>(w - out);
}

std::string WithoutLineEndings(std::string_view bytes) {
  std::string out(bytes.size(), '\0');
  out.resize(RemoveLineEndings(bytes, out.data()));
  return out;
}

void AppendCrLfRecords(std::string_view trueBytes, std::string& out) {
  const size_t records = trueBytes.size() / kRecordSize;
  const size_t start = out.size();
  out.resize(start + records * (kRecordSize + 2));
  char* w = out.data() + start;
  for (size_t k = 0; k < records; ++k) {
    std::memcpy(w, trueBytes.data() + k * kRecordSize, kRecordSize);
    for (char* nul = w; (nul = static_cast<char*>(std::memchr(nul, '\0', static_cast<size_t>(w + kRecordSize - nul))));)
      *nul = ' ';
    w[kRecordSize] = '\r';
    w[kRecordSize + 1] = '\n';
    w += kRecordSize + 2;
  }
}

std::string CrLfExport(std::string_view trueBytes) {
  std::string out;
  AppendCrLfRecords(trueBytes, out);
  return out;
}

}  // namespace recbook
