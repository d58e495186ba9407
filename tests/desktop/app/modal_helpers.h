#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// The ways a user ends a modal dialog.
enum class Close { OkButton, CancelButton, Enter, Escape, CloseBox };

inline const char* CloseName(Close how)
{
    switch (how) {
    case Close::OkButton: return "OK button";
    case Close::CancelButton: return "Cancel button";
    case Close::Enter: return "Enter";
    case Close::Escape: return "Esc";
    case Close::CloseBox: return "close box";
    }
    return "?";
}

// Presses the key where a user's key press goes: the focused control.
inline void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(target, key, modifiers);
}

// Ends the dialog by Enter, Esc or its close box; buttons are the caller's.
inline void CloseByKeyOrBox(QDialog& dialog, Close how)
{
    if (how == Close::Enter)
        PressKey(dialog, Qt::Key_Return);
    else if (how == Close::Escape)
        PressKey(dialog, Qt::Key_Escape);
    else if (how == Close::CloseBox)
        dialog.close();
}

// Dialogs that a test step is about to answer; any other modal dialog
// fails the test (see the test environment).
inline int& PendingModals()
{
    static int pending = 0;
    return pending;
}

// Runs act on the next modal dialog as soon as its loop runs; without a
// dialog, act is not run, and that is a failure unless it may not come. A
// dialog that act leaves open is a failure, and is closed so that the test
// goes on.
inline void OnceModal(std::function<void(QDialog&)> act, bool mayNotCome = false)
{
    ++PendingModals();
    QTimer::singleShot(0, [act, mayNotCome] {
        --PendingModals();
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (!mayNotCome)
                ADD_FAILURE() << "no modal dialog is showing";
            return;
        }
        QApplication::setActiveWindow(dialog);
        act(*dialog);
        if (dialog && dialog->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            dialog->reject();
        }
    });
}

// Answers every dialog of type Dialog as soon as its loop runs, however deep
// in a transfer it comes, for as long as it lives; act must close it.
template <typename Dialog>
class AnswerEach : public QObject {
public:
    explicit AnswerEach(std::function<void(Dialog&)> act) : m_act(std::move(act))
    {
        ++PendingModals();
        qApp->installEventFilter(this);
    }
    ~AnswerEach() override { --PendingModals(); }

    int count() const { return m_count; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<Dialog*>(watched);
        if (event->type() != QEvent::Show || !dialog || !dialog->isModal())
            return false;
        ++m_count;
        QTimer::singleShot(0, dialog, [this, dialog] {
            QApplication::setActiveWindow(dialog);
            m_act(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->reject();
            }
        });
        return false;
    }

private:
    std::function<void(Dialog&)> m_act;
    int m_count = 0;
};
