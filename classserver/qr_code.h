#pragma once

#include <QString>
#include <vector>

namespace quirlweg {

// The modules of a QR code for `text`, row by row, true for dark; empty where it cannot be
// made. Medium error correction, so that a projected code still reads with a smudge.
std::vector<std::vector<bool>> QrModules(const QString& text);

}  // namespace quirlweg
