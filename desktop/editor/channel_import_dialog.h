#pragma once

#include "exchange/channel_csv.h"
#include "form/form_controls.h"

#include <QByteArray>
#include <QColor>
#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTableWidget;

// Import Channels: shows, before anything changes, the 16 channels as a
// channel list would make them, beside the report of every row skipped or
// changed. The list is a file or one of the stock plans; "Renumber" and, for
// a list longer than the channels, the choice of rows run the import again.
// The form is left alone: the caller puts Result() into it after OK.
class CChannelImportDialog : public QDialog {
    Q_OBJECT
public:
    // Asks for a channel list file ("Open File…"); empty when the user cancels.
    using FilePrompt = std::function<QString(QWidget* parent)>;

    CChannelImportDialog(const FormControls& form, const RadioImage& image, FilePrompt prompt,
                         QWidget* parent = nullptr);

    // Reads path as the list to preview; false (and a message in the report)
    // when it cannot be read.
    bool OpenFile(const QString& path);
    // Previews stock plan index i of StockPlans().
    void OpenStockPlan(int index);

    [[nodiscard]] const ImportResult& Result() const { return m_result; }

    QComboBox* m_comboSource = nullptr;
    QPushButton* m_buttonOpenFile = nullptr;
    QTableWidget* m_tableChannels = nullptr;
    QListWidget* m_listReport = nullptr;
    QLabel* m_labelRows = nullptr;
    QListWidget* m_listRows = nullptr;
    QCheckBox* m_checkRenumber = nullptr;
    QLabel* m_labelSummary = nullptr;
    QDialogButtonBox* m_buttons = nullptr;

private:
    void createControls();
    void createChannelTable();
    void createReport();
    void layOut();
    void onOpenFile();
    void onSourceChosen(int index);
    void onRowChecked(QListWidgetItem* item);
    void preview(const QByteArray& csv);
    void runImport(std::optional<std::vector<int>> chosenLines);
    void fillRowChoice();
    void showResult();
    void showChannels();
    QColor changedCellColour() const;
    void showReport();
    void showFailure(const QString& text, const QString& detail);

    const FormControls& m_form;
    const RadioImage& m_image;
    RadioImage m_base;   // the image with the form stored into it: what the preview starts from
    FilePrompt m_prompt;
    bool m_hasList = false;
    QByteArray m_csv;
    ImportResult m_result;
};
