#pragma once

#include "dialog_result.h"

#include <QDialog>
#include <QLatin1String>

class QLineEdit;

// The password that opens the Kill Code dialog, compared exactly.
inline constexpr QLatin1String g_accessPassword("352QKM");

// Guards the Kill Code dialog. IDOK only for the exact access password; a
// wrong one ends the dialog silently, exactly as Cancel does.
class CPasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit CPasswordDialog(QWidget* parent = nullptr);

    int DoModal();

    QLineEdit* m_editPassword = nullptr;

private:
    void OnOK();
};
