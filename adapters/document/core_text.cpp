#include "document/core_text.h"

#include "image/text_fill.h"

#include <QCoreApplication>

QString CoreText(const char* english)
{
    return QCoreApplication::translate(kUiTextContext, english);
}

QString CoreText(const std::string& english)
{
    return CoreText(english.c_str());
}

std::string CoreTextUtf8(const char* english)
{
    return CoreText(english).toStdString();
}

QString CoreText(const UiText& text)
{
    return QString::fromStdString(FillText(text, CoreTextUtf8));
}
