#include "image_changes_dialog.h"

#include "document/core_text.h"
#include "editor/write_option_names.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { kWhere, kBefore, kAfter, kColumnCount };

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QString SummaryText(const std::vector<ImageChange>& changes, CImageChangesDialog::Purpose purpose,
                    const QString& otherName)
{
    const bool nothingChanges = changes.empty();
    QString sentence;
    if (purpose == CImageChangesDialog::Purpose::WritePreview) {
        sentence = nothingChanges ? CImageChangesDialog::tr("The write changes nothing in the radio.")
                                  : CImageChangesDialog::tr("Compared with the radio as last read, the write changes:");
    } else {
        sentence = nothingChanges ? CImageChangesDialog::tr("The form and %1 hold the same.").arg(otherName)
                                  : CImageChangesDialog::tr("Where the form differs from %1:").arg(otherName);
    }
    if (nothingChanges)
        return sentence;
    // Only the bytes of empty channels differ: the count says so, the line below names them.
    const QString count = Text(ChangeCountText(changes, CoreTextUtf8));
    return std::any_of(changes.begin(), changes.end(), ChangesTheRadio) ? count + u'\n' + sentence : count;
}

void SetUpTable(QTableWidget& table, const QStringList& headings)
{
    // Arrow keys move through the rows; Tab goes on to the buttons.
    table.setTabKeyNavigation(false);
    table.setHorizontalHeaderLabels(headings);
    table.verticalHeader()->hide();
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setWordWrap(true);
}

} // namespace

CImageChangesDialog::CImageChangesDialog(const std::vector<ImageChange>& changes, Purpose purpose, QWidget* parent,
                                         const QString& otherName)
    : QDialog(parent)
{
    const bool preview = purpose == Purpose::WritePreview;
    setWindowTitle(preview ? WriteOptionName(kPreviewBeforeWrite) : tr("Compare With %1").arg(otherName));
    setAccessibleName(windowTitle());

    m_summary = new QLabel(SummaryText(changes, purpose, otherName), this);
    m_summary->setAccessibleName(tr("Summary"));
    m_summary->setWordWrap(true);

    m_table = new QTableWidget(0, kColumnCount, this);
    m_table->setAccessibleName(tr("Changes"));
    SetUpTable(*m_table, {tr("Where"), preview ? tr("In the radio") : otherName,
                          preview ? tr("Written") : tr("In the form")});
    m_unusedBytes = new QLabel(this);
    m_unusedBytes->setAccessibleName(tr("Unused bytes"));
    m_unusedBytes->setWordWrap(true);
    fillTable(changes);
    m_table->setVisible(m_table->rowCount() > 0);
    m_unusedBytes->setVisible(!m_unusedBytes->text().isEmpty());

    QDialogButtonBox* buttons = createButtons(preview);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_unusedBytes);
    layout->addWidget(buttons);
    if (m_table->rowCount() > 0) {
        resize(1120, 440);
        return;
    }
    // Without a table the wrapped texts decide the height.
    constexpr int kWidth = 480;
    resize(kWidth, layout->totalHeightForWidth(kWidth));
}

// Write and Cancel for the preview, Close for a comparison.
QDialogButtonBox* CImageChangesDialog::createButtons(bool preview)
{
    auto* buttons = new QDialogButtonBox(this);
    if (preview) {
        m_buttonWrite = buttons->addButton(tr("Write"), QDialogButtonBox::AcceptRole);
        m_buttonWrite->setAccessibleName(m_buttonWrite->text());
        m_buttonClose = buttons->addButton(QDialogButtonBox::Cancel);
        m_buttonClose->setText(tr("Cancel"));
    } else {
        m_buttonClose = buttons->addButton(QDialogButtonBox::Close);
        m_buttonClose->setText(tr("Close"));
    }
    m_buttonClose->setAccessibleName(m_buttonClose->text());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter must not write by accident: the default is to go back, and the
    // dialog opens with the focus there, so no other button takes the default.
    m_buttonClose->setDefault(true);
    m_buttonClose->setFocus();
    return buttons;
}

void CImageChangesDialog::fillTable(const std::vector<ImageChange>& changes)
{
    for (const ImageChange& change : changes) {
        if (!ChangesTheRadio(change)) {
            m_unusedBytes->setText(Text(ChangeTitle(change, CoreTextUtf8)));
            continue;
        }
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        const QString texts[kColumnCount] = {Text(ChangeTitle(change, CoreTextUtf8)), Text(ChangeSide(change, false, CoreTextUtf8)),
                                             Text(ChangeSide(change, true, CoreTextUtf8))};
        for (int column = 0; column < kColumnCount; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    // Where takes what its texts need; before and after share the rest and
    // wrap, each row as high as its longest text.
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(kWhere, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kBefore, QHeaderView::Stretch);
    header->setSectionResizeMode(kAfter, QHeaderView::Stretch);
    // Queued: the row heights follow once every column has its new width.
    connect(header, &QHeaderView::sectionResized, m_table, &QTableWidget::resizeRowsToContents, Qt::QueuedConnection);
}

bool ConfirmWrite(QWidget* parent, const RadioImage& radio, const RadioImage& toWrite)
{
    CImageChangesDialog dialog(CompareImages(radio, toWrite), CImageChangesDialog::Purpose::WritePreview, parent);
    return dialog.exec() == QDialog::Accepted;
}

void ShowComparison(QWidget* parent, const RadioImage& file, const RadioImage& form, const QString& fileName)
{
    CImageChangesDialog dialog(CompareImages(file, form), CImageChangesDialog::Purpose::Comparison, parent, fileName);
    dialog.exec();
}
