#include "editor/program_view.h"

#include "form/form_contents.h"
#include "editor/progress_dialog.h"
#include "editor/transfer_controller.h"

#include "codec/tone.h"
#include "grid/ms_flex_grid.h"
#include "document/core_text.h"
#include "document/program_doc.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>

#include <vector>

namespace {

// Width of each grid column as a multiple of the grid's default column width.
constexpr double kColumnWidthFactor[kGridCols] = {0.5, 1.2, 1.2, 1.3, 1.3, 1.2, 1.0, 1.0, 1.0};

constexpr int kPttIdCodeLength = 8;

} // namespace

CProgramView::CProgramView(CProgramDoc* doc, QWidget* parent)
    : QWidget(parent)
    , m_pDocument(doc)
{
    createControls();
    m_controls = std::make_unique<WidgetFormControls>(settingCombos(), m_grid, m_editPttIdCode);
    m_session = std::make_unique<FormSession>(*m_controls, doc->m_image, CoreTextUtf8);
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
        m_grid->SetColAlignment(c, CMSFlexGrid::kAlignCenterCenter);
    m_grid->SetSelectionMode(CMSFlexGrid::kSelectionFree);
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
    Session().Load();
    emit HistoryChanged();
}

void CProgramView::StoreToImage()
{
    // What is typed into an open editor is saved too.
    CommitOpenEditor();
    m_session->Store();
}

// Several selected channels go together; otherwise the current one.
void CProgramView::OnDeleteChannel()
{
    CommitOpenEditor();
    Session().DeleteRows(SelectedChannels());
    m_grid->setFocus(Qt::OtherFocusReason);
    emit HistoryChanged();
}

void CProgramView::OnAddChannel()
{
    CommitOpenEditor();
    Session().AddChannel(m_grid->GetRow());
    m_grid->setFocus(Qt::OtherFocusReason);
    emit HistoryChanged();
}

void CProgramView::OnSelChangeModel()
{
    m_session->ReactTo(FormCombo::Model);
}

void CProgramView::OnSelChangeBand()
{
    m_session->ReactTo(FormCombo::Band);
}

void CProgramView::OnSelChangeVoxSwitch()
{
    m_session->ReactTo(FormCombo::VoxSwitch);
}
