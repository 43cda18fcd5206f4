#include "ui/toolkit/Printer.h"

#include <cups/cups.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <optional>

#include "ui/toolkit/Dialogs.h"
#include "ui/toolkit/Graphics.h"

namespace tk {

namespace {

// The setup string is one line of key=value fields separated by ";". Only the
// printer name is free text; it is percent-encoded so it cannot break the
// line apart.
constexpr char kFieldSeparator = ';';

QString Number(double v) { return QString::number(v, 'g', 17); }

std::optional<double> ReadNumber(const QString& text) {
  bool ok = false;
  const double v = text.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<int> ReadInt(const QString& text, int lowest, int highest) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok || v < lowest || v > highest) return std::nullopt;
  return v;
}

// Paper sizes above this many points on a side (about 3.5 m) are taken as
// damaged settings.
constexpr double kLargestPaperPoints = 10000.0;

QPageSize ReadPageSize(const QString& id, const QString& size, const QString& unit) {
  if (auto n = ReadInt(id, 0, int(QPageSize::LastPageSize))) {
    if (*n != int(QPageSize::Custom)) return QPageSize(QPageSize::PageSizeId(*n));
  }
  const QStringList parts = size.split(',');
  const auto u = ReadInt(unit, int(QPageSize::Millimeter), int(QPageSize::Cicero));
  if (parts.size() != 2 || !u) return QPageSize();
  const auto w = ReadNumber(parts[0]);
  const auto h = ReadNumber(parts[1]);
  if (!w || !h || *w <= 0 || *h <= 0) return QPageSize();
  QPageSize page(QSizeF(*w, *h), QPageSize::Unit(*u), QString(), QPageSize::ExactMatch);
  const QSizeF points = page.sizePoints();
  if (!page.isValid() || points.width() > kLargestPaperPoints || points.height() > kLargestPaperPoints)
    return QPageSize();
  return page;
}

// Margins that leave some paper to print on; otherwise none.
QMarginsF ReadMargins(const QString& text, const QString& unit, const QPageSize& page,
                      QPageLayout::Orientation orientation, QPageLayout::Unit* units) {
  const QStringList parts = text.split(',');
  const auto u = ReadInt(unit, int(QPageLayout::Millimeter), int(QPageLayout::Cicero));
  if (parts.size() != 4 || !u) return QMarginsF();
  double m[4];
  for (int i = 0; i < 4; ++i) {
    const auto v = ReadNumber(parts[i]);
    if (!v || *v < 0) return QMarginsF();
    m[i] = *v;
  }
  const QMarginsF margins(m[0], m[1], m[2], m[3]);
  const QPageLayout trial(page, orientation, margins, QPageLayout::Unit(*u));
  if (trial.paintRect().isEmpty()) return QMarginsF();
  *units = QPageLayout::Unit(*u);
  return margins;
}

}  // namespace

PrinterSetup::PrinterSetup() = default;

bool PrinterSetup::PageSetupDialog() { return Dialogs().PageSetupDialog(*this); }

void PrinterSetup::SetResolution(int dpi) { resolution_ = std::clamp(dpi, kMinResolution, kMaxResolution); }

std::string PrinterSetup::SetupString() const {
  QStringList fields;
  if (!printerName_.empty()) {
    const QByteArray name = QByteArray::fromStdString(printerName_).toPercentEncoding();
    fields << QStringLiteral("printer=") + QString::fromLatin1(name);
  }
  if (layout_.isValid()) {
    const QPageSize& page = layout_.pageSize();
    const QSizeF size = page.definitionSize();
    const QMarginsF m = layout_.margins();
    fields << QStringLiteral("page=") + QString::number(int(page.id()))
           << QStringLiteral("size=") + Number(size.width()) + ',' + Number(size.height())
           << QStringLiteral("sizeunit=") + QString::number(int(page.definitionUnits()))
           << QStringLiteral("orientation=") + QString::number(int(layout_.orientation()))
           << QStringLiteral("margins=") + Number(m.left()) + ',' + Number(m.top()) + ',' +
                  Number(m.right()) + ',' + Number(m.bottom())
           << QStringLiteral("marginunit=") + QString::number(int(layout_.units()));
  }
  fields << QStringLiteral("dpi=") + QString::number(resolution_);
  return fields.join(QLatin1Char(kFieldSeparator)).toStdString();
}

