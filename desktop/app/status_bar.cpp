#include "status_bar.h"

#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace {

// Qt's own margins around a status bar message.
constexpr int kLeftMargin = 6;
constexpr int kGapBeforePermanent = 6;

} // namespace

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent)
{
    connect(this, &QStatusBar::messageChanged, this, [this](const QString& message) { setToolTip(message); });
}

bool CStatusBar::ShowsWhole(const QString& message) const
{
    return fontMetrics().horizontalAdvance(message) <= messageRect().width();
}

// From the left edge to the first permanent field shown (the file's name).
QRect CStatusBar::messageRect() const
{
    int right = width() - kLeftMargin;
    for (const QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->x() > kLeftMargin)
            right = std::min(right, child->x() - kGapBeforePermanent);
    }
    return QRect(kLeftMargin, 0, std::max(0, right - kLeftMargin), height());
}

// Drawn as Qt draws it, except that the message is elided to its room.
void CStatusBar::paintEvent(QPaintEvent* event)
{
    const QString message = currentMessage();
    if (message.isEmpty()) {
        QStatusBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    const QRect room = messageRect();
    painter.setPen(palette().windowText().color());
    painter.drawText(room, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine,
                     fontMetrics().elidedText(message, Qt::ElideRight, room.width()));
}
