#pragma once
// Writing an Exchange data file as its true file or as its CR+LF variant, block by block, so that
// memory does not grow with the file. The target is replaced atomically: it is either the old file
// or the whole new one.
#include <cstdint>
#include <functional>
#include <string>

#include "atomic_file.h"
#include "records/exchange_loader.h"

namespace recbook {

enum class ConversionResult {
  Ok,
  ReadFailed,  // the source was refused or failed while read: the reader's status says why
  WriteFailed,
};

// in is open (Open or OpenTrue). to True: the true bytes as they are; to CrLf: every whole
// record, NUL bytes as blanks, then CR LF. progress, when given, is told the records written so
// far. read gets the reader's status.
ConversionResult ConvertExchangeFile(ExchangeReader& in, FileKind to, const std::string& target,
                                     quorla::AtomicFileWriter::Durability durability, LoadStatus& read,
                                     const std::function<void(uint64_t)>& progress = {});

}  // namespace recbook
