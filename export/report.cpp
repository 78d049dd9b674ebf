#include "export/report.h"

#include <QBuffer>
#include <QChartView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <array>

#include "display/picture_area.h"
#include "export/lesson_steps.h"
#include "export/series_export.h"
#include "figures/evaluation_charts.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"
#include "figures/series_table.h"
#include "series/series_summary.h"
#include "window/simulation.h"

namespace quirlweg {
namespace {

struct Report {
  Q_DECLARE_TR_FUNCTIONS(Report)
};

// The evaluation's charts, drawn for paper: laid out side by side but never shown.
class PaperCharts {
 public:
  PaperCharts(const JourneySeries& journeys, const ExactStatistics& exact) {
    charts_.setAttribute(Qt::WA_DontShowOnScreen);
    charts_.resize(1600, 560);
    charts_.show();
    const theory::Setting& setting = exact.setting();
    // The row the class guessed, else the one the evaluation window starts with.
    const auto& guess = exact.guess();
    const bool guessedShare = guess && IsShare(guess->row);
    const SeriesRow row = guessedShare ? guess->row : FollowedRow(setting, SeriesRow::Top);
    std::optional<double> share;
    if (exact.values()) share = ExactValue(*exact.values(), row, setting.dimension);
    const auto guessed = [&](bool shown) {
      return shown ? std::optional(guess->value) : std::nullopt;
    };
    charts_.ShowConvergence(journeys, row, RowName(row), share, guessed(guessedShare));
    charts_.ShowLengths(journeys, exact.values(), guessed(guess && !guessedShare));
    views_ = charts_.findChildren<QChartView*>();
  }

  // Chart 0 is the convergence, 1 the lengths; as vectors, laid out at `layout` in screen
  // pixels (the smaller, the larger its texts come out) and scaled into `target`.
  void Paint(QPainter& painter, int chart, const QRectF& target, QSize layout) {
    if (chart >= views_.size()) return;
    QGraphicsView* view = views_[chart];
    view->resize(layout);
    view->render(&painter, target, QRect(), Qt::KeepAspectRatio);
  }

 private:
  EvaluationCharts charts_;
  QList<QChartView*> views_;
};

QString SettingText(const theory::Setting& s) {
  QString text = Report::tr(
                     "Dimension %1, Gitter −%2 … %2, Start (%3 | %4), Heimkreis "
                     "absorbiert: %5")
                     .arg(s.dimension)
                     .arg(s.radius)
                     .arg(s.startX)
                     .arg(-s.startY)
                     .arg(s.homeAbsorbs ? Report::tr("ja") : Report::tr("nein"));
  if (s.dimension == 1) {
    text += Report::tr(", p(rechts) = %1").arg(DisplayLocale().toString(s.rightProbability));
  }
  return text;
}

// Draws from the top of the page down, a line or a block at a time.
class Page {
 public:
  explicit Page(QPagedPaintDevice& device) : device_(device), painter_(&device) {
    width_ = device.width();
    height_ = device.height();
  }
  QPainter& painter() { return painter_; }
  double width() const { return width_; }
  double height() const { return height_; }
  double y() const { return y_; }
  void Skip(double points) { y_ += Points(points); }
  double Points(double points) const { return points * device_.logicalDpiY() / 72.0; }

  void Line(const QString& text, double size, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(size);
    font.setBold(bold);
    painter_.setFont(font);
    const QRectF room(0, y_, width_, height_ - y_);
    const QRectF used = painter_.boundingRect(room, Qt::TextWordWrap, text);
    painter_.drawText(room, Qt::TextWordWrap, text);
    y_ += used.height();
  }

  void Table(const SeriesTable& table) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.5);
    const double rowHeight = QFontMetricsF(font, &device_).height() * 1.35;
    const std::array<double, 6> widths{0.22, 0.10, 0.15, 0.19, 0.17, 0.17};
    const auto row = [&](const QStringList& cells, bool bold) {
      font.setBold(bold);
      painter_.setFont(font);
      double x = 0;
      for (int c = 0; c < cells.size() && c < 6; ++c) {
        const double w = widths[static_cast<std::size_t>(c)] * width_;
        const QRectF cell(x + Points(3), y_, w - Points(6), rowHeight);
        painter_.drawText(cell, (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                          cells[c]);
        x += w;
      }
      y_ += rowHeight;
      painter_.setPen(QPen(QColor(170, 170, 170), Points(0.5)));
      painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
      painter_.setPen(Qt::black);
    };
    row(table.header, true);
    for (const QStringList& cells : table.rows) row(cells, false);
  }

