#pragma once

#include "form/image_changes.h"

#include <QDialog>
#include <QString>

#include <vector>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTableWidget;

// What differs between two images under its count: a row for each setting,
// each channel (the whole channel before and after) and each kind of radio
// data outside the form, old and new side by side; the unused bytes of empty
// channels on a line of their own below, as they change nothing a radio does.
// Before a write it asks: "Write" writes, "Cancel" does not. As a comparison
// it only shows, with "Close".
class CImageChangesDialog : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { WritePreview, Comparison };

    // otherName: the file compared with (Comparison only).
    CImageChangesDialog(const std::vector<ImageChange>& changes, Purpose purpose, QWidget* parent = nullptr,
                        const QString& otherName = QString());

    QLabel* m_summary = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_unusedBytes = nullptr;   // the bytes of empty channels, hidden when they are alike
    QPushButton* m_buttonWrite = nullptr;   // WritePreview only
    QPushButton* m_buttonClose = nullptr;   // "Cancel", or "Close" for a comparison

private:
    QDialogButtonBox* createButtons(bool preview);
    void fillTable(const std::vector<ImageChange>& changes);
};

// Before a write: the changes from what the radio holds to what is written;
// true when the user chose "Write".
[[nodiscard]] bool ConfirmWrite(QWidget* parent, const RadioImage& radio, const RadioImage& toWrite);

// The differences between a file and the form.
void ShowComparison(QWidget* parent, const RadioImage& file, const RadioImage& form, const QString& fileName);
