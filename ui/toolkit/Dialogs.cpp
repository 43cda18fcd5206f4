#include "ui/toolkit/Dialogs.h"

#include <QApplication>
#include <QColor>
#include <QColorDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>

#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/Printer.h"
#include "ui/toolkit/Window.h"

namespace tk {

namespace {

// The first extension of a filter such as "PNG (*.png)", without its dot.
QString FirstExtension(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
  const auto match = pattern.match(filter);
  return match.hasMatch() ? match.captured(1) : QString();
}

class RealDialogs : public DialogSeam {
 public:
  void MsgBox(const std::string& text) override {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
  }

  bool SelectColor(Color& c, const std::string& prompt) override {
    const QColor chosen = QColorDialog::getColor(
        ToQColor(c), QApplication::activeWindow(), QString::fromStdString(prompt));
    if (!chosen.isValid()) return false;
    c = RGB(chosen.red(), chosen.green(), chosen.blue());
    return true;
  }

  std::shared_ptr<FolderItem> GetSaveFolderItem(const std::string& filter,
                                                const std::string& defaultName) override {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QString filterText = QString::fromStdString(filter);
    if (!filterText.isEmpty()) dialog.setNameFilter(filterText);
    const QString suffix = FirstExtension(filterText);
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    dialog.setDirectory(folder);
    dialog.selectFile(QString::fromStdString(defaultName));
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return nullptr;
    return std::make_shared<FolderItem>(files.first().toStdString());
  }

  bool PageSetupDialog(PrinterSetup& setup) override { return RealPageSetupDialog(setup); }

  std::shared_ptr<Graphics> OpenPrinterDialog(PrinterSetup& setup) override {
    return RealPrinterDialog(setup);
  }

  void RunModal(Window& window) override {
    if (!window.IsOpen()) return;
    auto keep = window.shared_from_this();
    QEventLoop loop;
    window.SetModalLoop_(&loop);
    window.ShowAsModal_();
    if (window.IsOpen()) loop.exec(QEventLoop::DialogExec);
    window.SetModalLoop_(nullptr);
  }
};

std::shared_ptr<DialogSeam>& Installed() {
  static auto* seam = new std::shared_ptr<DialogSeam>();
  return *seam;
}

}  // namespace

DialogSeam& Dialogs() {
  static RealDialogs real;
  auto& seam = Installed();
  return seam ? *seam : static_cast<DialogSeam&>(real);
}

void SetDialogSeam(std::shared_ptr<DialogSeam> seam) { Installed() = std::move(seam); }

void MsgBox(const std::string& text) { Dialogs().MsgBox(text); }

bool SelectColor(Color& c, const std::string& prompt) { return Dialogs().SelectColor(c, prompt); }

std::shared_ptr<FolderItem> GetSaveFolderItem(const std::string& filter, const std::string& defaultName) {
  return Dialogs().GetSaveFolderItem(filter, defaultName);
}

std::shared_ptr<Graphics> OpenPrinterDialog(PrinterSetup& setup) {
  return Dialogs().OpenPrinterDialog(setup);
}

}  // namespace tk
