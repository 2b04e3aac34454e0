#include "records/file_conversion.h"

#include "records/station_record.h"

namespace recbook {

ConversionResult ConvertExchangeFile(ExchangeReader& in, FileKind to, const std::string& target,
                                     quorla::AtomicFileWriter::Durability durability, LoadStatus& read,
                                     const std::function<void(uint64_t)>& progress) {
  quorla::AtomicFileWriter out(target, durability);
  if (!out.ok()) return ConversionResult::WriteFailed;
  // True-file bytes a CR+LF output could not take yet (it takes whole records only), and the
  // converted output; both reused from piece to piece.
  std::string pending, converted;
  uint64_t trueBytes = 0;
  bool written = true;
  read = in.ReadPieces([&](std::string_view piece) {
    trueBytes += piece.size();
    if (to == FileKind::CrLf) {
      pending.append(piece);
      const size_t whole = pending.size() / kRecordSize * kRecordSize;
      converted.clear();
      AppendCrLfRecords(std::string_view(pending).substr(0, whole), converted);
      written = out.Write(converted);
      pending.erase(0, whole);
    } else {
      written = out.Write(piece);
    }
    if (progress) progress(trueBytes / kRecordSize);
    return written;
  });
  if (!written) return ConversionResult::WriteFailed;
  if (read != LoadStatus::Ok) return ConversionResult::ReadFailed;
  return out.Commit() ? ConversionResult::Ok : ConversionResult::WriteFailed;
}

}  // namespace recbook
