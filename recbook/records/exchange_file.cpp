#include "exchange_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "station_record.h"

namespace recbook {

FileCheck CheckExchangeFile(const std::string& path) {
  FileCheck c;
  const int fd = ::open(path.c_str(), O_RDONLY);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (fd >= 0) ::close(fd);
    c.kind = FileKind::Missing;
    return c;
  }
  c.size = static_cast<uint64_t>(st.st_size);
  c.kind = FileKind::NotExchange;
  unsigned char head[221];
  if (c.size < 222 || ::pread(fd, head, sizeof head, 0) != static_cast<ssize_t>(sizeof head)) {
    ::close(fd);
    return c;
  }
  ::close(fd);
  long long count = 0;
  for (int i = 186; i < 192; ++i) {  // header columns 187 to 192: digits and blanks only
    if (head[i] == ' ') continue;
    if (head[i] < '0' || head[i] > '9') return c;
    count = count * 10 + (head[i] - '0');
  }
  const unsigned char a = head[219], b = head[220];
  if (a == '\r' || a == '\n' || b == '\r' || b == '\n') {
    c.pitch = 219 + ((a == '\r' || b == '\r') ? 1 : 0) + ((a == '\n' || b == '\n') ? 1 : 0);
    if (static_cast<uint64_t>(count + 1) * static_cast<uint64_t>(c.pitch) != c.size) return c;
    c.kind = FileKind::CrLf;
    c.records = count;
    return c;
  }
  c.kind = FileKind::True;
  c.pitch = static_cast<int>(kRecordSize);
  c.records = static_cast<long long>(c.size / kRecordSize) - 1;  // a trailing partial record is ignored
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