void PrinterSetup::SetSetupString(const std::string& text) {
  printerName_.clear();
  layout_ = QPageLayout();
  resolution_ = kDefaultResolution;

  QString page, size, sizeUnit, orientation, margins, marginUnit;
  for (const QString& field : QString::fromStdString(text).split(QLatin1Char(kFieldSeparator))) {
    const qsizetype eq = field.indexOf('=');
    if (eq <= 0) continue;
    const QString key = field.left(eq).trimmed();
    const QString value = field.mid(eq + 1).trimmed();
    if (key == QLatin1String("printer")) {
      printerName_ = QByteArray::fromPercentEncoding(value.toLatin1()).toStdString();
    } else if (key == QLatin1String("page")) {
      page = value;
    } else if (key == QLatin1String("size")) {
      size = value;
    } else if (key == QLatin1String("sizeunit")) {
      sizeUnit = value;
    } else if (key == QLatin1String("orientation")) {
      orientation = value;
    } else if (key == QLatin1String("margins")) {
      margins = value;
    } else if (key == QLatin1String("marginunit")) {
      marginUnit = value;
    } else if (key == QLatin1String("dpi")) {
      bool ok = false;
      const int dpi = value.toInt(&ok);
      if (ok) SetResolution(dpi);
    }
  }

  const QPageSize pageSize = ReadPageSize(page, size, sizeUnit);
  if (!pageSize.isValid()) return;
  const auto turn = ReadInt(orientation, int(QPageLayout::Portrait), int(QPageLayout::Landscape));
  const auto o = turn ? QPageLayout::Orientation(*turn) : QPageLayout::Portrait;
  QPageLayout::Unit units = QPageLayout::Point;
  const QMarginsF m = ReadMargins(margins, marginUnit, pageSize, o, &units);
  layout_ = QPageLayout(pageSize, o, m, units);
}

void PrinterSetup::ApplyTo(QPrinter& printer) const {
  if (!printerName_.empty() && printer.outputFormat() == QPrinter::NativeFormat)
    printer.setPrinterName(QString::fromStdString(printerName_));
  if (layout_.isValid() && !printer.setPageLayout(layout_)) {
    // The printer refuses the margins (narrower than it can print): keep its
    // own margins but the paper and orientation asked for.
    printer.setPageSize(layout_.pageSize());
    printer.setPageOrientation(layout_.orientation());
  }
  printer.setResolution(resolution_);
}

void PrinterSetup::TakeFrom(const QPrinter& printer) {
  printerName_ =
      printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName().toStdString() : std::string();
  layout_ = printer.pageLayout();
}

namespace {

// A print job: the printer outlives the Graphics drawing on it, so the
// painter ends (and the job is sent or the file written) before the printer
// goes.
struct PrintJob {
  std::unique_ptr<QPrinter> printer;
  std::unique_ptr<Graphics> graphics;
  ~PrintJob() {
    graphics.reset();
    printer.reset();
  }
};

// The print system's reason for the last request of this thread, as the
// middle of a sentence.
std::string PrintSystemReason() {
  const char* text = cupsLastErrorString();
  std::string reason = text != nullptr && *text != '\0' ? text : ippErrorString(cupsLastError());
  while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) reason.pop_back();
  // When the print server cannot be reached, libcups only has the system's
  // word for the failed connection ("Connection refused").
  const ipp_status_t status = cupsLastError();
  if (status == IPP_STATUS_ERROR_INTERNAL || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
    return "the print system is not available (" + reason + ")";
  return reason.empty() ? "the print system refused the job" : reason;
}

}  // namespace

std::shared_ptr<Graphics> PrinterGraphics(std::unique_ptr<QPrinter> printer) {
  if (!printer) return nullptr;
  // A job into a file that cannot be written is refused before it starts,
  // with the file named.
  const QString file = printer->outputFileName();
  if (!file.isEmpty()) {
    const QFileInfo info(file);
    const QString folder = info.absolutePath();
    const bool writable = info.exists() ? ::access(QFile::encodeName(info.absoluteFilePath()), W_OK) == 0
                                        : ::access(QFile::encodeName(folder), W_OK) == 0;
    if (!writable) throw PrintError("the file " + file.toStdString() + " cannot be written");
  }
  // The program loops over the copies itself; left at the number asked for,
  // the printer would print every one of those pages that many times again.
  const int copies = std::max(0, printer->copyCount());
  printer->setCopyCount(1);
  // The print system lists the job under the program's name.
  if (printer->docName().isEmpty()) printer->setDocName(QCoreApplication::applicationName());
  auto job = std::make_shared<PrintJob>();
  job->graphics = std::make_unique<Graphics>(printer.get(), printer->width(), printer->height());
  job->graphics->SetCopies(copies);
  job->graphics->SetPagedDevice(printer.get());
  job->printer = std::move(printer);
  return std::shared_ptr<Graphics>(job, job->graphics.get());
}

