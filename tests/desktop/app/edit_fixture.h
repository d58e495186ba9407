#pragma once

#include "frame_fixture.h"

#include "form/form_snapshot.h"
#include "grid/ms_flex_grid.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>

#include <vector>

// Set HMPROG_SCREENSHOT_DIR to look at a window as the tests leave it.
inline void SaveShot(QWidget& window, const QString& name)
{
    const QString dir = qEnvironmentVariable("HMPROG_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

// The main window with channels in the form, driven by keys and clicks.
class EditTest : public FrameTest {
public:
    using FrameTest::m_docManager;
    using FrameTest::m_frame;
    using FrameTest::Path;
    using FrameTest::View;

    CMSFlexGrid* Grid() { return View().Grid(); }

    static void Settle()
    {
        for (int i = 0; i < 4; ++i)
            QCoreApplication::processEvents();
    }

    // Channel n on 140 + n MHz in rows 1 to count, loaded as a file would be:
    // the history starts from them.
    void LoadChannels(long count)
    {
        for (long n = 1; n <= count; ++n)
            SetRow(n, Marked(n));
        View().StoreToImage();
        View().LoadFromImage();
    }

    static std::vector<QString> Marked(long n)
    {
        const QString rx = QString::number(140 + n) + QStringLiteral(".00000");
        return {rx, rx, "Off", "Off", "Off", "High", "Wide", "Add"};
    }

    std::vector<QString> Row(long n)
    {
        std::vector<QString> cells;
        for (long c = 1; c <= 8; ++c)
            cells.push_back(Grid()->GetTextMatrix(n, c));
        return cells;
    }

    void SetRow(long n, const std::vector<QString>& cells)
    {
        for (long c = 1; c <= 8; ++c)
            Grid()->SetTextMatrix(n, c, cells[static_cast<std::size_t>(c - 1)]);
    }

    FormSnapshot Shown() { return TakeSnapshot(View().Controls(), View().Session().AppliedModel(), {}); }

    QRect CellRect(long row, long col)
    {
        return Grid()->visualRect(Grid()->model()->index(static_cast<int>(row - 1), static_cast<int>(col - 1)));
    }

    void Click(long row, long col, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, modifiers, CellRect(row, col).center());
        Settle();
    }

    // The grid with the focus on a cell, nothing else selected, no editor.
    void PickCell(long row, long col)
    {
        Grid()->setFocus();
        Grid()->SetRow(row);
        Grid()->SetCol(col);
        Grid()->clearSelection();
        Grid()->SelectRows(row, row, col);
        Settle();
    }

    // A press on a channel's number picks the whole channel without opening
    // an editor; with Shift it picks every channel from the current one.
    void ClickNumber(long row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QHeaderView* numbers = Grid()->verticalHeader();
        const int y = numbers->sectionViewportPosition(static_cast<int>(row - 1)) +
                      numbers->sectionSize(static_cast<int>(row - 1)) / 2;
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers, QPoint(numbers->width() / 2, y));
        Grid()->setFocus();
        Settle();
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m_frame.get();
        QTest::keyClick(target, key, modifiers);
        Settle();
    }

    // Each character goes where the focus is when it is typed: the first
    // digit typed on the grid opens the editor that takes the rest.
    void Type(const QString& text)
    {
        for (const QChar character : text) {
            QTest::keyClicks(QApplication::focusWidget(), QString(character));
            Settle();
        }
    }

    QString Said() { return m_frame->statusBar()->currentMessage(); }
    QString ItemText(int id) { return m_frame->CommandAction(id)->text().section(u'\t', 0, 0); }
};
