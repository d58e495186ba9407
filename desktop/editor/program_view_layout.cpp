// The form's controls and where they sit: the "Setting" group with four
// label/combo pairs per row, the "Channel:" row, and the grid below. Sizes and
// gaps come from the form's template in dialog units of the form's font;
// controls grow where a text needs more room.

#include "editor/program_view.h"

#include "editor/combo_box_names.h"
#include "editor/dialog_units.h"
#include "document/core_text.h"
#include "form/form_contents.h"
#include "form/setting_labels.h"
#include "editor/ptt_id_code_validator.h"

#include "grid/ms_flex_grid.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const QFont& formFont()
{
    static const QFont font(FormFontFamily(), 8);
    return font;
}

QFont gridFont()
{
    QFont font(FormFontFamily(), 9, QFont::Bold);
    return font;
}

// The template's rectangles, in dialog units.
constexpr int kFormLeft = 14;
constexpr int kFormTop = 13;
constexpr int kFormRight = 15;
constexpr int kFormBottom = 12;
constexpr int kGroupWidth = 470;
constexpr int kControlHeight = 12;
constexpr int kComboWidth = 62;
constexpr int kSettingRowPitch = 19;
constexpr int kGroupToChannelRow = 7;
constexpr int kChannelRowToGrid = 8;
constexpr int kGridHeight = 180;
constexpr int kLabelGap = 3;

// Setting group: label columns before each combo column, widths in dialog
// units, so that the combo boxes start where the template puts them.
constexpr int kSettingsPerRow = 4;
constexpr int kLabelColumnWidth[kSettingsPerRow] = {42, 41, 51, 50};
constexpr int kGroupInnerLeft = 6;
constexpr int kGroupInnerRight = 11;
constexpr int kGroupInnerBottom = 10;

// Channel row.
constexpr int kChannelLabelIndent = 7;
constexpr int kChannelLabelWidth = 28;
constexpr int kChannelLabelToDelete = 13;
constexpr int kButtonWidth = 47;
constexpr int kDeleteToAdd = 9;

// The dropped-down height of each combo box in the template; the list shows
// as many items as fit below the closed box.
int visibleItems(int droppedHeight)
{
    return std::max(1, (droppedHeight - kControlHeight) / 8);
}

QComboBox* makeDropDownList(QWidget* parent, const QString& name, int droppedHeight)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(false);
    combo->setMaxVisibleItems(visibleItems(droppedHeight));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

QLabel* makeLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(buddy);
    label->setAccessibleName(text);
    buddy->setAccessibleName(text);
    return label;
}

// As wide as the template makes a list, and wider where its longest item
// needs it in the font the form has.
int comboWidthForItems(const QComboBox& combo, int templateWidth)
{
    int text = 0;
    for (int i = 0; i < combo.count(); ++i)
        text = std::max(text, combo.fontMetrics().horizontalAdvance(combo.itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    const QSize content(text, combo.fontMetrics().height());
    return std::max(templateWidth, combo.style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, &combo).width());
}

// The label the core gives the setting list of this field.
const char* settingLabel(FormCombo field)
{
    for (const SettingLabel& setting : SettingLabels())
        if (setting.combo == field)
            return setting.label;
    return "";
}

} // namespace

// The ten setting lists in the form's tab order, which is also their order
// in the "Setting" group, four to a row: the control, its name, its
// dropped-down height in the template, and the field the form's logic knows
// it by (whose label the core's SettingLabels gives).
const std::array<CProgramView::SettingList, kFormComboCount>& CProgramView::settingLists()
{
    static const std::array<SettingList, kFormComboCount> lists = {{
        {&CProgramView::m_comboModel, "comboModel", 52, FormCombo::Model},
        {&CProgramView::m_comboBand, "comboBand", 83, FormCombo::Band},
        {&CProgramView::m_comboSquelch, "comboSquelch", 104, FormCombo::Squelch},
        {&CProgramView::m_comboTot, "comboTot", 119, FormCombo::Tot},
        {&CProgramView::m_comboVoice, "comboVoice", 48, FormCombo::Voice},
        {&CProgramView::m_comboBeep, "comboBeep", 90, FormCombo::Beep},
        {&CProgramView::m_comboVoxSwitch, "comboVoxSwitch", 46, FormCombo::VoxSwitch},
        {&CProgramView::m_comboVoxGain, "comboVoxGain", 184, FormCombo::VoxGain},
        {&CProgramView::m_comboBatterySaver, "comboBatterySaver", 46,
         FormCombo::BatterySaver},
        {&CProgramView::m_comboPttId, "comboPttId", 61, FormCombo::PttId},
    }};
    return lists;
}

// The setting lists as the form's logic reaches them, by their field.
WidgetFormControls::Combos CProgramView::settingCombos() const
{
    WidgetFormControls::Combos combos{};
    for (const SettingList& list : settingLists())
        combos[static_cast<std::size_t>(list.field)] = this->*list.combo;
    return combos;
}

