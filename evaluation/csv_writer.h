#pragma once

#include <QByteArray>
#include <QChar>
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
    for (const QString& f : fields) quoted << Quoted(f);
    text_ += quoted.join(field_) + QStringLiteral("\r\n");
  }
  QString Number(double value) const {
    QString text = QString::number(value, 'g', 10);
    text.replace(QLatin1Char('.'), decimal_);
    return text;
  }
  QByteArray Bytes() const { return QByteArray("\xEF\xBB\xBF") + text_.toUtf8(); }

 private:
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
};

}  // namespace quirlweg
