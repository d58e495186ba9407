#include "editor/cell_commit.h"

#include "codec/frequency.h"
#include "codec/tone.h"

#include <QRegularExpression>

namespace {

// The 5 kHz and 6.25 kHz channel rasters, in counts of 10 Hz.
constexpr std::uint32_t kRaster5k = 500;
constexpr std::uint32_t kRaster6k25 = 625;

// A decimal number without sign or exponent, written the shortest way:
// "067.50" and "67.5" both give "67.5", "0.0" gives "0".
QString shortestDecimal(const QString& number)
{
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? number : number.left(point);
    QString fraction = point < 0 ? QString() : number.mid(point + 1);
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    return fraction.isEmpty() ? whole : whole + QLatin1Char('.') + fraction;
}

QString formatted(ToneCode code)
{
    return QString::fromStdString(FormatTone(code));
}

ToneCode parsed(const QString& text)
{
    return ParseTone(text.toLatin1().toStdString(), ToneCode{});
}

// Whether the tone the channel would hold reads back as the same kind of tone
// with the same number: a CTCSS value of 800 Hz or more reads back as a DCS
// code, an "N" code of 6400 or more as an "I" code. DCS digits are octal.
bool namesTheStoredTone(const QString& typed)
{
    static const QRegularExpression ctcss(
        QRegularExpression::anchoredPattern(QStringLiteral("(?=\\.?[0-9])[0-9]*(\\.[0-9]*)?")));
    static const QRegularExpression dcs(QRegularExpression::anchoredPattern(QStringLiteral("D([0-7]+)([NI])")));

    if (ctcss.match(typed).hasMatch()) {
        const QString stored = formatted(parsed(typed));
        return ctcss.match(stored).hasMatch() && shortestDecimal(stored) == shortestDecimal(typed);
    }
    const QRegularExpressionMatch code = dcs.match(typed);
    if (code.hasMatch()) {
        const QRegularExpressionMatch stored = dcs.match(formatted(parsed(typed)));
        return stored.hasMatch() && stored.captured(2) == code.captured(2) &&
               shortestDecimal(stored.captured(1)) == shortestDecimal(code.captured(1));
    }
    return false;
}

} // namespace

CommittedFrequency CommitFrequency(const QString& typed, std::uint32_t bandLow, std::uint32_t bandHigh)
{
    // Where the decimal separator is a comma, the keypad types one.
    QString number = typed;
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    // Counts beyond 32 bits come back as the largest count, above every band.
    std::uint32_t count = ParseFrequency(number.toLatin1().toStdString());
    FrequencyCorrection correction = FrequencyCorrection::None;
    if (count != 0) {
        if (count > bandHigh) {
            count = bandHigh;
            correction = FrequencyCorrection::LoweredToBand;
        }
        if (count < bandLow) {
            count = bandLow;
            correction = FrequencyCorrection::RaisedToBand;
        }
    }
    // Lowered only: the band edges are not applied again.
    if (count % kRaster5k != 0 && count % kRaster6k25 != 0) {
        count = SnapToStep(count);
        if (correction == FrequencyCorrection::None && count != 0)
            correction = FrequencyCorrection::LoweredOntoRaster;
    }
    if (count == 0)
        return {};
    return {QString::fromStdString(FormatFrequency(count)), correction};
}

ChannelCells NewChannelCells(const QString& frequency)
{
    const QString off = QStringLiteral("Off");
    return {frequency, frequency, off, off, off, QStringLiteral("High"), QStringLiteral("Wide"), QStringLiteral("Add")};
}

std::optional<QString> StorableToneText(const QString& typedText)
{
    const QString off = QStringLiteral("Off");
    if (typedText.compare(off, Qt::CaseInsensitive) == 0)
        return off;
    const QString typed = typedText.toUpper();
    if (namesTheStoredTone(typed))
        return typed;
    return std::nullopt;
}
