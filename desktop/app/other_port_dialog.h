#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the path of a serial device that the Port menu does not list. It
// is not modal, so that a transfer running meanwhile is not held up.
class COtherPortDialog : public QDialog {
    Q_OBJECT
public:
    explicit COtherPortDialog(QWidget* parent);

    // Shows the dialog with path filled in.
    void Ask(const QString& path);

    QLabel* m_staticPrompt = nullptr;
    QLineEdit* m_editPath = nullptr;
    QPushButton* m_buttonOk = nullptr;
    QPushButton* m_buttonCancel = nullptr;

signals:
    // OK with a path: the path as typed, without surrounding blanks.
    void PathChosen(const QString& path);

protected:
    void accept() override;

private:
    QString typedPath() const;
};