  // Lines of `lines` from `first` on, in a column, as many as fit down to the page's end;
  // returns the first one left over.
  qsizetype Column(const QStringList& lines, qsizetype first, const QRectF& area) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPointSizeF(7);
    painter_.setFont(font);
    const double lineHeight = QFontMetricsF(font, &device_).height();
    double y = area.top();
    qsizetype i = first;
    for (; i < lines.size() && y + lineHeight <= area.bottom(); ++i, y += lineHeight) {
      painter_.drawText(QRectF(area.left(), y, area.width(), lineHeight),
                        Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
    return i;
  }

  // A new page first where `points` more would not fit on this one.
  void Room(double points) {
    if (y_ + Points(points) > height_) NewPage();
  }

  void NewPage() {
    device_.newPage();
    y_ = 0;
  }

 private:
  QPagedPaintDevice& device_;
  QPainter painter_;
  double width_ = 0;
  double height_ = 0;
  double y_ = 0;
};

void SetA4(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

// The lesson's steps, each with its question and the class's answer or ruled lines for one.
void PaintWorksheet(Page& page, const std::vector<WorksheetStep>& steps) {
  page.Line(Report::tr("Quirlweg – Arbeitsblatt"), 16, true);
  page.Skip(4);
  page.Line(Report::tr("Name: ______________________   Datum: ____________"), 11);
  page.Skip(10);
  int number = 0;
  for (const WorksheetStep& step : steps) {
    page.Room(60);
    page.Line(Report::tr("%1. %2").arg(++number).arg(step.text), 11);
    if (!step.question.isEmpty()) {
      page.Skip(3);
      page.Line(step.question, 11, true);
      page.Skip(3);
      if (!step.answer.isEmpty()) {
        page.Line(Report::tr("Antwort der Klasse: %1").arg(step.answer), 11);
      } else {
        for (int line = 0; line < 3; ++line) {
          page.Skip(18);
          page.painter().setPen(QPen(QColor(120, 120, 120), page.Points(0.5)));
          page.painter().drawLine(QPointF(0, page.y()), QPointF(page.width(), page.y()));
          page.painter().setPen(Qt::black);
        }
      }
    }
    page.Skip(12);
  }
}

}  // namespace

std::vector<WorksheetStep> WorksheetOf(const std::vector<LessonStep>& steps, bool english) {
  const auto pick = [english](const std::string& german, const std::string& englishText) {
    return QString::fromStdString(InLanguage(german, englishText, english));
  };
  std::vector<WorksheetStep> worksheet;
  for (const LessonStep& step : steps) {
    worksheet.push_back({pick(step.textGerman, step.textEnglish),
                         pick(step.questionGerman, step.questionEnglish),
                         QString::fromStdString(step.answer)});
  }
  return worksheet;
}

ReportContents ReportContentsOf(const Simulation& window) {
  const WindowControls& controls = window.controls();
  ReportContents walk{
      window.series(), window.Seed(), controls.latticeView->grab().toImage(), {}, {}, {}};
  if (controls.showProtocolBox->isChecked()) walk.protocol = window.statistics().ProtocolLines();
  if (const auto* steps = window.findChild<LessonSteps*>()) {
    walk.worksheet = WorksheetOf(steps->steps(), steps->english());
  }
  return walk;
}

void PaintReport(QPagedPaintDevice& device, const ReportContents& walk,
                 const ExactStatistics& exact) {
  const JourneySeries& journeys = walk.journeys;
  const theory::Setting& setting = exact.setting();
  PaperCharts charts(journeys, exact);
  Page page(device);
  if (!walk.worksheet.empty()) {
    PaintWorksheet(page, walk.worksheet);
    page.NewPage();
  }
  page.Line(Report::tr("Quirlweg – Bericht einer Serie"), 16, true);
  page.Line(Report::tr("%1 · Quirlweg %2")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                     QCoreApplication::applicationVersion()),
            9);
  page.Skip(8);
  page.Line(SettingText(setting), 11);
  const QString counted =
      walk.origin.isEmpty()
          ? Report::tr("Startwert: %1 · Reisen: %2").arg(walk.seed).arg(journeys.size())
          : Report::tr("%1 · Reisen: %2").arg(walk.origin).arg(journeys.size());
  page.Line(counted, 11, true);
  if (Summarize(journeys, setting, nullptr).mixesSettings) {
    page.Line(Report::tr("Die Serie mischt Einstellungen – die exakten Werte gelten für die "
                         "jetzige."),
              9);
  }
  if (exact.guess()) page.Line(GuessText(*exact.guess()), 11);
  if (exact.hidden()) {
    page.Line(Report::tr("Die exakten Werte sind verborgen: Die Klasse schätzt zuerst."), 9);
  } else if (!exact.values()) {
    page.Line(Report::tr("Die exakten Werte waren noch nicht berechnet."), 9);
  }
  page.Skip(8);
  page.Table(TableOf(journeys, exact));
  page.Skip(10);

