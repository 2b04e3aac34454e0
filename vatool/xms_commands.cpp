// vatool xms: Exchange data files in batch. Each subcommand is one function and one row of kXms.
#include <cstdio>
#include <ctime>
#include <ostream>

#include "arguments.h"
#include "atomic_file.h"
#include "records/file_conversion.h"
#include "records/item_table.h"
#include "records/record_text.h"
#include "records/sample_generator.h"
#include "subcommand_table.h"
#include "xms_loading.h"

namespace vatool {
namespace {

using recbook::FileKind;


std::string TrimRight(std::string_view s) {
  const auto last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

int Info(const Arguments& a, std::ostream& out, std::ostream& err) {
  const std::string& path = a.Positional()[0];
  recbook::ExchangeReader reader;
  recbook::LoadStatus status = reader.Open(path);
  if (status == recbook::LoadStatus::Ok) status = reader.Verify();
  char head[recbook::kRecordSize];
  // Only the header is kept; a CR+LF file is read through once to see that it opens.
  if (status != recbook::LoadStatus::Ok || !reader.ReadHeader(head)) {
    out << "kind: " << (status == recbook::LoadStatus::Missing ? "missing" : "none") << '\n';
    ReportLoadFailure(status == recbook::LoadStatus::Ok ? recbook::LoadStatus::Unreadable : status, path, err);
    return kExitBadInput;
  }
  const recbook::FileCheck& c = reader.check();
  out << "kind: " << (c.kind == FileKind::True ? "true" : "crlf") << '\n';
  out << "records: " << c.records << '\n';
  out << "pitch: " << c.pitch << '\n';
  for (const auto& item : recbook::kHeaderItems) {
    if (item.code == "filler") continue;
    out << item.code << ": " << TrimRight(std::string_view(head, sizeof head).substr(item.offset(), item.width)) << '\n';
  }
  return kExitOk;
}

int Convert(const Arguments& a, std::ostream&, std::ostream& err) {
  const auto to = a.Value("--to");
  const auto target = a.Value("-o");
  if (*to != "true" && *to != "crlf") return BadUsage(a, err, "--to takes true or crlf");
  const std::string& source = a.Positional()[0];
  recbook::ExchangeReader reader;
  recbook::LoadStatus read = reader.Open(source);
  if (read != recbook::LoadStatus::Ok) {
    ReportLoadFailure(read, source, err);
    return kExitBadInput;
  }
  // The source stays as it was, so the output can be made again: it is renamed into place
  // without waiting for the disk.
  const auto to_kind = *to == "crlf" ? FileKind::CrLf : FileKind::True;
  switch (recbook::ConvertExchangeFile(reader, to_kind, *target, quorla::AtomicFileWriter::Durability::Renamed, read)) {
    case recbook::ConversionResult::Ok:
      return kExitOk;
    case recbook::ConversionResult::ReadFailed:
      ReportLoadFailure(read, source, err);
      break;
    case recbook::ConversionResult::WriteFailed:
      ReportSaveFailure(*target, err);
      break;
  }
  return kExitBadInput;
}

int Generate(const Arguments& a, std::ostream&, std::ostream& err) {
  const auto records = ParseInteger(a.Value("--records").value_or(""));
  const auto seed = ParseInteger(a.Value("--seed").value_or("1"));
  const auto faults = ParseDouble(a.Value("--faults").value_or("0"));
  const auto target = a.Value("-o");
  // Past 999999 records the header's six-digit count says 999999; the records are counted from
  // the file's size.
  if (!records || *records < 0 || *records > 10000000 || !seed)
    return BadUsage(a, err, "--records takes 0 to 10000000, --seed a whole number");
  if (!faults || !(*faults >= 0 && *faults <= 100)) return BadUsage(a, err, "--faults takes a share of 0 to 100 per cent");
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  ::localtime_r(&now, &tm);
  const quorla::LocalTime today{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
  if (!quorla::WriteFileAtomically(*target, recbook::SampleFile(*records, static_cast<uint64_t>(*seed), today, *faults))) {
    ReportSaveFailure(*target, err);
    return kExitBadInput;
  }
  return kExitOk;
}

const CommandRow kXms[] = {
    {"info", "FILE", 1, 1, "the kind of file, record count, pitch and header items", {}, Info, "M_TEST.xms"},
    {"convert", "IN", 1, 1, "write the true file or the CR+LF variant",
     {{"--to", "true|crlf", "the kind of file to write: true (219-byte records) or crlf (one line per record)", true,
       "--to true M_TEST_xms.txt -o M_TEST.xms"},
      {"-o", "OUT", "the file to write", true, "--to crlf M_TEST.xms -o M_TEST_xms.txt"}},
     Convert, "--to crlf M_TEST.xms -o M_TEST_xms.txt"},
    {"generate", "", 0, 0, "write a sample file of N station records",
     {{"--records", "N", "the number of station records, 0 to 10000000", true, "--records 2000 -o M_SMALL.xms"},
      {"--seed", "S", "the seed of the random records (1 unless given)", false,
       "--records 100000 --seed 7 -o M_TEST.xms"},
      {"--faults", "PCT", "the share of records, in per cent, that carry one typical fault the check finds "
                          "(missing radius, lower-case letters, bare bandwidth, incomplete antenna code, "
                          "frequency out of band, class against radius, mobile antenna height); 0 unless given",
       false, "--records 2000 --faults 3 -o M_DEMO.xms"},
      {"-o", "FILE", "the file to write", true, "--records 100 -o M_100.xms"}},
     Generate, "--records 100000 --seed 7 -o M_TEST.xms"},
};

const SubcommandGroupRegistration kRegistration{{"xms", "Exchange data files: info, convert, generate", kXms}};

}  // namespace
}  // namespace vatool
