#include "editor/channel_import_dialog.h"

#include "document/channel_list_file.h"
#include "document/core_text.h"
#include "document/display_path.h"
#include "exchange/form_import.h"
#include "exchange/stock_plans.h"
#include "form/channel_row.h"
#include "form/form_contents.h"
#include "form/form_step.h"
#include "form/form_store.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr QSize kDefaultSize(1000, 560);
// The source combo's item data: a stock plan's index, or this for the file.
constexpr int kFileItem = -1;

QString planText(const StockPlan& plan)
{
    return CoreText(std::string(plan.description));
}

} // namespace

CChannelImportDialog::CChannelImportDialog(const FormControls& form, const RadioImage& image, FilePrompt prompt,
                                           QWidget* parent)
    : QDialog(parent), m_form(form), m_image(image), m_base(image), m_prompt(std::move(prompt))
{
    StoreFormToImage(form, m_base);
    setWindowTitle(CoreText(kImportChannels));
    setAccessibleName(windowTitle());
    createControls();
    layOut();
    resize(kDefaultSize);
    showResult();
}

void CChannelImportDialog::createControls()
{
    m_comboSource = new QComboBox(this);
    m_comboSource->setAccessibleName(tr("Channel list"));
    m_comboSource->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_comboSource->setPlaceholderText(tr("Open a file, or choose a stock plan"));
    const auto plans = StockPlans();
    for (int i = 0; i < static_cast<int>(plans.size()); ++i) {
        const StockPlan& plan = plans[static_cast<std::size_t>(i)];
        m_comboSource->addItem(tr("Stock plan for %1 — %2").arg(QString::fromUtf8(plan.modelText), planText(plan)), i);
    }
    m_comboSource->setCurrentIndex(-1);
    connect(m_comboSource, &QComboBox::activated, this, &CChannelImportDialog::onSourceChosen);

    m_buttonOpenFile = new QPushButton(tr("&Open File…"), this);
    m_buttonOpenFile->setAccessibleName(tr("Open File"));
    m_buttonOpenFile->setAutoDefault(false);
    connect(m_buttonOpenFile, &QPushButton::clicked, this, &CChannelImportDialog::onOpenFile);

    createChannelTable();
    createReport();
}

