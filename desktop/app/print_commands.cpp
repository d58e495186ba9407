#include "print_commands.h"
#include "program_title.h"

#include "editor/program_view.h"
#include "document/display_path.h"
#include "document/file_kind.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace {

// The translation context of this file's texts.
class PrintCommands {
    Q_DECLARE_TR_FUNCTIONS(PrintCommands)
};

// What a printer cannot print on: a quarter of an inch at each edge, so that
// a PDF page looks as a printed one does.
constexpr double kPdfMarginMm = 6.35;
constexpr int kPdfResolution = 600;

QPageSize localPaper()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                          : QPageSize::A4);
}

} // namespace

PrintOutcome RunPrintDialog(QWidget* parent, QPrinter& printer, CProgramView& view)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setAccessibleName(dialog.windowTitle());
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    return view.PrintPage(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

namespace {

// Qt's preview leaves its zoom list, page number and toolbar overflow button
// without a name a screen reader could announce.
void NamePreviewControls(QPrintPreviewDialog& preview)
{
    for (QLineEdit* edit : preview.findChildren<QLineEdit*>()) {
        const bool zoom = qobject_cast<QComboBox*>(edit->parentWidget()) != nullptr;
        edit->setAccessibleName(zoom ? PrintCommands::tr("Zoom") : PrintCommands::tr("Page number"));
    }
    for (QComboBox* combo : preview.findChildren<QComboBox*>())
        combo->setAccessibleName(PrintCommands::tr("Zoom"));
    NameMoreToolbarButtons(preview);
}

} // namespace

void NameMoreToolbarButtons(QWidget& parent)
{
    for (QWidget* more : parent.findChildren<QWidget*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(PrintCommands::tr("More toolbar buttons"));
}

void RunPrintPreview(QWidget* parent, QPrinter& printer, CProgramView& view)
{
    QPrintPreviewDialog preview(&printer, parent);
    preview.setAccessibleName(preview.windowTitle());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&view](QPrinter* target) { static_cast<void>(view.PrintPage(*target)); });
    if (auto* pages = preview.findChild<QPrintPreviewWidget*>()) {
        pages->setAccessibleName(PrintCommands::tr("Preview"));
        pages->setViewMode(QPrintPreviewWidget::SinglePageView);
    }
    NamePreviewControls(preview);
    preview.exec();
}

void RunPrintSetup(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    dialog.setAccessibleName(dialog.windowTitle());
    dialog.exec();
}

bool PrintOnDefaultPrinter(CProgramView& view, QString& error)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        error = PrintCommands::tr("there is no printer to print on (--print-to-pdf OUT.pdf FILE writes the page to a PDF)");
        return false;
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    if (!view.PrintPage(printer)) {
        error = PrintCommands::tr("the printer %1 did not take the page").arg(printerInfo.printerName());
        return false;
    }
    return true;
}

bool PrintToPdf(CProgramView& view, const QString& pdfPath, QString& error)
{
    error = CheckOutputFile(pdfPath);
    if (!error.isEmpty())
        return false;
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        error = PrintCommands::tr("cannot write %1: %2").arg(DisplayPath(pdfPath), file.errorString());
        return false;
    }
    QPdfWriter writer(&file);
    writer.setCreator(ProgramTitle());
    writer.setTitle(PrintCommands::tr("Channel list"));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(localPaper(), QPageLayout::Portrait,
                                     QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                     QPageLayout::Millimeter));
    if (!view.PrintPage(writer)) {
        file.cancelWriting();
        error = PrintCommands::tr("cannot draw the page into %1").arg(DisplayPath(pdfPath));
        return false;
    }
    if (!file.commit()) {
        error = PrintCommands::tr("cannot write %1: %2").arg(DisplayPath(pdfPath), file.errorString());
        return false;
    }
    return true;
}
