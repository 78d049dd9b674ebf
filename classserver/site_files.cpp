#include "classserver/site_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>

#include "classroom/device_messages.h"
#include "classserver/request_guard.h"

namespace quirlweg {
namespace {

QByteArray MimeTypeOf(const QString& file) {
  const QString suffix = QFileInfo(file).suffix().toLower();
  if (suffix == QLatin1String("html")) return "text/html; charset=utf-8";
  if (suffix == QLatin1String("js") || suffix == QLatin1String("mjs")) {
    return "text/javascript; charset=utf-8";
  }
  if (suffix == QLatin1String("css")) return "text/css; charset=utf-8";
  if (suffix == QLatin1String("svg")) return "image/svg+xml";
  if (suffix == QLatin1String("png")) return "image/png";
  if (suffix == QLatin1String("json")) return "application/json";
  if (suffix == QLatin1String("webmanifest")) return "application/manifest+json";
  if (suffix == QLatin1String("wasm")) return "application/wasm";
  return "application/octet-stream";
}

}  // namespace

SiteFiles::SiteFiles(QString folder, QObject* parent)
    : QAbstractHttpServer(parent), folder_(QFileInfo(folder).canonicalFilePath()) {}

QString SiteFiles::FileFor(const QString& path) const {
  if (folder_.isEmpty() || !path.startsWith(QLatin1Char('/'))) return {};
  QString relative = path.mid(1);
  if (relative.isEmpty()) relative = QStringLiteral("index.html");
  // No step up and no hidden file; then the file itself must lie inside the folder, so that
  // a link inside the site cannot lead out of it either.
  for (const QString& part : relative.split(QLatin1Char('/'))) {
    if (part.isEmpty() || part.startsWith(QLatin1Char('.')) || part.contains(QLatin1Char('\\'))) {
      return {};
    }
  }
  const QFileInfo file(folder_ + QLatin1Char('/') + relative);
  const QString canonical = file.canonicalFilePath();
  if (canonical.isEmpty() || !canonical.startsWith(folder_ + QLatin1Char('/'))) return {};
  if (!QFileInfo(canonical).isFile()) return {};
  return canonical;
}

bool SiteFiles::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
  GuardedTcpServer::RequestRead(socket);
  // The class's WebSocket: taken here, the server hands the connection on unanswered.
  if (request.value(QByteArrayLiteral("upgrade")).compare("websocket", Qt::CaseInsensitive) == 0) {
    const bool ours = request.url().path() == QLatin1String(classroom::kClassSocketPath);
    if (ours) GuardedTcpServer::Upgraded(socket);
    return ours;
  }
  const auto method = request.method();
  if (method != QHttpServerRequest::Method::Get && method != QHttpServerRequest::Method::Head) {
    return false;
  }
  const QString path = FileFor(request.url().path());
  if (path.isEmpty()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QHttpServerResponder responder = makeResponder(request, socket);
  const QByteArray body =
      method == QHttpServerRequest::Method::Head ? QByteArray() : file.readAll();
  responder.write(body, {{"Content-Type", MimeTypeOf(path)},
                         {"X-Content-Type-Options", "nosniff"},
                         {"Cache-Control", "no-cache"}});
  return true;
}

void SiteFiles::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
  makeResponder(request, socket)
      .write(QByteArrayLiteral("Not found\n"), "text/plain; charset=utf-8",
             QHttpServerResponder::StatusCode::NotFound);
}

}  // namespace quirlweg
