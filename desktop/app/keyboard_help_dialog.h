#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// Help "Keyboard and Mouse": the keys and clicks of the channel grid, the
// clipboard's rule, and the columns of a CSV channel list, so that they can
// be found from within the program.
class CKeyboardHelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit CKeyboardHelpDialog(QWidget* parent = nullptr);

    QTextBrowser* m_text = nullptr;
    QPushButton* m_buttonClose = nullptr;

private:
    QString pageHtml() const;
};
