#include "engine_session.h"

#include "exchange/form_import.h"
#include "exchange/import_report.h"
#include "form/cell_commit.h"
#include "form/form_actions.h"
#include "form/form_store.h"
#include "form/form_table.h"
#include "form/image_changes.h"
#include "form/ptt_id_code.h"
#include "form/utf8_text.h"
#include "image/image_bytes.h"
#include "image/image_layout.h"
#include "image/text_fill.h"
#include "image/ui_text.h"

#include "codec/frequency.h"
#include "codec/tone.h"

#include <algorithm>

namespace {

bool isFrequencyColumn(int col)
{
    return col == kColRxFreq || col == kColTxFreq;
}

bool isToneColumn(int col)
{
    return col == kColRxTone || col == kColTxTone;
}

bool isChannelRow(int row)
{
    return row >= 1 && row < kGridRows;
}

// A typed text shown back in a message: long ones cut with an ellipsis, as
// the desktop's status bar does, counting characters rather than bytes.
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

std::string correctionMessage(const std::string& typed, const CommittedFrequency& stored)
{
    const std::string band =
        FillText(HMPROG_TEXT("%1-%2 MHz"),
                 {std::to_string(g_bandLow / kCountsPerMHz), std::to_string(g_bandHigh / kCountsPerMHz)});
    switch (stored.correction) {
    case FrequencyCorrection::RaisedToBand:
        return FillText(HMPROG_TEXT("%1 MHz is below %2: %3"), {shownTyped(typed), band, stored.text});
    case FrequencyCorrection::LoweredToBand:
        return FillText(HMPROG_TEXT("%1 MHz is above %2: %3"), {shownTyped(typed), band, stored.text});
    case FrequencyCorrection::LoweredOntoRaster:
        return FillText(HMPROG_TEXT("%1 MHz is between channels of 5 kHz and 6.25 kHz: %2"),
                        {shownTyped(typed), stored.text});
    case FrequencyCorrection::None:
        break;
    }
    return {};
}

std::string reportLines(const ImportResult& result)
{
    std::string report;
    for (const std::string& line : ImportReportTexts(result, EnglishText))
        report += line + '\n';
    return report;
}

std::string importReport(const ImportResult& result)
{
    return reportLines(result) + ImportSummaryText(result, EnglishText) + '\n';
}

} // namespace

EngineSession::EngineSession()
{
    NewForm();
}

void EngineSession::NewForm()
{
    m_image.ResetToDefaults();
    loadForm();
}

FileOpen EngineSession::OpenChannelFile(std::span<const std::uint8_t> bytes, const std::string& name)
{
    if (!LoadImageFileBytes(bytes, m_image)) {
        const std::string detail = FillText(kChannelFileLength,
                                            {name, std::to_string(bytes.size()), std::to_string(RadioImage::kSize)});
        return {false, std::string(kChannelFileOpenFailed) + '\n' + detail};
    }
    loadForm();
    return {true, {}};
}

std::vector<std::uint8_t> EngineSession::SaveChannelFile()
{
    StoreFormToImage(m_form, m_image);
    m_history.MarkSaved(snapshot());
    return ImageFileBytes(m_image);
}

// The desktop program started afresh with this image: a fresh form, no model
// applied before, so that the image's own model and channels show.
void EngineSession::loadForm()
{
    m_form = FormRecordOf(m_image, m_appliedModel);
    m_current = {};
    m_history.Clear(snapshot());
}

void EngineSession::SelectCombo(FormCombo combo, int index)
{
    if (!m_form.IsComboEnabled(combo) || index < 0 || index >= m_form.GetCount(combo))
        return;
    if (!m_form.SetCurSel(combo, index))
        return;
    switch (combo) {
    case FormCombo::Model:
        ApplyModel(m_form, m_appliedModel);
        break;
    case FormCombo::Band:
        ApplyBand(m_form);
        break;
    case FormCombo::VoxSwitch:
        ApplyVoxSwitch(m_form);
        break;
    default:
        break;
    }
    noteChange(combo == FormCombo::Model ? FormStep{StepKind::ModelChange} : FormStep{StepKind::Setting, 0, 0, 0, combo},
               m_current);
}

