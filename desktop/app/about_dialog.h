#pragma once

#include <QDialog>

// Help "About ...": the program's icon, its version and who made it.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
