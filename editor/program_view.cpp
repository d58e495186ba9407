#include "editor/program_view.h"

#include "form/form_actions.h"
#include "form/form_contents.h"
#include "form/form_load.h"
#include "form/form_store.h"
#include "editor/progress_dialog.h"
#include "editor/transfer_controller.h"

#include "codec/tone.h"
#include "grid/ms_flex_grid.h"
#include "document/program_doc.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>

#include <vector>

namespace {

// Width of each grid column as a multiple of the grid's default column width.
constexpr double kColumnWidthFactor[kGridCols] = {0.5, 1.2, 1.2, 1.3, 1.3, 1.2, 1.0, 1.0, 1.0};

// Flex grid alignment code: centred both ways.
constexpr short kAlignCentre = 4;

constexpr int kPttIdCodeLength = 8;

} // namespace

CProgramView::CProgramView(CProgramDoc* doc, QWidget* parent)
    : QWidget(parent)
    , m_appliedModel(kNoModelApplied)
    , m_pDocument(doc)
{
    createControls();
    m_controls = std::make_unique<WidgetFormControls>(
        WidgetFormControls::Combos{m_comboModel, m_comboBand, m_comboSquelch, m_comboTot, m_comboVoice,
                                   m_comboBeep, m_comboVoxSwitch, m_comboVoxGain, m_comboBatterySaver,
                                   m_comboPttId},
        m_grid, m_editPttIdCode);
    CreateFormContents(*m_controls);
    layOutForm();
    placeHiddenEditors();
    connectControls();
    connectCellEditing();
    m_pProgressDlg = std::make_unique<CProgressDialog>(this);
    m_transfers = std::make_unique<CTransferController>(*this, *m_pProgressDlg);
    connect(m_pProgressDlg.get(), &CProgressDialog::StartRequested, this, &CProgramView::OnStartTransfer,
            Qt::QueuedConnection);
}

// The controls go after the view: their last focus and selection changes
// must not reach it.
CProgramView::~CProgramView()
{
    m_editPttIdCode->disconnect(this);
    m_grid->selectionModel()->disconnect(this);
}

void CProgramView::OnInitialUpdate()
{
    if (!m_bInitialised) {
        FillVoxGainLevels(*m_controls);
        SetupGrid();

        std::vector<std::string> tones;
        BuildToneList(tones);
        m_toneList.clear();
        for (const std::string& tone : tones)
            m_toneList << QString::fromStdString(tone);
        m_comboCellTone->clear();
        m_comboCellTone->addItems(m_toneList);

        m_editPttIdCode->setMaxLength(kPttIdCodeLength);
        m_bInitialised = true;
    }
    LoadFromImage();
}

void CProgramView::SetupGrid()
{
    m_grid->SetRows(kGridRows);
    m_grid->SetCols(kGridCols);
    m_grid->SetFixedRows(1);
    m_grid->SetFixedCols(1);
    WriteGridHeadings(*m_controls);
    for (long c = 0; c < m_grid->GetCols(); ++c)
        m_grid->SetColAlignment(c, kAlignCentre);
    m_grid->SetSelectionMode(0);
    m_grid->SetWordWrap(true);

    // Column 0 is set first, from the default width read before any change.
    const long defaultWidth = m_grid->GetColWidth(0);
    for (long c = 0; c < kGridCols; ++c)
        m_grid->SetColWidth(c, static_cast<long>(defaultWidth * kColumnWidthFactor[c]));
    m_grid->setCurrentCell(0, 0);
    fitGridToTable();
}

void CProgramView::LoadFromImage()
{
    // An editor left open would later store its value into the new form.
    CommitOpenEditor();
    LoadFormFromImage(GetDocument()->m_image, *m_controls, m_appliedModel);
    startHistory();
}

void CProgramView::StoreToImage()
{
    // What is typed into an open editor is saved too.
    CommitOpenEditor();
    StoreFormToImage(*m_controls, GetDocument()->m_image);
}

// Several selected channels go together; otherwise the current one.
void CProgramView::OnDeleteChannel()
{
    CommitOpenEditor();
    const ChannelSpan channels = SelectedChannels();
    DeleteChannels(*m_controls, channels);
    m_grid->setFocus(Qt::OtherFocusReason);
    NoteChange({StepKind::DeleteChannels, channels.first, channels.last});
}

void CProgramView::OnAddChannel()
{
    CommitOpenEditor();
    const long row = m_grid->GetRow();
    AddChannelAt(*m_controls, row);
    m_grid->setFocus(Qt::OtherFocusReason);
    NoteChange({StepKind::AddChannel, row});
}

void CProgramView::OnSelChangeModel()
{
    ApplyModel(*m_controls, m_appliedModel);
}

void CProgramView::OnSelChangeBand()
{
    ApplyBand(*m_controls);
}

void CProgramView::OnSelChangeVoxSwitch()
{
    ApplyVoxSwitch(*m_controls);
}
