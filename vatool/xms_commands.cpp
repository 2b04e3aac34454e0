// vatool xms: Exchange data files in batch. Each subcommand is one function and one row of kXms.
#include <cstdio>
#include <ctime>
#include <istream>
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

constexpr const char* kUsage =
    "usage: vatool xms COMMAND ...\n"
    "  info FILE                               the kind of file, record count, pitch and header items\n"
    "  convert --to true|crlf IN -o OUT        write the true file or the CR+LF variant\n"
    "  generate --records N [--seed S] -o FILE write a sample file of N station records\n";

std::string TrimRight(std::string_view s) {
  const auto last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

int Info(const Arguments& a, std::ostream& out, std::ostream& err) {
  if (a.Positional().size() != 1) {
    err << kUsage;
    return kExitBadInput;
  }
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
  if (a.Positional().size() != 1 || !target || !to || (*to != "true" && *to != "crlf")) {
    err << kUsage;
    return kExitBadInput;
  }
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
  const auto target = a.Value("-o");
  // Past 999999 records the header's six-digit count says 999999; the records are counted from
  // the file's size.
  if (!records || *records < 0 || *records > 10000000 || !seed || !target || !a.Positional().empty()) {
    err << "vatool xms generate: --records 0..10000000, -o FILE\n";
    return kExitBadInput;
  }
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  ::localtime_r(&now, &tm);
  const quorla::LocalTime today{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
  if (!quorla::WriteFileAtomically(*target, recbook::SampleFile(*records, static_cast<uint64_t>(*seed), today))) {
    ReportSaveFailure(*target, err);
    return kExitBadInput;
  }
  return kExitOk;
}

const CommandRow kXms[] = {
    {"info", {}, {}, Info},
    {"convert", {"--to", "-o"}, {}, Convert},
    {"generate", {"--records", "--seed", "-o"}, {}, Generate},
};

int RunXms(std::span<const std::string> args, std::istream&, std::ostream& out, std::ostream& err) {
  return RunCommandRow(kXms, "xms", kUsage, args, out, err);
}

const SubcommandGroupRegistration kRegistration{
    {"xms", "Exchange data files: info, convert, generate", kUsage, RunXms}};

}  // namespace
}  // namespace vatool
