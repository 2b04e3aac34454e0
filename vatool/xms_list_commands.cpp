// vatool xms list / sort / select / append / remove: the record list and the batch operations on
// tagged records, for whole files. Registered as a piece of the "xms" group.
#include <cctype>
#include <ctime>
#include <ostream>

#include "arguments.h"
#include "atomic_file.h"
#include "listing/merge_file.h"
#include "listing/other_file_check.h"
#include "listing/record_list.h"
#include "listing/record_selection.h"
#include "listing/sort_orders.h"
#include "listing/tagged_file.h"
#include "records/exchange_file.h"
#include "records/record_builder.h"
#include "subcommand_table.h"
#include "xms_loading.h"

namespace vatool {
namespace {

using recbook::kRecordSize;

quorla::LocalTime Today() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  ::localtime_r(&now, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

uint32_t Stations(const std::string& bytes) { return static_cast<uint32_t>(bytes.size() / kRecordSize - 1); }

recbook::StationRecord RecordOf(const std::string& bytes, uint32_t k) {
  return recbook::RecordFromText<recbook::StationRecord>(std::string_view(bytes).substr(k * kRecordSize, kRecordSize));
}

std::optional<int> OrderOf(const Arguments& a, std::ostream& err) {
  const auto order = ParseInteger(a.Value("--order").value_or("300"));
  if (!order || !recbook::IsSortOrder(static_cast<int>(*order))) {
    err << "vatool xms: --order takes 300 to 315\n";
    return std::nullopt;
  }
  return static_cast<int>(*order);
}

recbook::RecordList ListOf(const std::string& bytes, int order) {
  recbook::RecordList list;
  const uint32_t n = Stations(bytes);
  list.Reserve(n);
  list.AppendRecords(std::string_view(bytes).substr(kRecordSize, size_t{n} * kRecordSize), 1);
  if (order != recbook::kOriginalOrder) list.Sort(order);
  return list;
}

int List(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto order = OrderOf(a, err);
  if (!order) return kExitBadInput;
  std::string bytes;
  if (!LoadForCommand(a.Positional()[0], bytes, err)) return kExitBadInput;
  const recbook::RecordList list = ListOf(bytes, *order);
  std::string chunk;
  chunk.reserve(1 << 16);
  char line[recbook::kListLineSize];
  for (size_t row = 0; row < list.size(); ++row) {
    list.LineAt(row, line);
    chunk.append(line, sizeof line);
    chunk += '\n';
    if (chunk.size() > (1 << 16) - 200) {
      out << chunk;
      chunk.clear();
    }
  }
  out << chunk;
  return out ? kExitOk : kExitBadInput;
}

int Sort(const Arguments& a, std::ostream&, std::ostream& err) {
  const auto target = a.Value("-o");
  const auto order = OrderOf(a, err);
  if (!order) return kExitBadInput;
  std::string bytes;
  if (!LoadForCommand(a.Positional()[0], bytes, err)) return kExitBadInput;
  const recbook::RecordList list = ListOf(bytes, *order);
  std::string result = bytes.substr(0, kRecordSize);
  result.replace(recbook::kHeaderCountOffset, recbook::kHeaderCountWidth, recbook::HeaderCountItem(list.size()));
  result.reserve(bytes.size());
  for (size_t row = 0; row < list.size(); ++row)
    result.append(bytes, static_cast<size_t>(list.RecordNumber(row)) * kRecordSize, kRecordSize);
  if (!quorla::WriteFileAtomically(*target, result)) {
    ReportSaveFailure(*target, err);
    return kExitBadInput;
  }
  return kExitOk;
}

std::optional<recbook::RecordFilter> FilterOf(const Arguments& a, std::ostream& err) {
  recbook::RecordFilter f;
  if (const auto countries = a.Value("--country")) {
    std::string code;
    for (char c : *countries + ",") {
      if (c != ',') {
        code += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      } else if (!code.empty()) {
        f.countries.push_back(code);
        code.clear();
      }
    }
  }
  if (const auto band = a.Value("--band")) {
    const size_t dash = band->find('-', 1);
    const auto lo = dash == std::string::npos ? std::nullopt : ParseDouble(band->substr(0, dash));
    const auto hi = dash == std::string::npos ? std::nullopt : ParseDouble(band->substr(dash + 1));
    if (!lo || !hi || *lo > *hi) {
      err << "vatool xms select: --band LO-HI in MHz, LO not above HI\n";
      return std::nullopt;
    }
    f.bandLowMHz = lo;
    f.bandHighMHz = hi;
  }
  if (const auto statuses = a.Value("--status")) {
    for (char c : *statuses)
      if (c != ',' && c != ' ') f.statuses += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  if (const auto cls = a.Value("--class")) {
    if (*cls != "F" && *cls != "M" && *cls != "f" && *cls != "m") {
      err << "vatool xms select: --class F or M\n";
      return std::nullopt;
    }
    f.stationClass = static_cast<char>(std::toupper(static_cast<unsigned char>((*cls)[0])));
  }
  return f;
}

int Select(const Arguments& a, std::ostream&, std::ostream& err) {
  const auto target = a.Value("-o");
  const auto filter = FilterOf(a, err);
  if (!filter) return kExitBadInput;
  std::string bytes;
  if (!LoadForCommand(a.Positional()[0], bytes, err)) return kExitBadInput;
  std::vector<recbook::StationRecord> chosen;
  for (uint32_t k = 1; k <= Stations(bytes); ++k) {
    const recbook::StationRecord r = RecordOf(bytes, k);
    if (Matches(*filter, r)) chosen.push_back(r);
  }
  const auto header = recbook::RecordFromText<recbook::HeaderRecord>(bytes);
  const std::string head = recbook::HeaderRecordText(recbook::TaggedFileHeaderValues(header, chosen.size(), Today()));
  if (!recbook::WriteRecordsFile(*target, head, chosen)) {
    ReportSaveFailure(*target, err);
    return kExitBadInput;
  }
  err << chosen.size() << " of " << Stations(bytes) << " records\n";
  return kExitOk;
}

int Merge(recbook::MergeMode mode, const Arguments& a, std::ostream& err) {
  const auto from = a.Value("--records");
  const std::string& target = a.Positional()[0];
  std::string bytes;
  if (!LoadForCommand(*from, bytes, err)) return kExitBadInput;
  // The target is locked from its check to its replacement: appends and removes of other jobs
  // wait, so that none is lost.
  recbook::MergeStaging staging;
  if (!staging.LockTarget(target)) {
    ReportLoadFailure(recbook::LoadStatus::Unreadable, target, err);
    return kExitBadInput;
  }
  const recbook::OtherFileStatus status = recbook::CheckOtherFile(target, *from);
  if (status != recbook::OtherFileStatus::Ok) {
    err << recbook::OtherFileMessage(status) << '\n';
    return kExitBadInput;
  }
  std::vector<recbook::StationRecord> records(Stations(bytes));
  for (uint32_t k = 1; k <= records.size(); ++k) records[k - 1] = RecordOf(bytes, k);
  const auto targetRecords = static_cast<uint32_t>(recbook::CheckExchangeFile(target).records);
  if (!staging.Build(mode, target, recbook::FileOrder(targetRecords), records, Today()) || !staging.Commit()) {
    err << recbook::MergeSaveFailureText() << '\n';
    return kExitBadInput;
  }
  err << staging.written() << " records in " << target << '\n';
  return kExitOk;
}

int Append(const Arguments& a, std::ostream&, std::ostream& err) { return Merge(recbook::MergeMode::Append, a, err); }
int Remove(const Arguments& a, std::ostream&, std::ostream& err) { return Merge(recbook::MergeMode::Remove, a, err); }

constexpr std::string_view kOrderHelp = "the sort order, 300 to 315 (300: the file's order)";
constexpr std::string_view kRecordsHelp = "the Exchange data file that holds the records";

const CommandRow kCommands[] = {
    {"list", "FILE", 1, 1, "print the list lines in order N (300 to 315, default 300)", {{"--order", "N", kOrderHelp, false, "--order 305 M_TEST.xms"}},
     List, "M_TEST.xms"},
    {"sort", "IN", 1, 1, "write the file with its records in order N",
     {{"--order", "N", kOrderHelp, true, "--order 301 M_TEST.xms -o M_SORTED.xms"},
      {"-o", "OUT", "the sorted file to write", true, "--order 305 M_TEST.xms -o M_SORTED.xms"}},
     Sort, "--order 305 M_TEST.xms -o M_SORTED.xms"},
    {"select", "IN", 1, 1, "write the chosen records as a new file (contents code M)",
     {{"--country", "C,...", "country codes of the administration, such as AUT,SVK", false,
       "--country AUT,SVK M_TEST.xms -o M_TO_NEIGHBOURS.xms"},
      {"--band", "LO-HI", "a band in MHz that the Tx [1A] or Rx [1Y] frequency lies in", false,
       "--band 146-174 M_TEST.xms -o M_VHF.xms"},
      {"--status", "LETTERS", "status letters of the co-ordination list, such as AW or A,W", false,
       "--status AW M_TEST.xms -o M_AW.xms"},
      {"--class", "F|M", "fixed or mobile stations", false, "--class M M_TEST.xms -o M_MOBILE.xms"},
      {"-o", "OUT", "the file to write", true, "--country AUT M_TEST.xms -o M_AUT.xms"}},
     Select, "--country AUT,SVK --band 146-174 M_TEST.xms -o M_TO_NEIGHBOURS.xms"},
    {"append", "TARGET", 1, 1, "append the records of FROM to TARGET", {{"--records", "FROM", kRecordsHelp, true, "--records M_NEW.xms M_REGISTER.xms"}},
     Append, "--records M_NEW.xms M_REGISTER.xms"},
    {"remove", "TARGET", 1, 1, "remove from TARGET every record equal to one of FROM",
     {{"--records", "FROM", kRecordsHelp, true, "--records M_OLD.xms M_REGISTER.xms"}}, Remove,
     "--records M_OLD.xms M_REGISTER.xms"},
};

const SubcommandGroupRegistration kRegistration{{"xms", "record list: list, sort, select, append, remove", kCommands}};

}  // namespace
}  // namespace vatool
