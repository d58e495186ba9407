#pragma once

#include <QStatusBar>

// The main window's status bar. A message longer than the room left of the
// file's name is cut short with "…" there, never drawn over the name; the
// whole message is its tooltip.
class CStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit CStatusBar(QWidget* parent = nullptr);

    // Whether the message shows whole in the room it has now.
    [[nodiscard]] bool ShowsWhole(const QString& message) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect messageRect() const;
};
