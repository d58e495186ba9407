#pragma once

#include <QByteArray>
#include <QString>

// Image bytes shown as text: one character per byte, Latin-1, so that every
// byte value survives the way there and back. A 0x00 byte, which a line edit
// cannot hold, shows as the visible symbol U+2400 and turns back into 0x00.
QString BytesToText(const QByteArray& bytes);
QByteArray TextToBytes(const QString& text);
