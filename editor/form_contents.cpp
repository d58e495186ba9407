#include "editor/form_contents.h"

namespace {

struct ModelBand {
    const char* model;
    const char* band;
};

constexpr ModelBand kModels[] = {
    {"HM-615V", "136-174MHz"},
    {"HM-615U", "400-520MHz"},
};

constexpr FormCombo kAllCombos[] = {
    FormCombo::Model, FormCombo::Band, FormCombo::Squelch, FormCombo::Tot, FormCombo::Voice,
    FormCombo::Beep, FormCombo::VoxSwitch, FormCombo::VoxGain, FormCombo::BatterySaver, FormCombo::PttId,
};
static_assert(std::size(kAllCombos) == kFormComboCount);

QStringList numbered(int first, int last, const char* suffix)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n) + QLatin1String(suffix);
    return items;
}

} // namespace

const QStringList& GridHeadings()
{
    static const QStringList headings = {
        "CH", "Rx Freq", "Tx Freq", "Rx Tone", "Tx Tone", "Busy", "Power", "Bandwidth", "Scan",
    };
    return headings;
}

QStringList ComboItemsAtCreation(FormCombo combo)
{
    switch (combo) {
    case FormCombo::Model:
        return {kModels[0].model, kModels[1].model};
    case FormCombo::Band:
        return {kModels[0].band};
    case FormCombo::Squelch:
        return numbered(0, 9, "");
    case FormCombo::Tot: {
        QStringList items;
        for (int seconds = 30; seconds <= 300; seconds += 30)
            items << QString::number(seconds) + "s";
        return items;
    }
    case FormCombo::Voice:
        return {"Off", "Chinese", "English"};
    case FormCombo::Beep:
    case FormCombo::BatterySaver:
        return {"On", "Off"};
    case FormCombo::VoxSwitch:
        return {"Off", "On"};
    case FormCombo::VoxGain:
        return {};
    case FormCombo::PttId:
        return {"Off", "Begin", "End", "Both"};
    }
    return {};
}

QString BandOfModel(const QString& modelText)
{
    for (const ModelBand& entry : kModels) {
        if (modelText == QLatin1String(entry.model))
            return QString::fromLatin1(entry.band);
    }
    return {};
}

void CreateFormContents(FormControls& form)
{
    for (FormCombo combo : kAllCombos) {
        form.ResetContent(combo);
        for (const QString& item : ComboItemsAtCreation(combo))
            form.AddString(combo, item);
    }
}

void FillVoxGainLevels(FormControls& form)
{
    form.ResetContent(FormCombo::VoxGain);
    for (const QString& level : numbered(1, 9, ""))
        form.AddString(FormCombo::VoxGain, level);
}

void WriteGridHeadings(FormControls& form)
{
    const QStringList& headings = GridHeadings();
    for (long c = 0; c < form.GetCols() && c < headings.size(); ++c)
        form.SetTextMatrix(0, c, headings[static_cast<int>(c)]);
    for (long r = 1; r < form.GetRows(); ++r)
        form.SetTextMatrix(r, kColNumber, QString::number(r));
}
