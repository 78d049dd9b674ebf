#include "classserver/qr_code.h"

#include <qrencode.h>

#include <memory>

namespace quirlweg {

std::vector<std::vector<bool>> QrModules(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
      QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
  std::vector<std::vector<bool>> modules;
  if (!code) return modules;
  const int width = code->width;
  for (int y = 0; y < width; ++y) {
    std::vector<bool> row(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
      row[static_cast<std::size_t>(x)] = (code->data[y * width + x] & 1) != 0;
    modules.push_back(std::move(row));
  }
  return modules;
}

}  // namespace quirlweg