CellCommit EngineSession::CommitCell(int row, int col, const std::string& typed)
{
    if (!isChannelRow(row) || col <= kColNumber || col >= kGridCols)
        return {};
    const bool inUse = !m_form.GetTextMatrix(row, kColRxFreq).empty();
    CellCommit result{true, {}, {}};
    if (isFrequencyColumn(col)) {
        const CommittedFrequency committed = CommitFrequency(typed, g_bandLow, g_bandHigh);
        if (col == kColRxFreq && committed.text.empty()) {
            ClearChannelRow(m_form, row);
        } else if (col == kColRxFreq && !inUse) {
            const ChannelCells cells = NewChannelCells(committed.text);
            for (std::size_t i = 0; i < cells.size(); ++i)
                m_form.SetTextMatrix(row, kColRxFreq + static_cast<long>(i), cells[i]);
        } else {
            // No transmit frequency without a receive frequency.
            m_form.SetTextMatrix(row, col, col == kColRxFreq || inUse ? committed.text : std::string());
        }
        if (col == kColRxFreq || inUse)
            result.message = correctionMessage(typed, committed);
    } else if (isToneColumn(col)) {
        const std::optional<std::string> tone = StorableToneText(typed);
        // A text that names no storable tone is dropped: the cell keeps its tone.
        result.accepted = tone.has_value();
        if (!inUse)
            m_form.SetTextMatrix(row, col, {});
        else if (tone)
            m_form.SetTextMatrix(row, col, *tone);
    } else {
        const std::vector<std::string> items = CellOptionItems(col);
        result.accepted = std::find(items.begin(), items.end(), typed) != items.end();
        if (!inUse)
            m_form.SetTextMatrix(row, col, {});
        else if (result.accepted)
            m_form.SetTextMatrix(row, col, typed);
    }
    result.text = m_form.GetTextMatrix(row, col);
    noteChange({StepKind::Cell, row, 0, col}, {row, col});
    return result;
}

CellCommit EngineSession::SetPttIdCode(const std::string& typed)
{
    const std::string shown = PttIdCodeShown(typed);
    if (!PttIdCodeStorable(shown) || DecodeUtf8(shown).size() > layout::kTextFieldSize)
        return {false, m_form.GetPttIdCode(), {}};
    m_form.SetPttIdCode(shown);
    noteChange(FormStep{StepKind::PttIdCode}, m_current);
    return {true, m_form.GetPttIdCode(), {}};
}

void EngineSession::AddChannel(int row)
{
    if (!isChannelRow(row))
        return;
    AddChannelAt(m_form, row);
    noteChange({StepKind::AddChannel, row}, {row, kColRxFreq});
}

void EngineSession::DeleteChannel(int row)
{
    DeleteRows({row, row});
}

void EngineSession::ClearChannel(int row)
{
    ClearRows({row, row});
}

std::string EngineSession::ExportCsv()
{
    return ExportChannelsCsv(StoredImage(), ExportOptions{});
}

ChannelImport EngineSession::ImportCsv(const std::string& text)
{
    const ImportResult result = ImportIntoFormPreview(text, m_form, m_image, ImportOptions{});
    if (result.status == ImportStatus::Failed)
        return {false, reportLines(result)};
    if (result.status == ImportStatus::NothingLoaded)
        return {false, importReport(result)};
    PutImportedChannels(result, m_form);
    noteChange({StepKind::ImportChannels}, m_current);
    return {true, importReport(result)};
}

RadioImage EngineSession::StoredImage()
{
    StoreFormToImage(m_form, m_image);
    return m_image;
}

void EngineSession::LoadReadImage(const RadioImage& image)
{
    m_image = image;
    loadForm();
}

std::string EngineSession::PreviewWrite(const RadioImage& against)
{
    return ChangesText(CompareImages(against, StoredImage()));
}

std::vector<std::string> CellChoices(int col)
{
    std::vector<std::string> choices;
    if (isToneColumn(col))
        BuildToneList(choices);
    else if (col > kColTxTone && col < kGridCols)
        choices = CellOptionItems(col);
    return choices;
}

std::string ShowText(const RadioImage& image)
{
    return FormTable(FormRecordOf(image));
}
