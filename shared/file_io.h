#pragma once
// Whole-buffer reads, writes and copies through file descriptors. Every call goes on after an
// interruption (EINTR) and after a short count, so no caller loops over read or write by hand.
// Writes, syncs, closes and renames pass the test seam of io_faults.h.
#include <cstddef>
#include <cstdint>
#include <string>

namespace quorla {

// Exactly size bytes at offset into out; false on an error or when the file ends first.
bool ReadAt(int fd, void* out, size_t size, uint64_t offset);

// Reads from the current position until out is full or the file ends: the bytes read, or -1.
long long ReadUpTo(int fd, void* out, size_t size);

// All size bytes at the current position, or at offset.
bool WriteAll(int fd, const void* data, size_t size);
bool WriteAllAt(int fd, const void* data, size_t size, uint64_t offset);

// Copies up to limit bytes from in's position to out's position, stopping early only at the end
// of in; in the kernel where the two files allow it. The bytes copied, or -1 on a failure.
long long CopyAll(int in, int out, uint64_t limit = UINT64_MAX);

// fsync, close (the descriptor is closed even when it reports a failure) and rename.
bool SyncFile(int fd);
bool CloseFile(int fd);
bool RenameFile(const std::string& from, const std::string& to);

// Reads a whole regular file of at most limit bytes (ReadInputFile of input_file.h, its cause of
// failure left out); false when it cannot be opened or read, is not a regular file, or is larger.
bool ReadWholeFile(const std::string& path, std::string& bytes, uint64_t limit = UINT64_MAX);

}  // namespace quorla
