#include "image_changes_dialog.h"

#include "document/core_text.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { kWhere, kField, kBefore, kAfter, kColumnCount };

QString ValueText(const std::string& value)
{
    return value.empty() ? CImageChangesDialog::tr("(empty)") : QString::fromStdString(value);
}

QString WhereText(const ImageChange& change)
{
    switch (change.kind) {
    case ImageChange::Kind::Setting: return CImageChangesDialog::tr("Setting");
    case ImageChange::Kind::Channel: return CImageChangesDialog::tr("Channel %1").arg(change.channel);
    case ImageChange::Kind::Outside: return CoreText(kOutsideFormText);
    }
    return {};
}

QString FieldText(const ImageChange& change)
{
    if (change.kind == ImageChange::Kind::Outside)
        return QString::fromStdString(HexAddress(change.address));
    return CoreText(change.field);
}

QString SummaryText(bool nothingChanges, CImageChangesDialog::Purpose purpose, const QString& otherName)
{
    if (purpose == CImageChangesDialog::Purpose::WritePreview) {
        return nothingChanges ? CImageChangesDialog::tr("The write changes nothing in the radio.")
                              : CImageChangesDialog::tr("Compared with the radio as last read, the write changes:");
    }
    return nothingChanges ? CImageChangesDialog::tr("The form and %1 hold the same.").arg(otherName)
                          : CImageChangesDialog::tr("Where the form differs from %1:").arg(otherName);
}

} // namespace

CImageChangesDialog::CImageChangesDialog(const std::vector<ImageChange>& changes, Purpose purpose, QWidget* parent,
                                         const QString& otherName)
    : QDialog(parent)
{
    const bool preview = purpose == Purpose::WritePreview;
    setWindowTitle(preview ? tr("Preview Before Write") : tr("Compare With %1").arg(otherName));
    setAccessibleName(windowTitle());

    m_summary = new QLabel(SummaryText(changes.empty(), purpose, otherName), this);
    m_summary->setAccessibleName(tr("Summary"));
    m_summary->setWordWrap(true);

    m_table = new QTableWidget(static_cast<int>(changes.size()), kColumnCount, this);
    m_table->setAccessibleName(tr("Changes"));
    // Arrow keys move through the rows; Tab goes on to the buttons.
    m_table->setTabKeyNavigation(false);
    m_table->setHorizontalHeaderLabels({tr("Where"), tr("Field"), preview ? tr("In the radio") : otherName,
                                        preview ? tr("Written") : tr("In the form")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setVisible(!changes.empty());
    fillTable(changes);

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
    // Enter must not write by accident: the default is to go back.
    m_buttonClose->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(changes.empty() ? QSize(360, 0) : QSize(640, 420));
}

void CImageChangesDialog::fillTable(const std::vector<ImageChange>& changes)
{
    for (int row = 0; row < static_cast<int>(changes.size()); ++row) {
        const ImageChange& change = changes[static_cast<std::size_t>(row)];
        const QString texts[kColumnCount] = {WhereText(change), FieldText(change), ValueText(change.before),
                                             ValueText(change.after)};
        for (int column = 0; column < kColumnCount; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
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