void EndPrintJob(Graphics& g) {
  const auto* printer = dynamic_cast<const QPrinter*>(g.PagedDevice());
  // A started job for a printer of the print system is handed to it when the
  // painter ends; Qt drops the answer and reports success either way. The
  // answer stays with libcups as the last error of this thread, so it is
  // read straight after.
  const bool spooled = printer != nullptr && printer->printerState() == QPrinter::Active &&
                       printer->outputFormat() == QPrinter::NativeFormat && printer->outputFileName().isEmpty();
  const bool named = spooled && !printer->printerName().isEmpty();
  g.End();
  if (!spooled) return;
  // Without a printer's name Qt throws the job away.
  if (!named) throw PrintError("no printer was chosen");
  if (cupsLastError() >= IPP_STATUS_REDIRECTION_OTHER_SITE) throw PrintError(PrintSystemReason());
}

std::shared_ptr<Graphics> PdfPrinterGraphics(const PrinterSetup& setup, const std::string& path, int copies) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(path));
  setup.ApplyTo(*printer);
  printer->setCopyCount(std::max(0, copies));
  auto g = PrinterGraphics(std::move(printer));
  // A printer may refuse a count of 0; the count asked for stands.
  g->SetCopies(std::max(0, copies));
  return g;
}

namespace {

// Qt's page-setup dialog warns whenever its printer is not a native one,
// although on this platform it sets up the page of a PDF file just as well;
// on a machine without printers that is the only printer there is, and Qt
// offers no other page-setup dialog. While the dialog is made, that one
// message is dropped; every other message goes where it always goes.
constexpr char kNonNativeWarning[] = "QPageSetupDialog: Cannot be used on non-native printers";
QtMessageHandler passOn = nullptr;

void DropNonNativeWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message == QLatin1String(kNonNativeWarning)) return;
  if (passOn) passOn(type, context, message);
}

class QuietNonNativeWarning {
 public:
  explicit QuietNonNativeWarning(bool active) : active_(active) {
    if (active_) passOn = qInstallMessageHandler(DropNonNativeWarning);
  }
  ~QuietNonNativeWarning() {
    if (active_) qInstallMessageHandler(passOn);
  }
  QuietNonNativeWarning(const QuietNonNativeWarning&) = delete;
  QuietNonNativeWarning& operator=(const QuietNonNativeWarning&) = delete;

 private:
  bool active_;
};

}  // namespace

bool RealPageSetupDialog(PrinterSetup& setup) {
  QPrinter printer(QPrinter::HighResolution);
  setup.ApplyTo(printer);
  std::optional<QPageSetupDialog> dialog;
  {
    const QuietNonNativeWarning quiet(printer.outputFormat() != QPrinter::NativeFormat);
    dialog.emplace(&printer, nullptr);
  }
  if (dialog->exec() != QDialog::Accepted) return false;
  setup.TakeFrom(printer);
  return true;
}

namespace {

// Whether the user confirmed the page settings that the print dialog offers
// in a dialog of its own (its only child dialog).
bool PageSettingsConfirmed(const QPrintDialog& dialog) {
  for (const QDialog* child : dialog.findChildren<QDialog*>())
    if (child->result() == QDialog::Accepted) return true;
  return false;
}

}  // namespace

std::shared_ptr<Graphics> RealPrinterDialog(PrinterSetup& setup) {
  return RunPrinterDialog(setup, [](QPrintDialog& dialog) { return dialog.exec() == QDialog::Accepted; });
}

std::shared_ptr<Graphics> RunPrinterDialog(PrinterSetup& setup, const std::function<bool(QPrintDialog&)>& run) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  setup.ApplyTo(*printer);
  QPrintDialog dialog(printer.get(), nullptr);
  // Every copy is one page: there is no range of pages to choose from.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (!run(dialog)) return nullptr;
  const QPageLayout confirmed = setup.PageLayout();
  setup.TakeFrom(*printer);
  // Qt's print dialog puts the printer's default paper on the printer when
  // it is confirmed, whatever the page setup chose, unless the user
  // confirmed page settings in it: the page setup holds.
  if (confirmed.isValid() && !PageSettingsConfirmed(dialog)) {
    setup.SetPageLayout(confirmed);
    setup.ApplyTo(*printer);
  }
  // The dialog may have switched the printer's engine (a file instead of a
  // printer), which starts again at its own resolution.
  printer->setResolution(setup.HorizontalResolution());
  return PrinterGraphics(std::move(printer));
}

}  // namespace tk