QComboBox* CProgramView::Combo(FormCombo field) const
{
    return settingCombos()[static_cast<std::size_t>(field)];
}

void CProgramView::createControls()
{
    InstallComboBoxNames();
    setFont(formFont());
    setObjectName(QStringLiteral("programView"));
    setAccessibleName(tr("Channel and settings form"));

    m_groupSetting = new QGroupBox(tr("Setting"), this);
    m_groupSetting->setAccessibleName(tr("Setting"));
    for (const SettingList& list : settingLists())
        this->*list.combo = makeDropDownList(m_groupSetting, QString::fromLatin1(list.name), list.droppedHeight);

    m_editPttIdCode = new QLineEdit(m_groupSetting);
    m_editPttIdCode->setObjectName(QStringLiteral("editPttIdCode"));
    m_editPttIdCode->setValidator(new PttIdCodeValidator(m_editPttIdCode));

    createCellEditors();

    m_buttonDelete = new QPushButton(tr("Delete"), this);
    m_buttonDelete->setObjectName(QStringLiteral("buttonDelete"));
    m_buttonDelete->setAccessibleName(tr("Delete"));
    m_buttonAdd = new QPushButton(tr("Add"), this);
    m_buttonAdd->setObjectName(QStringLiteral("buttonAdd"));
    m_buttonAdd->setAccessibleName(tr("Add"));

    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->setAccessibleName(tr("Channels"));
    m_grid->setFont(gridFont());
    m_grid->setFocusPolicy(Qt::StrongFocus);

    // The in-place editors are laid over the grid's cells: above it.
    m_editCell->raise();
    m_comboCellTone->raise();
    m_comboCellOption->raise();
}

void CProgramView::createCellEditors()
{
    m_editCell = new QLineEdit(this);
    m_editCell->setObjectName(QStringLiteral("editCell"));
    m_editCell->setAccessibleName(tr("Frequency"));
    m_editCell->hide();

    m_comboCellTone = new QComboBox(this);
    m_comboCellTone->setObjectName(QStringLiteral("comboCellTone"));
    m_comboCellTone->setEditable(true);
    m_comboCellTone->setInsertPolicy(QComboBox::NoInsert);
    m_comboCellTone->setAccessibleName(tr("Tone"));
    m_comboCellTone->lineEdit()->setAccessibleName(tr("Tone"));
    m_comboCellTone->hide();

    m_comboCellOption = makeDropDownList(this, QStringLiteral("comboCellOption"), 88);
    m_comboCellOption->setAccessibleName(tr("Option"));
    m_comboCellOption->hide();
}

void CProgramView::layOutForm()
{
    const DialogUnits du(font());
    layOutSettings(du);

    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(du.x(kFormLeft), du.y(kFormTop), du.x(kFormRight), du.y(kFormBottom));
    form->setSpacing(0);
    form->addWidget(m_groupSetting, 0, Qt::AlignLeft);
    form->addSpacing(du.y(kGroupToChannelRow));
    form->addLayout(layOutChannelRow(du));
    form->addSpacing(du.y(kChannelRowToGrid));
    form->addWidget(m_grid, 0, Qt::AlignLeft);
    // A window larger than the form leaves the room below and to the right.
    form->addStretch(1);
    fitGridToTable();

    QWidget* previous = nullptr;
    for (QWidget* next : tabOrder()) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

// The setting lists and then PTT ID Code, four label and control pairs to a
// row.
void CProgramView::layOutSettings(const DialogUnits& du)
{
    auto* settings = new QGridLayout(m_groupSetting);
    settings->setContentsMargins(du.x(kGroupInnerLeft), du.y(2), du.x(kGroupInnerRight), du.y(kGroupInnerBottom));
    settings->setHorizontalSpacing(du.x(kLabelGap));
    const int comboHeight = std::max(m_comboModel->sizeHint().height(), du.y(kControlHeight));
    settings->setVerticalSpacing(std::max(0, du.y(kSettingRowPitch) - comboHeight));

    std::vector<std::pair<const char*, QWidget*>> pairs;
    for (const SettingList& list : settingLists())
        pairs.emplace_back(settingLabel(list.field), this->*list.combo);
    pairs.emplace_back(kPttIdCodeLabel, m_editPttIdCode);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto [label, control] = pairs[i];
        const int row = static_cast<int>(i / kSettingsPerRow);
        const int column = 2 * static_cast<int>(i % kSettingsPerRow);
        control->setMinimumSize(du.x(kComboWidth), comboHeight);
        settings->addWidget(makeLabel(CoreText(label), control, m_groupSetting), row, column);
        settings->addWidget(control, row, column + 1);
    }
    for (int p = 0; p < kSettingsPerRow; ++p) {
        settings->setColumnMinimumWidth(2 * p, du.x(kLabelColumnWidth[p]));
        settings->setColumnMinimumWidth(2 * p + 1, du.x(kComboWidth));
    }
}

