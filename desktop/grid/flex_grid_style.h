#pragma once

#include <QProxyStyle>

// The grid's cells draw their own selection (see FlexGridDelegate); the row
// panel underneath must not paint it a second time.
class FlexGridStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};
