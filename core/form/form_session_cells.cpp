// A typed cell stored by the rules of typing, and what the status line says
// when a frequency was not stored as typed.

#include "form/form_session.h"

#include "codec/frequency.h"
#include "form/cell_commit.h"
#include "form/form_actions.h"
#include "form/form_contents.h"
#include "form/ptt_id_code.h"
#include "form/utf8_text.h"
#include "image/image_layout.h"
#include "image/text_fill.h"
#include "image/ui_text.h"

#include <algorithm>

namespace {

bool isFrequencyColumn(long col)
{
    return col == kColRxFreq || col == kColTxFreq;
}

bool isToneColumn(long col)
{
    return col == kColRxTone || col == kColTxTone;
}

// A typed text shown back in a message: long ones cut with an ellipsis, as
// the status bar holds them, counting characters rather than bytes.
std::string shownTyped(const std::string& typed)
{
    constexpr std::size_t kLongestShown = 20;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(typed[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters == kLongestShown && i + 1 < typed.size())
            return typed.substr(0, i) + "\u2026";
    }
    return typed;
}

// A frequency typed into the Rx Freq cell creates, empties or changes the
// channel; the Tx Freq cell takes one only while the channel is in use.
void putFrequency(FormControls& form, long row, long col, bool inUse, const std::string& stored)
{
    if (col == kColRxFreq && stored.empty()) {
        ClearChannelRow(form, row);
    } else if (col == kColRxFreq && !inUse) {
        const ChannelCells cells = NewChannelCells(stored);
        for (std::size_t i = 0; i < cells.size(); ++i)
            form.SetTextMatrix(row, kColRxFreq + static_cast<long>(i), cells[i]);
    } else {
        // No transmit frequency without a receive frequency.
        form.SetTextMatrix(row, col, col == kColRxFreq || inUse ? stored : std::string());
    }
}

// A tone or an option: taken when the channel can hold it; a channel not in
// use keeps the cell empty, any other text is dropped.
bool putChoice(FormControls& form, long row, long col, bool inUse, const std::optional<std::string>& stored)
{
    if (!inUse)
        form.SetTextMatrix(row, col, {});
    else if (stored)
        form.SetTextMatrix(row, col, *stored);
    return stored.has_value();
}

std::optional<std::string> storableOption(long col, const std::string& typed)
{
    const std::vector<std::string> items = CellOptionItems(col);
    if (std::find(items.begin(), items.end(), typed) == items.end())
        return std::nullopt;
    return typed;
}

} // namespace

std::string FormSession::correctionMessage(const std::string& typed, const CommittedFrequency& stored) const
{
    const std::string band =
        FillText(m_translate(HMPROG_TEXT("%1-%2 MHz")),
                 {std::to_string(g_bandLow / kCountsPerMHz), std::to_string(g_bandHigh / kCountsPerMHz)});
    switch (stored.correction) {
    case FrequencyCorrection::RaisedToBand:
        return FillText(m_translate(HMPROG_TEXT("%1 MHz is below %2: %3")), {shownTyped(typed), band, stored.text});
    case FrequencyCorrection::LoweredToBand:
        return FillText(m_translate(HMPROG_TEXT("%1 MHz is above %2: %3")), {shownTyped(typed), band, stored.text});
    case FrequencyCorrection::LoweredOntoRaster:
        return FillText(m_translate(HMPROG_TEXT("%1 MHz is between channels of 5 kHz and 6.25 kHz: %2")),
                        {shownTyped(typed), stored.text});
    case FrequencyCorrection::None:
        break;
    }
    return {};
}

CellCommit FormSession::CommitCell(long row, long col, const std::string& typed)
{
    if (row < 1 || row >= m_form.GetRows() || col <= kColNumber || col >= m_form.GetCols())
        return {};
    const bool inUse = !m_form.GetTextMatrix(row, kColRxFreq).empty();
    CellCommit result{true, {}, {}};
    if (isFrequencyColumn(col)) {
        const CommittedFrequency committed = CommitFrequency(typed, g_bandLow, g_bandHigh);
        putFrequency(m_form, row, col, inUse, committed.text);
        if (col == kColRxFreq || inUse)
            result.message = correctionMessage(typed, committed);
    } else if (isToneColumn(col)) {
        result.accepted = putChoice(m_form, row, col, inUse, StorableToneText(typed));
    } else {
        result.accepted = putChoice(m_form, row, col, inUse, storableOption(col, typed));
    }
    result.text = m_form.GetTextMatrix(row, col);
    NoteChange({StepKind::Cell, row, 0, col}, {row, col}, m_current);
    return result;
}

CellCommit FormSession::SetPttIdCode(const std::string& typed)
{
    const std::string shown = PttIdCodeShown(typed);
    if (!PttIdCodeStorable(shown) || DecodeUtf8(shown).size() > layout::kTextFieldSize)
        return {false, m_form.GetPttIdCode(), {}};
    m_form.SetPttIdCode(shown);
    NoteChange(FormStep{StepKind::PttIdCode});
    return {true, m_form.GetPttIdCode(), {}};
}
