#include "cli/form_report.h"

#include "form/setting_labels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <vector>

namespace {

QString padded(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '));
}

QString cell(const FormRecord& form, long row, long col)
{
    return QString::fromStdString(form.GetTextMatrix(row, col));
}

} // namespace

QString FormTable(const FormRecord& form)
{
    int labelWidth = static_cast<int>(qstrlen(kPttIdCodeLabel));
    for (const SettingLabel& setting : SettingLabels())
        labelWidth = std::max(labelWidth, static_cast<int>(qstrlen(setting.label)));
    labelWidth += 2;
    QString out;
    for (const SettingLabel& setting : SettingLabels()) {
        QString text = QString::fromStdString(form.GetComboText(setting.combo));
        if (!form.IsComboEnabled(setting.combo))
            text += QStringLiteral(" (disabled)");
        out += (padded(QString::fromLatin1(setting.label), labelWidth) + text).trimmed() + QLatin1Char('\n');
    }
    out += (padded(QString::fromLatin1(kPttIdCodeLabel), labelWidth) + QString::fromStdString(form.GetPttIdCode())).trimmed() +
           QLatin1Char('\n');
    out += QLatin1Char('\n');

    std::vector<int> widths(static_cast<std::size_t>(form.GetCols()), 0);
    for (long r = 0; r < form.GetRows(); ++r) {
        for (long c = 0; c < form.GetCols(); ++c)
            widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)],
                                                           static_cast<int>(cell(form, r, c).size()));
    }
    for (long r = 0; r < form.GetRows(); ++r) {
        QString line;
        for (long c = 0; c < form.GetCols(); ++c)
            line += padded(cell(form, r, c), widths[static_cast<std::size_t>(c)] + 2);
        out += line.trimmed() + QLatin1Char('\n');
    }
    return out;
}

QByteArray FormJson(const FormRecord& form)
{
    QJsonArray settings;
    for (const SettingLabel& setting : SettingLabels()) {
        settings.append(QJsonObject{
            {"label", QString::fromLatin1(setting.label)},
            {"text", QString::fromStdString(form.GetComboText(setting.combo))},
            {"index", form.GetCurSel(setting.combo)},
            {"enabled", form.IsComboEnabled(setting.combo)},
        });
    }
    settings.append(QJsonObject{{"label", QString::fromLatin1(kPttIdCodeLabel)}, {"text", QString::fromStdString(form.GetPttIdCode())}});

    QJsonArray headings;
    for (long c = 0; c < form.GetCols(); ++c)
        headings.append(cell(form, 0, c));
    QJsonArray rows;
    for (long r = 1; r < form.GetRows(); ++r) {
        QJsonArray cells;
        for (long c = 0; c < form.GetCols(); ++c)
            cells.append(cell(form, r, c));
        rows.append(cells);
    }
    return QJsonDocument(QJsonObject{{"settings", settings}, {"headings", headings}, {"rows", rows}})
        .toJson(QJsonDocument::Indented);
}
