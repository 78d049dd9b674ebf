#pragma once

#include <QByteArray>
#include <QChar>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace quirlweg {

// A table as CSV for a spreadsheet. With ',' as decimal separator the fields are separated by
// ';', as German spreadsheets expect; otherwise by ','. Lines end in CRLF; the bytes are UTF-8
// with a byte order mark, so that spreadsheets read the umlauts.
class CsvWriter {
 public:
  explicit CsvWriter(QChar decimalSeparator)
      : decimal_(decimalSeparator), field_(decimalSeparator == QLatin1Char(',') ? ';' : ',') {}

  void Row(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields) quoted << Quoted(Inert(f));
    text_ += quoted.join(field_) + QStringLiteral("\r\n");
  }
  QString Number(double value) const {
    QString text = QString::number(value, 'g', 10);
    text.replace(QLatin1Char('.'), decimal_);
    return text;
  }
  QByteArray Bytes() const { return QByteArray("\xEF\xBB\xBF") + text_.toUtf8(); }
  // The rows made since the last call, the first time after the byte order mark, so that a
  // long table can be written as it grows.
  QByteArray Take() {
    QByteArray bytes = text_.toUtf8();
    if (!begun_) bytes.prepend("\xEF\xBB\xBF");
    begun_ = true;
    text_.clear();
    return bytes;
  }

 private:
  // A spreadsheet runs a cell that begins with one of these as a formula: a text from a file
  // or a typed name could then fetch or compute anything. Such a text gets a leading quote,
  // the usual sign for "text"; numbers such as -3 or +1e5 stay as they are.
  static QString Inert(const QString& field) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?[0-9]+([.,][0-9]+)?(e[+-]?[0-9]+)?$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QString starters = QStringLiteral("=+-@\t\r");
    if (field.isEmpty() || !starters.contains(field.front()) || number.match(field).hasMatch()) {
      return field;
    }
    return QLatin1Char('\'') + field;
  }

  // As RFC 4180 has it: a field holding the separator, a quote or a line break goes in quotes,
  // its quotes doubled. Translations and dates may hold any of them.
  QString Quoted(QString field) const {
    const bool plain = !field.contains(field_) && !field.contains(QLatin1Char('"')) &&
                       !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r'));
    if (plain) return field;
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
  }

  QChar decimal_;
  QChar field_;
  QString text_;
  bool begun_ = false;
};

}  // namespace quirlweg
