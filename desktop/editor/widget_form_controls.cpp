#include "editor/widget_form_controls.h"

#include "grid/ms_flex_grid.h"

#include <QComboBox>
#include <QLineEdit>

WidgetFormControls::WidgetFormControls(const Combos& combos, CMSFlexGrid* grid, QLineEdit* pttIdCode)
    : m_combos(combos)
    , m_grid(grid)
    , m_pttIdCode(pttIdCode)
{
}

void WidgetFormControls::ResetContent(FormCombo combo)
{
    at(combo)->clear();
}

// A Qt combo box selects the first item added to an empty list; the form's
// lists keep having no selection until one is made.
void WidgetFormControls::AddString(FormCombo combo, const std::string& text)
{
    QComboBox* box = at(combo);
    const int before = box->currentIndex();
    box->addItem(QString::fromStdString(text));
    if (before < 0)
        box->setCurrentIndex(-1);
}

int WidgetFormControls::GetCount(FormCombo combo) const
{
    return at(combo)->count();
}

std::string WidgetFormControls::GetLBText(FormCombo combo, int index) const
{
    // itemText is "" for an index outside the list.
    return at(combo)->itemText(index).toStdString();
}

bool WidgetFormControls::SetCurSel(FormCombo combo, int index)
{
    QComboBox* box = at(combo);
    const bool inList = index >= 0 && index < box->count();
    box->setCurrentIndex(inList ? index : -1);
    return inList;
}

int WidgetFormControls::GetCurSel(FormCombo combo) const
{
    return at(combo)->currentIndex();
}

std::string WidgetFormControls::GetComboText(FormCombo combo) const
{
    const QComboBox* box = at(combo);
    return box->currentIndex() >= 0 ? box->currentText().toStdString() : std::string();
}

void WidgetFormControls::EnableCombo(FormCombo combo, bool enable)
{
    at(combo)->setEnabled(enable);
}

bool WidgetFormControls::IsComboEnabled(FormCombo combo) const
{
    // The combo's own state, as the form's rules set it: a transfer disables
    // the whole group for a while, which is no change of the form.
    return !at(combo)->testAttribute(Qt::WA_ForceDisabled);
}

long WidgetFormControls::GetRows() const
{
    return m_grid->GetRows();
}

long WidgetFormControls::GetCols() const
{
    return m_grid->GetCols();
}

std::string WidgetFormControls::GetTextMatrix(long row, long col) const
{
    return m_grid->GetTextMatrix(row, col).toStdString();
}

void WidgetFormControls::SetTextMatrix(long row, long col, const std::string& text)
{
    m_grid->SetTextMatrix(row, col, QString::fromStdString(text));
}

std::string WidgetFormControls::GetPttIdCode() const
{
    return m_pttIdCode->text().toStdString();
}

void WidgetFormControls::SetPttIdCode(const std::string& text)
{
    m_pttIdCode->setText(QString::fromStdString(text));
}
