// vatool xms show / edit: one station record as the record form shows it, and the form's save for
// batch jobs. Both run the record form's presenter: the same display, the same input rules, the
// same record building and the same check as a user at the form.
#include <map>
#include <optional>
#include <ostream>

#include "atomic_file.h"
#include "records/exchange_loader.h"
#include "quiet_host.h"
#include "forms/record_form_presenter.h"
#include "records/item_table.h"
#include "subcommand_table.h"
#include "xms_loading.h"

namespace vatool {
namespace {

// The user of the check: its messages go to standard error, and nothing is waived (a question is
// answered No), so a record is written only when it passes every check.
class ErrorStreamHost : public quorla::QuietHost {
 public:
  explicit ErrorStreamHost(std::ostream& err) : err_(err) {}
  quorla::Answer Message(std::string_view text, std::string_view title, quorla::Buttons buttons,
                         quorla::Icon icon) override {
    std::string plain(text);
    for (size_t at; (at = plain.find("\r\n")) != std::string::npos;) plain.replace(at, 2, "\n");
    err_ << plain << '\n';
    return QuietHost::Message(text, title, buttons, icon);
  }

 private:
  std::ostream& err_;
};

// The item code without brackets ("1A", "9XH").
std::string ItemName(recbook::Item item) {
  const std::string_view code = recbook::Spec(item).code;
  return std::string(code.substr(1, code.size() - 2));
}

// The form of the file's record N: false (and why on err) for a file or number that has none.
struct LoadedRecord {
  recbook::FileCheck check;
  std::string records;  // the true file
  uint32_t number = 0;
};
bool LoadRecord(const Arguments& a, const std::string& path, recbook::RecordFormPresenter& form, LoadedRecord& loaded,
                std::ostream& err, int& exit) {
  exit = kExitBadInput;
  const std::optional<long long> n = ParseInteger(a.Value("--record").value_or(""));
  recbook::ExchangeReader reader;
  recbook::LoadStatus status = reader.Open(path);
  if (status == recbook::LoadStatus::Ok) status = reader.ReadAll(loaded.records);
  if (status != recbook::LoadStatus::Ok) {
    ReportLoadFailure(status, path, err);
    return false;
  }
  loaded.check = reader.check();
  const long long records = static_cast<long long>(loaded.records.size() / recbook::kRecordSize) - 1;
  if (!n || *n < 1 || *n > records) {
    exit = BadUsage(a, err, "--record takes a station record number, 1 to " + std::to_string(records));
    return false;
  }
  loaded.number = static_cast<uint32_t>(*n);
  form.Load(recbook::RecordFromText<recbook::StationRecord>(
                std::string_view(loaded.records).substr(loaded.number * recbook::kRecordSize, recbook::kRecordSize)),
            loaded.number);
  return true;
}

int Show(const Arguments& a, std::ostream& out, std::ostream& err) {
  recbook::NoRecordFormPage page;
  ErrorStreamHost host(err);
  recbook::RecordFormPresenter form(host, page, {});
  LoadedRecord loaded;
  int exit = kExitOk;
  if (!LoadRecord(a, a.Positional()[0], form, loaded, err, exit)) return exit;
  const recbook::RecordBoxTexts& texts = form.texts();
  for (const recbook::RecordBox& box : recbook::kRecordBoxes) {
    if (box.id == recbook::kLatitudeBox) continue;
    std::string text = recbook::BoxText(texts, box.id);
    if (box.id == recbook::kLongitudeBox) {
      const std::string& latitude = recbook::BoxText(texts, recbook::kLatitudeBox);
      if (!text.empty() || !latitude.empty()) text += "," + latitude;
    }
    out << ItemName(box.item) << ' ' << text << '\n';
  }
  return kExitOk;
}

// ITEM=VALUE typed into the item's box as a user types it; [4C] takes "LON,LAT". A value equal to
// what the box shows is no change, as an untouched box is none.
bool TypeValue(recbook::RecordFormPresenter& form, const std::string& assignment) {
  const size_t eq = assignment.find('=');
  if (eq == std::string::npos) return false;
  const std::string name = assignment.substr(0, eq);
  const std::string value = assignment.substr(eq + 1);
  for (const recbook::RecordBox& box : recbook::kRecordBoxes) {
    if (box.id == recbook::kLatitudeBox || ItemName(box.item) != name) continue;
    std::map<int, std::string> typed{{box.id, value}};
    if (box.id == recbook::kLongitudeBox) {
      const size_t comma = value.find(',');
      typed = {{recbook::kLongitudeBox, value.substr(0, comma)},
               {recbook::kLatitudeBox, comma == std::string::npos ? std::string() : value.substr(comma + 1)}};
    }
    for (const auto& [id, text] : typed)
      if (text != recbook::BoxText(form.texts(), id)) form.Typed(id, text, static_cast<int>(text.size()));
    return true;
  }
  return false;
}

int Edit(const Arguments& a, std::ostream&, std::ostream& err) {
  const std::vector<std::string>& operands = a.Positional();
  recbook::NoRecordFormPage page;
  ErrorStreamHost host(err);
  recbook::RecordFormPresenter form(host, page, {});
  LoadedRecord loaded;
  int exit = kExitOk;
  if (!LoadRecord(a, operands.back(), form, loaded, err, exit)) return exit;
  for (size_t i = 0; i + 1 < operands.size(); ++i)
    if (!TypeValue(form, operands[i])) return BadUsage(a, err, "not an item of the record form: " + operands[i]);
  const std::optional<recbook::StationRecord> record = form.CheckedRecord(recbook::ErrorSearchMode::None);
  if (!record) return kExitFindings;
  // OUT is of IN's kind: a true file, or the CR+LF variant.
  std::string bytes = std::move(loaded.records);
  bytes.replace(static_cast<size_t>(loaded.number) * recbook::kRecordSize, recbook::kRecordSize, record->text());
  if (loaded.check.kind == recbook::FileKind::CrLf) bytes = recbook::CrLfExport(bytes);
  const std::string target = *a.Value("-o");
  if (!quorla::WriteFileAtomically(target, bytes)) {
    ReportSaveFailure(target, err);
    return kExitBadInput;
  }
  return kExitOk;
}

const CommandRow kCommands[] = {
    {"show", "FILE", 1, 1,
     "station record N as the record form shows it: per item its code and the text of its box",
     {{"--record", "N", "the station record, 1 to the number of records", true, "--record 12 M_TEST.xms"}},
     Show, "--record 12 M_TEST.xms"},
    {"edit", "ITEM=VALUE... IN", 2, kAnyCount,
     "store values typed as into the record form's boxes ([4C] as LON,LAT) in record N; the form's check "
     "decides: its message on standard error and exit 1, or OUT written",
     {{"--record", "N", "the station record, 1 to the number of records", true,
       "--record 1 4B=SVK M_TEST.xms -o M_FIXED.xms"},
      {"-o", "OUT", "the file to write: IN with record N rebuilt", true,
       "--record 12 \"13Z=NEW SITE\" M_TEST.xms -o M_FIXED.xms"}},
     Edit, "--record 12 4B=AUT \"13Z=NEW SITE\" M_TEST.xms -o M_FIXED.xms"},
};

const SubcommandGroupRegistration kRegistration{{"xms", "show, edit", kCommands}};

}  // namespace
}  // namespace vatool
