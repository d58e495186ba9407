#pragma once

#include "editor/program_view.h"

#include "grid/ms_flex_grid.h"
#include "document/program_doc.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <vector>

// A desktop form on a new document (band 136-174MHz), inside a shown and
// active top-level window, driven by key and mouse events as a user drives it.
class CellEditingTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_doc.OnNewDocument());
        auto* layout = new QVBoxLayout(&m_window);
        m_view = new CProgramView(&m_doc);
        layout->addWidget(m_view);
        m_view->OnInitialUpdate();
        m_window.show();
        m_window.activateWindow();
        QApplication::setActiveWindow(&m_window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        grid()->setFocus();
    }

    CMSFlexGrid* grid() const { return m_view->Grid(); }

    // Lets the queued cell moves run.
    static void settle()
    {
        for (int i = 0; i < 4; ++i)
            QCoreApplication::processEvents();
    }

    static QWidget* focus() { return QApplication::focusWidget(); }

    void pickCell(long row, long col)
    {
        grid()->setFocus();
        grid()->SetRow(row);
        grid()->SetCol(col);
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus(), k, modifiers);
        settle();
    }

    void key(char typed)
    {
        QTest::keyClick(focus(), typed);
        settle();
    }

    void type(const QString& text)
    {
        QTest::keyClicks(focus(), text);
        settle();
    }

    QRect cellRectInViewport(long row, long col) const
    {
        return grid()->visualRect(grid()->model()->index(static_cast<int>(row - 1), static_cast<int>(col - 1)));
    }

    void click(long row, long col, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(grid()->viewport(), button, Qt::NoModifier, cellRectInViewport(row, col).center());
        settle();
    }

    // Where cell (row, col) is in the view, grid line included.
    QRect cellRectInView(long row, long col) const
    {
        const QRect cell = cellRectInViewport(row, col);
        const QPoint corner = grid()->viewport()->mapTo(m_view, cell.topLeft());
        return QRect(corner, QSize(grid()->columnWidth(static_cast<int>(col - 1)),
                                   grid()->rowHeight(static_cast<int>(row - 1))));
    }

    std::vector<QString> row(long n) const
    {
        std::vector<QString> cells;
        for (long c = 1; c <= 8; ++c)
            cells.push_back(grid()->GetTextMatrix(n, c));
        return cells;
    }

    void setRow(long n, const std::vector<QString>& cells)
    {
        for (long c = 1; c <= 8; ++c)
            grid()->SetTextMatrix(n, c, cells[static_cast<std::size_t>(c - 1)]);
    }

    void chooseModel(int index)
    {
        m_view->Combo(FormCombo::Model)->setCurrentIndex(index);
        m_view->OnSelChangeModel();
    }

    // Set HMPROG_SCREENSHOT_DIR to look at the form as the screen shows it.
    void saveShot(const QString& name)
    {
        const QString dir = qEnvironmentVariable("HMPROG_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        QApplication::processEvents();
        QPixmap shot = m_window.screen()->grabWindow(m_window.winId());
        if (shot.isNull())
            shot = m_window.grab();
        EXPECT_TRUE(shot.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    std::pair<long, long> currentCell() const { return {grid()->GetRow(), grid()->GetCol()}; }

    CProgramDoc m_doc;
    QWidget m_window;
    CProgramView* m_view = nullptr;
};

inline const std::vector<QString> kChannel150 = {"150.00000", "151.00000", "D754I", "67.0",
                                                "Carrier",   "Low",       "Narrow", "Del"};
inline const std::vector<QString> kChannel450 = {"450.00000", "451.00000", "D754I", "67.0",
                                                "Carrier",   "Low",       "Narrow", "Del"};
