#include "lock_key_indicators.h"

#include "lock_key_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

QLabel* AddPane(QStatusBar* statusBar, const QString& text, const QString& name)
{
    auto* pane = new QLabel(statusBar);
    pane->setAccessibleName(name);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 8);
    pane->setProperty("indicatorText", text);
    statusBar->addPermanentWidget(pane);
    return pane;
}

void Show(QLabel* pane, bool on)
{
    pane->setText(on ? pane->property("indicatorText").toString() : QString());
}

bool IsLockKey(int key)
{
    return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

} // namespace

CLockKeyIndicators::CLockKeyIndicators(QStatusBar* statusBar)
    : QObject(statusBar)
{
    m_paneCaps = AddPane(statusBar, tr("CAP"), tr("Caps Lock"));
    m_paneNum = AddPane(statusBar, tr("NUM"), tr("Num Lock"));
    m_paneScroll = AddPane(statusBar, tr("SCRL"), tr("Scroll Lock"));
    qApp->installEventFilter(this);
    Refresh();
}

bool CLockKeyIndicators::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationActivate)
        Refresh();
    else if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWidgetType()
             && IsLockKey(static_cast<QKeyEvent*>(event)->key()))
        Refresh();
    return false;
}

void CLockKeyIndicators::Refresh()
{
    const LockKeys keys = QueryLockKeys().value_or(LockKeys{});
    Show(m_paneCaps, keys.caps);
    Show(m_paneNum, keys.num);
    Show(m_paneScroll, keys.scroll);
}
