#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

// The status bar's CAP, NUM and SCRL panes: each shows its text while its
// lock key is on. The state is read again whenever a lock key is pressed or
// the application becomes active; where the window system does not tell it,
// the panes stay empty.
class CLockKeyIndicators : public QObject {
    Q_OBJECT
public:
    explicit CLockKeyIndicators(QStatusBar* statusBar);

    bool eventFilter(QObject* watched, QEvent* event) override;

    QLabel* m_paneCaps = nullptr;
    QLabel* m_paneNum = nullptr;
    QLabel* m_paneScroll = nullptr;

private:
    void Refresh();
};
