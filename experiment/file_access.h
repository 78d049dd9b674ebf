#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

#include "files/safe_file.h"

namespace quirlweg {

enum class FileAccess { Reading, Writing };

// Why a file could not be read or written, in the user's language, ready to be shown after the
// file's name.
QString FileProblemText(const FileFailure& failure, FileAccess access);

// A path as the system's file functions take it.
std::string LocalPath(const QString& path);

// A path for a terminal: control characters, which could move the cursor or recolour the
// screen, shown as \x.. escapes.
QString PrintablePath(const QString& path);

// Writes all of `bytes` or nothing: the old file stays as it was when anything fails, and a
// target that is no regular file is never replaced. Returns the reason of a failure, ready to
// be shown.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace quirlweg
