#include "app_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kToolbarSize = 18;

const QColor kOutline(40, 40, 40);

template <typename Draw>
QPixmap Paint(int size, Draw draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 18.0, size / 18.0);
    draw(painter);
    return pixmap;
}

// A hand-held radio: body, antenna, display and speaker grille.
void DrawRadio(QPainter& p, const QRectF& body)
{
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(QColor(60, 60, 70));
    const double antennaX = body.left() + body.width() * 0.25;
    p.drawRect(QRectF(antennaX - 0.8, body.top() - body.height() * 0.45, 1.6, body.height() * 0.45));
    p.drawRoundedRect(body, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 220, 150));
    p.drawRect(QRectF(body.left() + body.width() * 0.18, body.top() + body.height() * 0.12,
                      body.width() * 0.64, body.height() * 0.25));
    p.setPen(QPen(QColor(170, 170, 180), 0.7));
    for (int i = 0; i < 3; ++i) {
        const double y = body.top() + body.height() * (0.55 + 0.13 * i);
        p.drawLine(QPointF(body.left() + body.width() * 0.2, y), QPointF(body.right() - body.width() * 0.2, y));
    }
}

void DrawArrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& color)
{
    p.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const double dir = to.x() < from.x() ? 1.0 : -1.0;
    QPainterPath head;
    head.moveTo(to + QPointF(-dir * 1.0, 0));
    head.lineTo(to + QPointF(dir * 3.5, -3.5));
    head.lineTo(to + QPointF(dir * 3.5, 3.5));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

void DrawNew(QPainter& p)
{
    QPainterPath page;
    page.moveTo(4, 1.5);
    page.lineTo(11, 1.5);
    page.lineTo(14.5, 5);
    page.lineTo(14.5, 16.5);
    page.lineTo(4, 16.5);
    page.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(11, 1.5), QPointF(11, 5), QPointF(14.5, 5)}));
}

void DrawOpen(QPainter& p)
{
    p.setPen(QPen(QColor(120, 90, 10), 1));
    p.setBrush(QColor(230, 190, 70));
    p.drawRect(QRectF(1.5, 4.5, 6, 2));
    p.drawRect(QRectF(1.5, 6, 13, 9.5));
    p.setBrush(QColor(250, 215, 110));
    p.drawPolygon(QPolygonF({QPointF(4, 8.5), QPointF(16.5, 8.5), QPointF(14.5, 15.5), QPointF(1.5, 15.5)}));
}

void DrawSave(QPainter& p)
{
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(60, 100, 180));
    p.drawRoundedRect(QRectF(2, 2, 14, 14), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 2, 9, 6));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(5.5, 11, 7, 5));
}

// A curved arrow turning back (Undo) or forward (Redo, mirrored).
void DrawTurn(QPainter& p, bool back)
{
    if (!back) {
        p.translate(18, 0);
        p.scale(-1, 1);
    }
    const QColor color(40, 90, 170);
    QPainterPath bend;
    bend.moveTo(5, 7);
    bend.lineTo(11, 7);
    bend.cubicTo(17, 7, 17, 15.5, 11, 15.5);
    bend.lineTo(7, 15.5);
    p.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bend);
    QPainterPath head;
    head.moveTo(1.5, 7);
    head.lineTo(6.5, 2.5);
    head.lineTo(6.5, 11.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

void DrawUndo(QPainter& p)
{
    DrawTurn(p, true);
}

void DrawRedo(QPainter& p)
{
    DrawTurn(p, false);
}

void DrawRead(QPainter& p)
{
    DrawRadio(p, QRectF(11, 5.5, 6, 11));
    DrawArrow(p, QPointF(10, 10), QPointF(2, 10), QColor(30, 150, 50));
}

void DrawWrite(QPainter& p)
{
    DrawRadio(p, QRectF(11, 5.5, 6, 11));
    DrawArrow(p, QPointF(1.5, 10), QPointF(9.5, 10), QColor(200, 60, 30));
}

void DrawPrint(QPainter& p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 1.5, 8, 6));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(1.5, 7, 15, 6.5), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 11, 8, 5.5));
    p.setPen(QPen(QColor(120, 120, 120), 0.7));
    p.drawLine(QPointF(6.5, 13), QPointF(11.5, 13));
    p.drawLine(QPointF(6.5, 14.8), QPointF(11.5, 14.8));
}

void DrawAbout(QPainter& p)
{
    p.setPen(QPen(QColor(20, 50, 120), 1));
    p.setBrush(QColor(50, 110, 200));
    p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 15, 15), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

QIcon AppIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(Paint(size, [](QPainter& p) { DrawRadio(p, QRectF(5, 6, 8, 11.5)); }));
    return icon;
}

QIcon ToolbarIcon(ToolbarImage image)
{
    switch (image) {
    case ToolbarImage::New: return QIcon(Paint(kToolbarSize, DrawNew));
    case ToolbarImage::Open: return QIcon(Paint(kToolbarSize, DrawOpen));
    case ToolbarImage::Save: return QIcon(Paint(kToolbarSize, DrawSave));
    case ToolbarImage::Undo: return QIcon(Paint(kToolbarSize, DrawUndo));
    case ToolbarImage::Redo: return QIcon(Paint(kToolbarSize, DrawRedo));
    case ToolbarImage::Read: return QIcon(Paint(kToolbarSize, DrawRead));
    case ToolbarImage::Write: return QIcon(Paint(kToolbarSize, DrawWrite));
    case ToolbarImage::Print: return QIcon(Paint(kToolbarSize, DrawPrint));
    case ToolbarImage::About: return QIcon(Paint(kToolbarSize, DrawAbout));
    }
    return {};
}
