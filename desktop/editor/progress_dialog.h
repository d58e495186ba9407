#pragma once

#include <QDialog>
#include <QString>

#include <deque>
#include <optional>

class QCloseEvent;
class QLabel;
class QProgressBar;
class QPushButton;

// The modeless dialog of a transfer: OK starts it, Cancel stops it, the bar
// and the percentage show how far it has come. The object lives as long as
// the view; its window exists from a Read or Write command until the
// transfer has ended, or until Cancel is pressed before OK.
class CProgressDialog : public QDialog {
    Q_OBJECT
public:
    // pView: the form whose main window the dialog is centred on.
    explicit CProgressDialog(QWidget* pView);

    // 1 once Cancel has been pressed in a running transfer.
    int m_bCancel = 0;
    // "Read Data" or "Write Data", the caption given when the window is created.
    QString m_strTitle;
    QProgressBar* m_progress = nullptr;
    QWidget* m_pView;

    QPushButton* m_buttonOk = nullptr;
    QPushButton* m_buttonCancel = nullptr;
    QLabel* m_staticPercent = nullptr;
    // A short line under the bar: what the transfer is doing now.
    QLabel* m_staticStatus = nullptr;
    // The line above the bar: whether the radio is read or written.
    QLabel* m_staticDoing = nullptr;

    // Creates the window in the middle of the main window and shows it.
    void Create();
    void DestroyWindow();
    bool IsWindowCreated() const { return m_bWindow; }
    // The window is shown and OK has not been pressed yet.
    bool IsArmed() const;

    // The caption, which is also what the dialog is called for a screen reader.
    void SetCaption(const QString& caption);

    // The transfer's share of the dialog: the bar's range, a step of the
    // position with the percentage written after it, the status line.
    void SetRange(int range);
    // Another transfer under the same OK (the reads around a write): the bar
    // starts again from 0 with range, under caption.
    void BeginNextTransfer(const QString& caption, int range);
    void StepIt(int steps);
    void SetPercentText(const QString& text);
    void SetStatusText(const QString& text);
    void SetDoingText(const QString& text);
    // Shows and paints, one after another, each position that StepIt has
    // only counted so far, then the status given since the last time.
    void ShowProgressNow();

    void OnInitDialog();
    void OnOK();
    void OnCancel();

signals:
    // OK was pressed: the transfer may start.
    void StartRequested();

protected:
    // Esc and the close box are Cancel.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void centreOnMainWindow();

    void showPosition(int position);
    void paintNow();

    bool m_bWindow = false;
    int m_counted = 0;
    std::deque<int> m_positionsNotShown;
    std::optional<QString> m_statusNotShown;
};
