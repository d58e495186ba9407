#include "form/form_session.h"

#include "exchange/form_import.h"
#include "exchange/import_report.h"
#include "form/form_actions.h"
#include "form/form_load.h"
#include "form/form_record.h"
#include "form/form_store.h"
#include "form/form_table.h"

std::string ChannelImport::Text() const
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return summary.empty() ? text : text + summary + '\n';
}

FormSession::FormSession(FormControls& form, RadioImage& image, TranslateText translate)
    : m_form(form)
    , m_image(image)
    , m_translate(translate)
    , m_appliedModel(kNoModelApplied)
{
}

void FormSession::NewForm()
{
    m_image.ResetToDefaults();
    LoadFresh();
}

// A fresh record's contents put into the controls stand for a program just
// started, whatever they showed before.
void FormSession::LoadFresh()
{
    m_appliedModel = kNoModelApplied;
    RestoreSnapshot(TakeSnapshot(FreshFormRecord(), kNoModelApplied, {}), m_form, m_appliedModel);
    Load();
}

void FormSession::Load()
{
    LoadFormFromImage(m_image, m_form, m_appliedModel);
    m_current = {};
    m_history.Clear(snapshot());
}

const RadioImage& FormSession::Store()
{
    StoreFormToImage(m_form, m_image);
    return m_image;
}

void FormSession::MarkSaved()
{
    m_history.MarkSaved(snapshot());
}

bool FormSession::Modified() const
{
    return m_history.IsModified(snapshot());
}

void FormSession::SelectCombo(FormCombo combo, int index)
{
    if (!m_form.IsComboEnabled(combo) || index < 0 || index >= m_form.GetCount(combo))
        return;
    if (m_form.SetCurSel(combo, index))
        ComboChanged(combo);
}

void FormSession::ComboChanged(FormCombo combo)
{
    ReactTo(combo);
    NoteChange(combo == FormCombo::Model ? FormStep{StepKind::ModelChange}
                                         : FormStep{StepKind::Setting, 0, 0, 0, combo});
}

void FormSession::ReactTo(FormCombo combo)
{
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
}

ChannelImport FormSession::ImportCsv(std::string_view csv, ImportOptions options)
{
    const ImportResult result = ImportIntoFormPreview(csv, m_form, m_image, options);
    ChannelImport report{result.status, ImportReportTexts(result, m_translate), {}};
    if (result.status == ImportStatus::Failed)
        return report;
    report.summary = ImportSummaryText(result, m_translate);
    if (report.Loaded()) {
        PutImportedChannels(result, m_form);
        NoteChange({StepKind::ImportChannels});
    }
    return report;
}

std::string FormSession::ShowTable() const
{
    return FormTable(m_form);
}

std::vector<ImageChange> FormSession::ChangesFrom(const RadioImage& against)
{
    return CompareImages(against, Store());
}
