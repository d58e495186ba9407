#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// Lets only hexadecimal digits and backspace be typed into any control of
// one dialog, its combo boxes and their drop-down lists included. Keys that
// move, confirm or cancel are not typing and pass. Hex letters reach a line
// edit in upper case. Lives as long as the dialog it guards.
class HexKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit HexKeyFilter(QWidget* dialog);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool BelongsToDialog(const QObject* object) const;
    bool HandleKeyPress(QObject* watched, const QKeyEvent& key);

    QWidget* m_dialog;
};
