#include "keyboard_help_dialog.h"

#include "app/close_buttons.h"

#include "exchange/csv_columns.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

struct KeyRow {
    const char* keys;
    const char* what;
};

// The keys of the channel grid, as the Edit menu and the grid take them.
const KeyRow kGridKeys[] = {
    {QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Click a channel number"),
     QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Picks that channel")},
    {QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Shift+click a channel number"),
     QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Picks every channel from the picked one to it")},
    {QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Shift+Up, Shift+Down"),
     QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Picks one channel more or less")},
    {QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Alt+Up, Alt+Down"),
     QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Moves the picked channels one place up or down")},
    {QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Ctrl+C, Ctrl+Insert"),
     QT_TRANSLATE_NOOP("CKeyboardHelpDialog",
                       "Copies the picked channels as rows of a table; only while the grid has the focus: "
                       "elsewhere Ctrl+C chooses the port COM1")},
    {QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Ctrl+X, Shift+Delete"),
     QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Cuts the picked channels; the channels below move up")},
    {QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Ctrl+V, Shift+Insert"),
     QT_TRANSLATE_NOOP("CKeyboardHelpDialog",
                       "Pastes rows from the picked channel on, each row going through the rules of typing")},
    {QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Del"),
     QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Empties the picked channels in place")},
    {QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Ctrl+Z, Ctrl+Y"),
     QT_TRANSLATE_NOOP("CKeyboardHelpDialog", "Undoes and redoes a change of the form")},
};

} // namespace

CKeyboardHelpDialog::CKeyboardHelpDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Keyboard and Mouse"));
    setAccessibleName(windowTitle());

    m_text = new QTextBrowser(this);
    m_text->setAccessibleName(windowTitle());
    m_text->setOpenLinks(false);
    m_text->setHtml(pageHtml());

    QDialogButtonBox* buttons = MakeCloseButtons(*this, tr("Close"), m_buttonClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    resize(620, 560);
}

QString CKeyboardHelpDialog::pageHtml() const
{
    QString html = QStringLiteral("<h3>%1</h3><table cellspacing=\"4\">").arg(tr("The channel grid").toHtmlEscaped());
    for (const KeyRow& row : kGridKeys)
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(tr(row.keys).toHtmlEscaped(), tr(row.what).toHtmlEscaped());
    html += QStringLiteral("</table><p>%1</p>")
                .arg(tr("Copied rows are the columns Rx Freq to Scan, separated by tabs, without the channel number, "
                        "so that they go to a spreadsheet and back. A paste also takes a channel number as the first "
                        "cell, a heading line and fewer columns.")
                         .toHtmlEscaped());

    QStringList columns;
    for (std::string_view name : kCsvColumnNames)
        columns << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toHtmlEscaped();
    html += QStringLiteral("<h3>%1</h3><p>%2</p><p><tt>%3</tt></p><p>%4</p>")
                .arg(tr("CSV channel lists").toHtmlEscaped(),
                     tr("File Import Channels and Export Channels read and write these columns, in this order:")
                         .toHtmlEscaped(),
                     columns.join(QStringLiteral(", ")),
                     tr("Busy is this radio's busy lockout; Standard columns only leaves it out, for tools that "
                        "refuse unknown columns.")
                         .toHtmlEscaped());
    return html;
}