QHBoxLayout* CProgramView::layOutChannelRow(const DialogUnits& du)
{
    auto* channelRow = new QHBoxLayout;
    channelRow->setSpacing(0);
    channelRow->addSpacing(du.x(kChannelLabelIndent));
    auto* channelLabel = new QLabel(tr("Channel:"), this);
    channelLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    channelLabel->setAccessibleName(tr("Channel:"));
    channelLabel->setMinimumWidth(du.x(kChannelLabelWidth));
    channelRow->addWidget(channelLabel);
    channelRow->addSpacing(du.x(kChannelLabelToDelete));
    m_buttonDelete->setMinimumWidth(du.x(kButtonWidth));
    channelRow->addWidget(m_buttonDelete);
    channelRow->addSpacing(du.x(kDeleteToAdd));
    m_buttonAdd->setMinimumWidth(du.x(kButtonWidth));
    channelRow->addWidget(m_buttonAdd);
    channelRow->addStretch(1);
    return channelRow;
}

// The setting lists, PTT ID Code, the three in-place editors, Delete, Add and
// the grid.
std::vector<QWidget*> CProgramView::tabOrder() const
{
    std::vector<QWidget*> order;
    for (const SettingList& list : settingLists())
        order.push_back(this->*list.combo);
    order.insert(order.end(), {m_editPttIdCode, m_editCell, m_comboCellTone, m_comboCellOption, m_buttonDelete,
                               m_buttonAdd, m_grid});
    return order;
}

// The in-place editors keep the template's places until they are first laid
// over a cell.
void CProgramView::placeHiddenEditors()
{
    const DialogUnits du(font());
    m_editCell->setGeometry(du.rect(297, 92, 45, kControlHeight));
    m_comboCellTone->setGeometry(du.rect(353, 92, 48, kControlHeight));
    m_comboCellTone->setMaxVisibleItems(visibleItems(102));
    m_comboCellOption->setGeometry(du.rect(411, 92, 48, kControlHeight));
}

// The grid is as large as the template makes it, and larger where that is
// needed to show every row and column without scrolling; the group above it
// is as wide as the grid, and both grow where another font or language needs
// more room for the group's labels and lists.
void CProgramView::fitGridToTable()
{
    const int frame = 2 * m_grid->frameWidth();
    int width = m_grid->verticalHeader()->width();
    for (int c = 0; c < m_grid->columnCount(); ++c)
        width += m_grid->columnWidth(c);
    int height = m_grid->horizontalHeader()->height();
    for (int r = 0; r < m_grid->rowCount(); ++r)
        height += m_grid->rowHeight(r);
    const DialogUnits du(font());
    for (QComboBox* combo : m_groupSetting->findChildren<QComboBox*>())
        combo->setMinimumWidth(comboWidthForItems(*combo, du.x(kComboWidth)));
    const int formWidth = std::max({du.x(kGroupWidth), width + frame, m_groupSetting->sizeHint().width()});
    m_grid->setFixedSize(formWidth, std::max(du.y(kGridHeight), height + frame));
    m_groupSetting->setFixedWidth(formWidth);
}

// Another font for the form keeps the controls' places and order, and gives
// the labels and lists the room their texts need in it.
void CProgramView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_grid)
        fitGridToTable();
}

void CProgramView::connectControls()
{
    connect(m_comboModel, &QComboBox::activated, this, &CProgramView::OnSelChangeModel);
    connect(m_comboBand, &QComboBox::activated, this, &CProgramView::OnSelChangeBand);
    connect(m_comboVoxSwitch, &QComboBox::activated, this, &CProgramView::OnSelChangeVoxSwitch);
    connect(m_buttonDelete, &QPushButton::clicked, this, &CProgramView::OnDeleteChannel);
    connect(m_buttonAdd, &QPushButton::clicked, this, &CProgramView::OnAddChannel);

    // Each choice is a step once its reaction above has run.
    for (const SettingList& list : settingLists()) {
        const FormCombo combo = list.field;
        const FormStep step = combo == FormCombo::Model ? FormStep{StepKind::ModelChange}
                                                        : FormStep{StepKind::Setting, 0, 0, 0, combo};
        connect(this->*list.combo, &QComboBox::activated, this, [this, step] { NoteChange(step); });
    }
    connect(m_editPttIdCode, &QLineEdit::editingFinished, this, [this] { NoteChange({StepKind::PttIdCode}); });
    connect(m_editPttIdCode, &QLineEdit::textEdited, this, &CProgramView::HistoryChanged);

    // Cells picked down several rows with Shift pick those channels whole,
    // and are shown as picked.
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const auto [first, last] = m_grid->GetSelectedRows();
        if (last <= first || m_bWideningSelection)
            return;
        m_bWideningSelection = true;
        m_grid->AddRowsToSelection(first, last);
        m_bWideningSelection = false;
        if (m_grid->GetHighLight() != CMSFlexGrid::kHighLightWithFocus)
            m_grid->SetHighLight(CMSFlexGrid::kHighLightWithFocus);
    });
}
