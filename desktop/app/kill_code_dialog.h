#pragma once

#include "dialog_result.h"

#include "image/radio_image.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;

// Edits the Kill Switch, the Kill Code and the Remove Kill Code straight in
// the radio image. There are no buttons: Enter ends the dialog as OK, Esc and
// the close box as Cancel, and every way out stores the three values.
class CKillCodeDialog : public QDialog {
    Q_OBJECT
public:
    explicit CKillCodeDialog(RadioImage& image, QWidget* parent = nullptr);
    ~CKillCodeDialog() override;

    int DoModal();
    void done(int result) override;

    QLineEdit* m_editRemoveKillCode = nullptr;
    QLineEdit* m_editKillCode = nullptr;
    QComboBox* m_comboKillSwitch = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A code field as it was shown, to tell whether the user changed it.
    struct ShownField {
        std::size_t offset;
        QString text;
    };

    void CreateControls();
    void OnInitDialog();
    void StoreToImage();
    void StoreCode(const ShownField& shown, const QLineEdit& edit);

    RadioImage& m_image;
    ShownField m_shownKillCode;
    ShownField m_shownRemoveKillCode;
    bool m_bStored = false;
};
