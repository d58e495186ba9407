#include "editor/progress_dialog.h"

#include "editor/dialog_units.h"
#include "link/progress_text.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>

// A window of its own, not a child of the form: it stays above the main
// window as its transient.
CProgressDialog::CProgressDialog(QWidget* pView) : QDialog(nullptr), m_pView(pView)
{
    createControls();
}

// 200 x 55 dialog units of Times New Roman 8 pt.
void CProgressDialog::createControls()
{
    setFont(QFont(FormFontFamily(), 8));
    const DialogUnits du(font());
    setFixedSize(du.x(200), du.y(55));

    m_buttonOk = new QPushButton(tr("OK"), this);
    m_buttonOk->setAccessibleName(tr("OK"));
    m_buttonOk->setDefault(true);
    m_buttonOk->setGeometry(du.rect(13, 30, 39, 12));
    connect(m_buttonOk, &QPushButton::clicked, this, &CProgressDialog::OnOK);

    m_buttonCancel = new QPushButton(tr("Cancel"), this);
    m_buttonCancel->setAccessibleName(tr("Cancel"));
    m_buttonCancel->setAutoDefault(false);
    m_buttonCancel->setGeometry(du.rect(147, 30, 39, 12));
    connect(m_buttonCancel, &QPushButton::clicked, this, &CProgressDialog::OnCancel);

    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(tr("Progress"));
    m_progress->setTextVisible(false);
    m_progress->setGeometry(du.rect(13, 11, 173, 10));

    m_staticPercent = new QLabel(tr("0%"), this);
    m_staticPercent->setAccessibleName(tr("Percent"));
    m_staticPercent->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_staticPercent->setGeometry(du.rect(76, 30, 48, 12));

    m_staticStatus = new QLabel(this);
    m_staticStatus->setAccessibleName(tr("Status"));
    m_staticStatus->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_staticStatus->setGeometry(du.rect(13, 21, 173, 9));

    m_staticDoing = new QLabel(this);
    m_staticDoing->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_staticDoing->setGeometry(du.rect(13, 1, 173, 9));
}

void CProgressDialog::Create()
{
    OnInitDialog();
    m_bWindow = true;
    centreOnMainWindow();
    winId();
    if (QWindow* owner = m_pView->window()->windowHandle())
        windowHandle()->setTransientParent(owner);
    show();
    raise();
    activateWindow();
}

void CProgressDialog::DestroyWindow()
{
    ShowProgressNow();
    m_bWindow = false;
    hide();
}

bool CProgressDialog::IsArmed() const
{
    return m_bWindow && m_buttonOk->isEnabled();
}

void CProgressDialog::OnInitDialog()
{
    // The range is the transfer's: it is set when OK starts it.
    m_counted = 0;
    m_positionsNotShown.clear();
    m_statusNotShown.reset();
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_staticPercent->setText(tr("0%"));
    m_staticStatus->clear();
    m_bCancel = 0;
    m_buttonOk->setEnabled(true);
    m_buttonOk->setFocus(Qt::OtherFocusReason);
    SetCaption(m_strTitle);
}

void CProgressDialog::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
    setAccessibleName(caption);
}

void CProgressDialog::SetRange(int range)
{
    m_progress->setRange(0, range);
}

void CProgressDialog::BeginNextTransfer(const QString& caption, int range)
{
    SetCaption(caption);
    m_counted = 0;
    m_positionsNotShown.clear();
    m_statusNotShown.reset();
    m_bCancel = 0;
    m_progress->setRange(0, range);
    m_progress->setValue(0);
    SetPercentText(QString::fromStdString(ProgressPercentText(0, range)));
    m_staticStatus->clear();
}

// Moving the bar, writing the percentage and painting them cost more than
// anything else the program adds to a block, and the radio would wait for
// them: a step is only counted here and shown while the program waits for the
// radio's answer to the next request (CProgressPaintLink). Each step is kept
// apart, so that a step followed at once by another (the last block before
// the write's gap, then the gap) still shows its own percentage. The last step
// has no request after it and shows at once.
void CProgressDialog::StepIt(int steps)
{
    m_counted = std::min(m_counted + steps, m_progress->maximum());
    m_positionsNotShown.push_back(m_counted);
    if (m_counted == m_progress->maximum())
        ShowProgressNow();
}

void CProgressDialog::SetStatusText(const QString& text)
{
    m_statusNotShown = text;
}

// Said at once: it changes only between transfers, not block by block.
void CProgressDialog::SetDoingText(const QString& text)
{
    m_staticDoing->setText(text);
    m_staticDoing->setAccessibleName(text);
}

void CProgressDialog::ShowProgressNow()
{
    if (m_statusNotShown) {
        m_staticStatus->setText(*m_statusNotShown);
        m_statusNotShown.reset();
    }
    while (!m_positionsNotShown.empty()) {
        showPosition(m_positionsNotShown.front());
        m_positionsNotShown.pop_front();
    }
    // A status on its own; with nothing changed there is nothing to paint.
    paintNow();
}

void CProgressDialog::showPosition(int position)
{
    SetPercentText(QString::fromStdString(ProgressPercentText(position, m_progress->maximum())));
    m_progress->setValue(position);
    paintNow();
}

void CProgressDialog::paintNow()
{
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

void CProgressDialog::SetPercentText(const QString& text)
{
    m_staticPercent->setText(text);
}

// The transfer starts once the view takes the queued StartRequested; until
// then, and while it runs, OK stays disabled so that only one transfer runs.
void CProgressDialog::OnOK()
{
    if (!m_buttonOk->isEnabled())
        return;
    m_buttonOk->setEnabled(false);
    emit StartRequested();
}

void CProgressDialog::OnCancel()
{
    if (m_buttonOk->isEnabled())
        DestroyWindow();
    else
        m_bCancel = 1;
}

void CProgressDialog::reject()
{
    OnCancel();
}

void CProgressDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    OnCancel();
}

void CProgressDialog::centreOnMainWindow()
{
    const QWidget* owner = m_pView->window();
    QRect area = owner->isVisible() ? owner->frameGeometry() : QRect();
    if (area.isEmpty() && owner->screen())
        area = owner->screen()->availableGeometry();
    if (area.isEmpty())
        return;
    move(area.center() - QPoint(width() / 2, height() / 2));
}
