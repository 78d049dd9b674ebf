#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quirlweg {

// Why a file could not be read or written.
enum class FileProblem {
  Missing,        // the file or its folder does not exist
  Folder,         // the path names a folder
  Pipe,           // a named pipe (FIFO)
  Device,         // a device node
  Socket,         // a socket
  OtherKind,      // not a regular file in some other way (a dangling link, say)
  NotAllowed,     // no permission
  ReadOnlyDisk,   // the file system is mounted read-only
  DiskFull,       // no space or quota left
  TooBigForDisk,  // larger than the file system or the process's file size limit allows
  TooLarge,       // larger than the reader accepts
  DeviceError,    // the disk reports an input/output error
  Other,          // any other error; `error` holds its errno
};

struct FileFailure {
  FileProblem problem = FileProblem::Other;
  int error = 0;  // errno, where the system gave one
  friend bool operator==(const FileFailure&, const FileFailure&) = default;
};

// What reading a file gave: its bytes, or why there are none.
struct FileReading {
  std::optional<std::string> bytes;
  FileFailure failure;
};

// Reads a regular file (or a link to one) of at most `limit` bytes. Anything else is refused
// before it is opened, so that a pipe or a device never blocks the program or is read from.
FileReading ReadRegularFile(const std::string& path, std::size_t limit);

// A file written beside its target and put in its place only when all of it was written: the
// old file stays as it was whatever fails. A target that exists must be a regular file or a
// link to one, which is then written through; pipes, devices and folders are never replaced.
// Discarded unless committed.
class AtomicFile {
 public:
  explicit AtomicFile(std::string path) : path_(std::move(path)) {}
  ~AtomicFile() { Discard(); }
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  std::optional<FileFailure> Open();
  std::optional<FileFailure> Write(std::string_view bytes);
  // Makes the written bytes durable and puts them in place of the target.
  std::optional<FileFailure> Commit();

 private:
  void Discard();

  std::string path_;
  std::string target_;     // the path written, a link's target resolved
  std::string temporary_;  // beside the target while it is written
  int descriptor_ = -1;
};

// Opens, writes and commits `bytes` as one.
std::optional<FileFailure> WriteFileAtomically(const std::string& path, std::string_view bytes);

// The kind of a path that exists but is no regular file, read without opening it; nothing
// for a regular file, a link to one, or a path that does not exist.
std::optional<FileFailure> NotARegularFile(const std::string& path);

// Whether two paths name the same existing file (after links), or the same path where they do
// not exist yet.
bool SameFile(const std::string& first, const std::string& second);

}  // namespace quirlweg
