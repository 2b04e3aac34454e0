#pragma once
// Writing an Exchange data file as its true file or as its CR+LF variant, block by block, so that
// memory does not grow with the file. The target is replaced atomically: it is either the old file
// or the whole new one.
#include <cstdint>
#include <functional>
#include <string>

#include "atomic_file.h"
#include "records/exchange_file.h"

namespace recbook {

enum class ConversionResult {
  Ok,
  NotExchange,  // a CR+LF source whose records without line endings do not make a true file
  ReadFailed,
  WriteFailed,
};

// source has been checked (check is its CheckExchangeFile result, kind True or CrLf). to True: a
// CR+LF source loses every CR, LF and TAB, a true one is copied. to CrLf: every whole record, NUL
// bytes as blanks, then CR LF. progress, when given, is told the records written so far.
ConversionResult ConvertExchangeFile(const std::string& source, const FileCheck& check, FileKind to,
                                     const std::string& target, quorla::AtomicFileWriter::Durability durability,
                                     const std::function<void(uint64_t)>& progress = {});

}  // namespace recbook
