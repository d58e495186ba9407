#pragma once

#include <QString>

class CProgramView;
class QPrinter;
class QWidget;

// Printing the channel list: always exactly one page.

enum class PrintOutcome { Printed, Cancelled, Failed };

// File Print: the print dialog for the one page, then the page.
[[nodiscard]] PrintOutcome RunPrintDialog(QWidget* parent, QPrinter& printer, CProgramView& view);
// File Print Preview: the page as the printer would print it.
void RunPrintPreview(QWidget* parent, QPrinter& printer, CProgramView& view);
// File Print Setup: the printer's paper and page settings.
void RunPrintSetup(QWidget* parent, QPrinter& printer);

// Names the button that shows what a narrow toolbar leaves out, in the main
// window and in the print preview.
void NameMoreToolbarButtons(QWidget& parent);

// The command line's printing; false, with the reason in error, when nothing
// was printed.
[[nodiscard]] bool PrintOnDefaultPrinter(CProgramView& view, QString& error);
[[nodiscard]] bool PrintToPdf(CProgramView& view, const QString& pdfPath, QString& error);
