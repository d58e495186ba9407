#include "form/form_record.h"

#include "form/form_load.h"
#include "form/ptt_id_code.h"

void FormRecord::ResetContent(FormCombo combo)
{
    at(combo).items.clear();
    at(combo).current = -1;
}

void FormRecord::AddString(FormCombo combo, const std::string& text)
{
    at(combo).items.push_back(text);
}

int FormRecord::GetCount(FormCombo combo) const
{
    return static_cast<int>(this->combo(combo).items.size());
}

std::string FormRecord::GetLBText(FormCombo combo, int index) const
{
    const Combo& c = this->combo(combo);
    return index >= 0 && index < GetCount(combo) ? c.items[static_cast<std::size_t>(index)] : std::string();
}

bool FormRecord::SetCurSel(FormCombo combo, int index)
{
    const bool inList = index >= 0 && index < GetCount(combo);
    at(combo).current = inList ? index : -1;
    return inList;
}

int FormRecord::GetCurSel(FormCombo combo) const
{
    return this->combo(combo).current;
}

std::string FormRecord::GetComboText(FormCombo combo) const
{
    const Combo& c = this->combo(combo);
    return c.current >= 0 ? c.items[static_cast<std::size_t>(c.current)] : std::string();
}

void FormRecord::EnableCombo(FormCombo combo, bool enable)
{
    at(combo).enabled = enable;
}

bool FormRecord::IsComboEnabled(FormCombo combo) const
{
    return this->combo(combo).enabled;
}

bool FormRecord::inGrid(long row, long col)
{
    return row >= 0 && row < kGridRows && col >= 0 && col < kGridCols;
}

std::string FormRecord::GetTextMatrix(long row, long col) const
{
    return inGrid(row, col) ? m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] : std::string();
}

void FormRecord::SetTextMatrix(long row, long col, const std::string& text)
{
    if (inGrid(row, col))
        m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = text;
}

void FormRecord::SetPttIdCode(const std::string& text)
{
    m_pttIdCode = PttIdCodeShown(text);
}

FormRecord FreshFormRecord()
{
    FormRecord record;
    CreateFormContents(record);
    FillVoxGainLevels(record);
    WriteGridHeadings(record);
    return record;
}

FormRecord FormRecordOf(const RadioImage& image, int& appliedModel)
{
    FormRecord record = FreshFormRecord();
    appliedModel = kNoModelApplied;
    LoadFormFromImage(image, record, appliedModel);
    return record;
}

FormRecord FormRecordOf(const RadioImage& image)
{
    int appliedModel = kNoModelApplied;
    return FormRecordOf(image, appliedModel);
}
