#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: a new document, a file to open, a file to
// print ("--print FILE", or "/p FILE" as on Windows), or a file whose page is
// written to a PDF instead ("--print-to-pdf OUT.pdf FILE").
struct CCommandLineInfo {
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintToPdf, Invalid };

    ShellCommand m_nShellCommand = FileNew;
    QString m_strFileName;   // as given, quotes and all
    QString m_strPdfName;    // FilePrintToPdf: the PDF to write
    QString m_strError;      // why the line is Invalid
};

// arguments without the program's own name. The first file named counts;
// later ones are ignored.
CCommandLineInfo ParseCommandLine(const QStringList& arguments);

// The file path of the command line as it is opened: a leading double quote
// is skipped and the rest cut at its last double quote, which strips the
// quotes a shell or a desktop link may leave around a path. Nothing is cut
// for length.
QString CommandLinePath(const QString& argument);

// Whether the command line only prints: no window is shown then, so the
// program needs no display.
bool PrintsWithoutWindow(const QStringList& arguments);

// Whether the command line asks only for the program's version, which is
// printed without a window or a display.
bool AsksForVersion(const QStringList& arguments);
