#pragma once

#include "dialog_result.h"

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;

// A fixed yes-or-no question: a message and two buttons, the first one the
// default. Enter answers with the default button; Esc and the close box
// answer IDCANCEL. The dialog holds no data of its own.
class CPromptDialog : public QDialog {
    Q_OBJECT
public:
    // Runs the question modally: IDOK or IDCANCEL.
    int DoModal();

    QLabel* m_staticMessage = nullptr;
    QPushButton* m_buttonOk = nullptr;
    QPushButton* m_buttonCancel = nullptr;

protected:
    // Rectangles and sizes are in dialog units of the prompt's font.
    struct Template {
        QSize size;
        QString message;
        Qt::Alignment messageAlignment;
        QRect messageRect;
        QString okText;
        QRect okRect;
        QString cancelText;
        QRect cancelRect;
    };

    CPromptDialog(const Template& form, QWidget* parent);
};
