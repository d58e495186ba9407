#pragma once

#include <QHash>
#include <QTableWidget>
#include <QVector>

#include <utility>

class QAbstractButton;

// The channel table's grid: a text-only table whose first row holds the
// column headings and whose first column holds the row labels (each of them
// can be switched off with SetFixedRows / SetFixedCols 0). Rows and columns
// are counted from 0 with the headings, so with both shown the first body
// cell is (1, 1); a heading is never the current cell.
//
// Lengths and positions are in twips (1/1440 inch, pixels x 1440 / logical
// DPI). Positions are measured from the top-left corner inside the grid's
// frame (frameWidth() pixels in from its outer edge), which is where the
// heading row and the label column begin; a widget laid at
// frame + ColPos / RowPos with ColWidth x RowHeight covers the cell exactly.
//
// The grid shows text only and never edits a cell itself; moving between
// cells with the keyboard (arrows, Home, End, Page Up/Down) is its own.
class CMSFlexGrid : public QTableWidget {
    Q_OBJECT
public:
    // HighLight: when the selected cells are drawn as selected.
    static constexpr long kHighLightNever = 0;
    static constexpr long kHighLightAlways = 1;
    static constexpr long kHighLightWithFocus = 2;

    // SelectionMode: what a press or a drag selects.
    static constexpr long kSelectionFree = 0;
    static constexpr long kSelectionByRow = 1;
    static constexpr long kSelectionByColumn = 2;

    // ColAlignment: left, centre, right in steps of three, each top, centre,
    // bottom within its step; general is left and centred vertically.
    static constexpr short kAlignLeftTop = 0;
    static constexpr short kAlignLeftCenter = 1;
    static constexpr short kAlignLeftBottom = 2;
    static constexpr short kAlignCenterTop = 3;
    static constexpr short kAlignCenterCenter = 4;
    static constexpr short kAlignCenterBottom = 5;
    static constexpr short kAlignRightTop = 6;
    static constexpr short kAlignRightCenter = 7;
    static constexpr short kAlignRightBottom = 8;
    static constexpr short kAlignGeneral = 9;

    explicit CMSFlexGrid(QWidget* parent = nullptr);

    // Total rows and columns, headings included.
    long GetRows() const;
    void SetRows(long rows);
    long GetCols() const;
    void SetCols(long cols);
    // 0 or 1: whether the heading row / the label column is shown.
    void SetFixedRows(long rows);
    void SetFixedCols(long cols);

    // The current cell.
    long GetRow() const;
    void SetRow(long row);
    long GetCol() const;
    void SetCol(long col);

    // The first and last row of the selection that holds the current cell,
    // headings counted; the current row twice when nothing more is selected.
    std::pair<long, long> GetSelectedRows() const;
    // Selects whole rows first to last, the current cell moving to column
    // col of row first.
    void SelectRows(long first, long last, long col);
    // Adds whole rows first to last to the selection; the current cell stays.
    void AddRowsToSelection(long first, long last);

    // Text of the current cell.
    QString GetText() const;
    void SetText(const QString& text);

    // Text of any cell, headings included; an empty cell reads "".
    QString GetTextMatrix(long row, long col) const;
    void SetTextMatrix(long row, long col, const QString& text);

    // One of the kAlign… codes.
    void SetColAlignment(long col, short alignment);

    long GetColWidth(long col) const;
    void SetColWidth(long col, long twips);
    long GetRowHeight(long row) const;
    long GetRowPos(long row) const;
    long GetColPos(long col) const;

    // One of the kHighLight… settings.
    long GetHighLight() const { return m_highLight; }
    void SetHighLight(long highLight);

    // Column under the pointer at the last mouse event.
    long GetMouseCol() const { return m_mouseCol; }

    // One of the kSelection… modes.
    void SetSelectionMode(long mode);
    void SetWordWrap(bool wrap);

    // Scroll the body by one page, as a click on the scroll bar's trough does.
    void PageDown();
    void PageUp();

    // Twips of a pixel length and back, at this screen's logical DPI, each
    // rounded to the nearest unit.
    long PixelsToTwipsX(int px) const;
    long PixelsToTwipsY(int py) const;
    int TwipsToPixelsX(long twips) const;
    int TwipsToPixelsY(long twips) const;

    // Whether cell selections are drawn at this moment (the HighLight rule).
    bool SelectionShown() const;

signals:
    // The current cell changed.
    void EnterCell();
    // A character was typed while the grid has focus; KeyAscii is its
    // Latin-1 code.
    void KeyPress(short* KeyAscii);
    // A button went down over the grid; raised after the pressed cell has
    // become current. Button 1 left, 2 right, 4 middle; Shift 1 Shift,
    // 2 Ctrl, 4 Alt; x and y in twips from the grid's top-left corner.
    void MouseDown(short Button, short Shift, long x, long y);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QTableWidgetItem* itemAt(long row, long col, bool create);
    const QTableWidgetItem* itemAt(long row, long col) const;
    void fillMissingHeadings();
    void fitRowsToFont();
    Qt::Alignment alignmentOf(long col) const;
    void realignColumn(long col);
    long colAtViewportX(int x) const;
    int colWidthPixels(long col) const;
    void raiseMouseDown(const QMouseEvent* event, QWidget* source);
    void headingPressed();
    void paintCorner();

    // A new column is 960 twips wide (two thirds of an inch).
    static constexpr long kDefaultColWidthTwips = 960;

    long m_fixedRows = 1;
    long m_fixedCols = 1;
    long m_highLight = kHighLightAlways;
    long m_mouseCol = 0;
    QString m_cornerText;
    QVector<short> m_colAlignment;
    QHash<long, long> m_colWidthTwips;
    QAbstractButton* m_corner = nullptr;

    // A left press on a heading, held until the heading has moved the current
    // cell so that MouseDown follows the move.
    struct PendingPress {
        bool active = false;
        short button = 0;
        short shift = 0;
        long x = 0;
        long y = 0;
    } m_pendingPress;
};