void CChannelImportDialog::createChannelTable()
{
    const std::vector<std::string>& headings = GridHeadings();
    m_tableChannels = new QTableWidget(RadioImage::kChannelCount, static_cast<int>(headings.size()) - 1, this);
    m_tableChannels->setAccessibleName(tr("Channels as they would become"));
    // Arrow keys move through the channels; Tab goes on to the report.
    m_tableChannels->setTabKeyNavigation(false);
    QStringList columns;
    for (std::size_t k = 1; k < headings.size(); ++k)
        columns << QString::fromStdString(headings[k]);
    m_tableChannels->setHorizontalHeaderLabels(columns);
    m_tableChannels->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableChannels->setSelectionMode(QAbstractItemView::NoSelection);
    m_tableChannels->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tableChannels->horizontalHeader()->setStretchLastSection(true);
    m_tableChannels->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

// The report, the choice of rows, Renumber, the summary and the buttons.
void CChannelImportDialog::createReport()
{
    m_listReport = new QListWidget(this);
    m_listReport->setAccessibleName(tr("Report"));
    m_listReport->setWordWrap(true);
    m_listReport->setAlternatingRowColors(true);

    m_labelRows = new QLabel(tr("The list has more rows than the radio has channels: check the rows to import."), this);
    m_labelRows->setWordWrap(true);
    m_listRows = new QListWidget(this);
    m_listRows->setAccessibleName(tr("Rows to import"));
    connect(m_listRows, &QListWidget::itemChanged, this, &CChannelImportDialog::onRowChecked);

    m_checkRenumber = new QCheckBox(tr("&Renumber: the rows go into channels 1, 2 … in file order"), this);
    m_checkRenumber->setAccessibleName(tr("Renumber"));
    connect(m_checkRenumber, &QCheckBox::toggled, this, [this] { runImport(std::nullopt); });

    m_labelSummary = new QLabel(this);
    m_labelSummary->setAccessibleName(tr("Summary"));
    m_labelSummary->setWordWrap(true);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setAccessibleName(tr("Buttons"));
    m_buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CChannelImportDialog::layOut()
{
    auto* grid = new QGridLayout(this);
    auto* sourceLabel = new QLabel(tr("&Channel list:"), this);
    sourceLabel->setBuddy(m_comboSource);
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(sourceLabel);
    sourceRow->addWidget(m_comboSource, 1);
    sourceRow->addWidget(m_buttonOpenFile);
    grid->addLayout(sourceRow, 0, 0, 1, 2);

    auto* channelsLabel = new QLabel(tr("Channels as they would become (the changed ones in bold):"), this);
    channelsLabel->setBuddy(m_tableChannels);
    grid->addWidget(channelsLabel, 1, 0);
    grid->addWidget(m_tableChannels, 2, 0, 3, 1);
    auto* reportLabel = new QLabel(tr("Re&port:"), this);
    reportLabel->setBuddy(m_listReport);
    grid->addWidget(reportLabel, 1, 1);
    grid->addWidget(m_listReport, 2, 1);
    grid->addWidget(m_labelRows, 3, 1);
    grid->addWidget(m_listRows, 4, 1);

    grid->addWidget(m_checkRenumber, 5, 0, 1, 2);
    grid->addWidget(m_labelSummary, 6, 0);
    grid->addWidget(m_buttons, 6, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 2);
    grid->setRowStretch(4, 1);
}

void CChannelImportDialog::onOpenFile()
{
    const QString path = m_prompt ? m_prompt(this) : QString();
    if (!path.isEmpty())
        (void)OpenFile(path);
}

bool CChannelImportDialog::OpenFile(const QString& path)
{
    QByteArray csv;
    const FileStatus status = LoadChannelListFile(path, csv);
    int item = m_comboSource->findData(kFileItem);
    if (item < 0) {
        m_comboSource->insertItem(0, QString(), kFileItem);
        item = 0;
    }
    m_comboSource->setItemText(item, DisplayPath(QFileInfo(path).fileName()));
    m_comboSource->setItemData(item, DisplayPath(path), Qt::ToolTipRole);
    m_comboSource->setCurrentIndex(item);
    if (!status.ok()) {
        m_hasList = false;
        m_result = ImportResult{};
        showFailure(status.text(), status.detail());
        return false;
    }
    preview(csv);
    return true;
}

void CChannelImportDialog::OpenStockPlan(int index)
{
    const StockPlan& plan = StockPlans()[static_cast<std::size_t>(index)];
    m_comboSource->setCurrentIndex(m_comboSource->findData(index));
    preview(QByteArray(plan.csv.data(), static_cast<qsizetype>(plan.csv.size())));
}

void CChannelImportDialog::onSourceChosen(int index)
{
    const int data = m_comboSource->itemData(index).toInt();
    if (data == kFileItem)
        onOpenFile();
    else
        OpenStockPlan(data);
}

void CChannelImportDialog::preview(const QByteArray& csv)
{
    m_csv = csv;
    m_hasList = true;
    runImport(std::nullopt);
}

// Without a choice of rows, every row is tried, and the row list is made
// afresh from what came out.
void CChannelImportDialog::runImport(std::optional<std::vector<int>> chosenLines)
{
    if (!m_hasList)
        return;
    ImportOptions options;
    options.renumber = m_checkRenumber->isChecked();
    const bool everyRow = !chosenLines.has_value();
    options.chosenLines = std::move(chosenLines);
    m_result = ImportIntoFormPreview(std::string_view(m_csv.constData(), static_cast<std::size_t>(m_csv.size())),
                                     m_form, m_image, options);
    if (everyRow)
        fillRowChoice();
    showResult();
}

// Offered only when there are more usable rows than channels; checked are
// the rows that went into a channel.
void CChannelImportDialog::fillRowChoice()
{
    const QSignalBlocker quiet(m_listRows);
    m_listRows->clear();
    const auto usable = std::count_if(m_result.rows.begin(), m_result.rows.end(),
                                      [](const ImportRow& row) { return row.usable; });
    const bool longList = usable > RadioImage::kChannelCount;
    m_labelRows->setVisible(longList);
    m_listRows->setVisible(longList);
    if (!longList)
        return;
    for (const ImportRow& row : m_result.rows) {
        if (!row.usable)
            continue;
        auto* item = new QListWidgetItem(
            tr("Line %1: %2 MHz").arg(row.line).arg(QString::fromStdString(row.frequency)), m_listRows);
        item->setData(Qt::UserRole, row.line);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(row.channel != 0 ? Qt::Checked : Qt::Unchecked);
    }
}

void CChannelImportDialog::onRowChecked(QListWidgetItem*)
{
    std::vector<int> lines;
    for (int i = 0; i < m_listRows->count(); ++i) {
        const QListWidgetItem* item = m_listRows->item(i);
        if (item->checkState() == Qt::Checked)
            lines.push_back(item->data(Qt::UserRole).toInt());
    }
    runImport(std::move(lines));
}

void CChannelImportDialog::showResult()
{
    if (!m_hasList) {
        m_labelRows->hide();
        m_listRows->hide();
    }
    showChannels();
    showReport();
    const bool loaded = m_result.status == ImportStatus::AllLoaded || m_result.status == ImportStatus::SomeSkipped;
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(loaded);
}

// A tint of the selection colour over the table's own background, so that
// the cell's text stays as readable as the palette makes it, light or dark.
QColor CChannelImportDialog::changedCellColour() const
{
    const QColor base = palette().color(QPalette::Base);
    const QColor tint = palette().color(QPalette::Inactive, QPalette::Highlight);
    constexpr float kTint = 0.3F;
    return QColor::fromRgbF(base.redF() + (tint.redF() - base.redF()) * kTint,
                            base.greenF() + (tint.greenF() - base.greenF()) * kTint,
                            base.blueF() + (tint.blueF() - base.blueF()) * kTint);
}

void CChannelImportDialog::showChannels()
{
    const RadioImage& shown = m_hasList ? m_result.image : m_base;
    for (int n = 1; n <= RadioImage::kChannelCount; ++n) {
        const bool changed = m_hasList && m_result.changed[static_cast<std::size_t>(n - 1)];
        const ConstChannelBytes channel = shown.channel(n);
        const ChannelCells cells = IsChannelEmpty(channel) ? ChannelCells{} : ChannelRowTexts(channel);
        auto* heading = new QTableWidgetItem(changed ? tr("%1 (changed)").arg(n) : QString::number(n));
        m_tableChannels->setVerticalHeaderItem(n - 1, heading);
        for (std::size_t k = 0; k < cells.size(); ++k) {
            auto* cell = new QTableWidgetItem(QString::fromStdString(cells[k]));
            QFont font = cell->font();
            font.setBold(changed);
            cell->setFont(font);
            if (changed)
                cell->setBackground(changedCellColour());
            m_tableChannels->setItem(n - 1, static_cast<int>(k), cell);
        }
    }
}

void CChannelImportDialog::showReport()
{
    m_listReport->clear();
    if (!m_hasList) {
        m_labelSummary->setText(tr("Open a channel list file, or choose a stock plan."));
        return;
    }
    m_listReport->addItems(ImportReportForUser(m_result));
    if (m_result.report.empty())
        m_listReport->addItem(tr("Every row was loaded as it is."));
    if (m_result.status == ImportStatus::Failed)
        m_labelSummary->setText(tr("Nothing can be imported from this file."));
    else
        m_labelSummary->setText(ImportSummaryForUser(m_result, true));
}

void CChannelImportDialog::showFailure(const QString& text, const QString& detail)
{
    showChannels();
    m_listReport->clear();
    m_listReport->addItem(text);
    if (!detail.isEmpty())
        m_listReport->addItem(detail);
    m_labelSummary->setText(tr("Nothing can be imported from this file."));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
}