  const double gap = page.Points(12);
  const double chartWidth = (page.width() - gap) / 2;
  const double chartHeight = chartWidth * 0.62;
  // Laid out a little smaller than on screen, so that the axes stay readable on paper.
  const QSize layout(470, static_cast<int>(470 * 0.62));
  charts.Paint(page.painter(), 0, QRectF(0, page.y(), chartWidth, chartHeight), layout);
  charts.Paint(page.painter(), 1, QRectF(chartWidth + gap, page.y(), chartWidth, chartHeight),
               layout);
  const double below = page.y() + chartHeight + gap;

  // The lattice as the view shows it, beside the protocol when that is shown.
  const QImage& lattice = walk.lattice;
  const bool protocolShown = walk.protocol.has_value();
  const double side =
      std::min(protocolShown ? chartWidth : page.width() * 0.6, page.height() - below);
  if (!lattice.isNull() && side > 0) {
    const QSizeF fitted = QSizeF(lattice.size()).scaled(side, side, Qt::KeepAspectRatio);
    page.painter().drawImage(QRectF(QPointF(0, below), fitted), lattice);
  }
  if (!protocolShown) return;
  const QStringList& lines = *walk.protocol;
  const QRectF column(chartWidth + gap, below, chartWidth, page.height() - below);
  const qsizetype rest = page.Column(lines, 0, column);
  if (rest >= lines.size()) return;
  // The rest of the protocol on a second page in four columns, its newest lines cut where it
  // ends.
  page.NewPage();
  const double columnGap = page.Points(10);
  const double columnWidth = (page.width() - 3 * columnGap) / 4;
  const double columnHeight = page.height() - page.Points(12);
  qsizetype next = rest;
  for (int c = 0; c < 4; ++c) {
    next = page.Column(lines, next,
                       QRectF(c * (columnWidth + columnGap), 0, columnWidth, columnHeight));
  }
  if (next < lines.size()) {
    page.Column({Report::tr("… und %1 weitere Zeilen").arg(lines.size() - next)}, 0,
                QRectF(0, columnHeight, page.width(), page.Points(12)));
  }
}

std::optional<QString> WriteReportPdf(const QString& path, const ReportContents& walk,
                                      const ExactStatistics& exact) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setTitle(Report::tr("Quirlweg – Bericht einer Serie"));
    writer.setCreator(QStringLiteral("Quirlweg %1").arg(QCoreApplication::applicationVersion()));
    SetA4(writer);
    PaintReport(writer, walk, exact);
  }
  if (pdf.isEmpty()) return Report::tr("Der Bericht ließ sich nicht als PDF erzeugen.");
  return WriteWholeFile(path, pdf);
}

bool PrintReport(QWidget* parent, const ReportContents& walk, const ExactStatistics& exact) {
  QPrinter printer(QPrinter::HighResolution);
  SetA4(printer);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(Report::tr("Bericht drucken"));
  if (dialog.exec() != QDialog::Accepted) return false;
  PaintReport(printer, walk, exact);
  return true;
}

std::optional<QString> WriteChartsSvg(const QString& path, const JourneySeries& journeys,
                                      const ExactStatistics& exact) {
  PaperCharts charts(journeys, exact);
  QByteArray svg;
  {
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    constexpr QSize kSize(900, 1120);
    generator.setSize(kSize);
    generator.setViewBox(QRect(QPoint(0, 0), kSize));
    generator.setTitle(Report::tr("Quirlweg – Diagramme"));
    QPainter painter(&generator);
    charts.Paint(painter, 0, QRectF(0, 0, 900, 550), QSize(900, 550));
    charts.Paint(painter, 1, QRectF(0, 570, 900, 550), QSize(900, 550));
  }
  return WriteWholeFile(path, svg);
}

}  // namespace quirlweg
