#pragma once

#include <QAbstractHttpServer>
#include <QString>

namespace quirlweg {

// The browser edition's files as a web server hands them out: only regular files inside the
// site's folder, named by the path of the address; "/" is its index.html. Nothing else of the
// machine can be reached, whatever the address says.
class SiteFiles final : public QAbstractHttpServer {
 public:
  SiteFiles(QString folder, QObject* parent);

  // The file an address path names, or an empty text where it names none inside the site.
  QString FileFor(const QString& path) const;

 protected:
  bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
  void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

 private:
  QString folder_;  // canonical, without a slash at its end
};

}  // namespace quirlweg
