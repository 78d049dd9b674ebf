#include "files/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <random>

namespace quirlweg {
namespace {

FileFailure FailureOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return {FileProblem::Missing, error};
    case EISDIR:
      return {FileProblem::Folder, error};
    case EACCES:
    case EPERM:
      return {FileProblem::NotAllowed, error};
    case EROFS:
      return {FileProblem::ReadOnlyDisk, error};
    case ENOSPC:
    case EDQUOT:
      return {FileProblem::DiskFull, error};
    case EFBIG:
      return {FileProblem::TooBigForDisk, error};
    case EIO:
      return {FileProblem::DeviceError, error};
    default:
      return {FileProblem::Other, error};
  }
}

std::optional<FileFailure> KindOf(mode_t mode) {
  if (S_ISREG(mode)) return std::nullopt;
  if (S_ISDIR(mode)) return FileFailure{FileProblem::Folder, 0};
  if (S_ISFIFO(mode)) return FileFailure{FileProblem::Pipe, 0};
  if (S_ISCHR(mode) || S_ISBLK(mode)) return FileFailure{FileProblem::Device, 0};
  if (S_ISSOCK(mode)) return FileFailure{FileProblem::Socket, 0};
  return FileFailure{FileProblem::OtherKind, 0};
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RealPath(const std::string& path) {
  const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                         &std::free);
  return real ? std::string(real.get()) : path;
}

}  // namespace

std::optional<FileFailure> NotARegularFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    // A link that leads nowhere is no file to read or to write through.
    struct stat link {};
    if (errno == ENOENT && ::lstat(path.c_str(), &link) == 0) {
      return FileFailure{FileProblem::OtherKind, 0};
    }
    return std::nullopt;
  }
  return KindOf(info.st_mode);
}

FileReading ReadRegularFile(const std::string& path, std::size_t limit) {
  // Looked at before opening: opening a device may already do something.
  if (auto kind = NotARegularFile(path)) return {std::nullopt, *kind};
  // Without blocking, should a pipe have taken the file's place since.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) return {std::nullopt, FailureOf(errno)};
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return {std::nullopt, FailureOf(errno)};
  if (auto kind = KindOf(info.st_mode)) return {std::nullopt, *kind};
  if (static_cast<std::size_t>(info.st_size) > limit) {
    return {std::nullopt, {FileProblem::TooLarge, 0}};
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return {std::nullopt, FailureOf(errno)};
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    // A file may grow while it is read.
    if (bytes.size() > limit) return {std::nullopt, {FileProblem::TooLarge, 0}};
  }
  return {std::move(bytes), {}};
}

std::optional<FileFailure> AtomicFile::Open() {
  Discard();
  if (auto kind = NotARegularFile(path_)) return kind;
  struct stat existing {};
  const bool exists = ::stat(path_.c_str(), &existing) == 0;
  // A link is written through: the link stays and leads to the new file.
  target_ = exists ? RealPath(path_) : path_;
  const std::string stem = FolderOf(target_) + "/." + NameOf(target_) + ".";
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_ = stem + std::to_string(entropy()) + ".tmp";
    descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor_ >= 0 || errno != EEXIST) break;
  }
  if (descriptor_ < 0) {
    const int error = errno;
    temporary_.clear();
    return FailureOf(error);
  }
  // The new file keeps the old one's permissions.
  if (exists) ::fchmod(descriptor_, existing.st_mode & 07777);
  return std::nullopt;
}

std::optional<FileFailure> AtomicFile::Write(std::string_view bytes) {
  if (descriptor_ < 0) return FileFailure{FileProblem::Other, EBADF};
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) {
      const FileFailure failure = FailureOf(errno);
      Discard();
      return failure;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return std::nullopt;
}

std::optional<FileFailure> AtomicFile::Commit() {
  if (descriptor_ < 0) return FileFailure{FileProblem::Other, EBADF};
  // A full disk on a network file system may tell only here.
  if (::fsync(descriptor_) != 0 || ::close(std::exchange(descriptor_, -1)) != 0) {
    const FileFailure failure = FailureOf(errno);
    Discard();
    return failure;
  }
  // Once more, in case a pipe or device took the target's place while it was written.
  if (auto kind = NotARegularFile(target_)) {
    Discard();
    return kind;
  }
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    const FileFailure failure = FailureOf(errno);
    Discard();
    return failure;
  }
  temporary_.clear();
  return std::nullopt;
}

void AtomicFile::Discard() {
  if (descriptor_ >= 0) ::close(std::exchange(descriptor_, -1));
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

std::optional<FileFailure> WriteFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFile file(path);
  if (auto failure = file.Open()) return failure;
  if (auto failure = file.Write(bytes)) return failure;
  return file.Commit();
}

bool SameFile(const std::string& first, const std::string& second) {
  struct stat a {};
  struct stat b {};
  if (::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
  }
  // Not both there yet: the same folder and name.
  return RealPath(FolderOf(first)) + "/" + NameOf(first) ==
         RealPath(FolderOf(second)) + "/" + NameOf(second);
}

}  // namespace quirlweg
