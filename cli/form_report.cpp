#include "cli/form_report.h"

#include "form/setting_labels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString cell(const FormRecord& form, long row, long col)
{
    return QString::fromStdString(form.GetTextMatrix(row, col));
}

} // namespace

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
