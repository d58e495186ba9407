#include "form/form_contents.h"

#include "image/radio_models.h"

namespace {

constexpr FormCombo kAllCombos[] = {
    FormCombo::Model, FormCombo::Band, FormCombo::Squelch, FormCombo::Tot, FormCombo::Voice,
    FormCombo::Beep, FormCombo::VoxSwitch, FormCombo::VoxGain, FormCombo::BatterySaver, FormCombo::PttId,
};
static_assert(std::size(kAllCombos) == kFormComboCount);

std::vector<std::string> numbered(int first, int last, int step, const char* suffix)
{
    std::vector<std::string> items;
    for (int n = first; n <= last; n += step)
        items.push_back(std::to_string(n) + suffix);
    return items;
}

std::vector<std::string> modelTexts()
{
    std::vector<std::string> items;
    for (const RadioModel& model : RadioModels())
        items.emplace_back(model.modelText);
    return items;
}

} // namespace

const std::vector<std::string>& GridHeadings()
{
    static const std::vector<std::string> headings = {
        "CH", "Rx Freq", "Tx Freq", "Rx Tone", "Tx Tone", "Busy", "Power", "Bandwidth", "Scan",
    };
    return headings;
}

std::vector<std::string> ComboItemsAtCreation(FormCombo combo)
{
    switch (combo) {
    case FormCombo::Model:
        return modelTexts();
    case FormCombo::Band:
        return {std::string(RadioModels().front().bandText)};
    case FormCombo::Squelch:
        return numbered(0, 9, 1, "");
    case FormCombo::Tot:
        return numbered(30, 300, 30, "s");
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

std::vector<std::string> CellOptionItems(long col)
{
    switch (col) {
    case kColBusy:
        return {"Off", "Carrier", "QT/DQT"};
    case kColPower:
        return {"High", "Low"};
    case kColBandwidth:
        return {"Wide", "Narrow"};
    case kColScan:
        return {"Add", "Del"};
    default:
        return {};
    }
}

std::string BandOfModel(const std::string& modelText)
{
    const RadioModel* model = ModelByText(modelText);
    return model ? std::string(model->bandText) : std::string();
}

void CreateFormContents(FormControls& form)
{
    for (FormCombo combo : kAllCombos) {
        form.ResetContent(combo);
        for (const std::string& item : ComboItemsAtCreation(combo))
            form.AddString(combo, item);
    }
}

void FillVoxGainLevels(FormControls& form)
{
    form.ResetContent(FormCombo::VoxGain);
    for (const std::string& level : numbered(1, 9, 1, ""))
        form.AddString(FormCombo::VoxGain, level);
}

void WriteGridHeadings(FormControls& form)
{
    const std::vector<std::string>& headings = GridHeadings();
    for (long c = 0; c < form.GetCols() && c < static_cast<long>(headings.size()); ++c)
        form.SetTextMatrix(0, c, headings[static_cast<std::size_t>(c)]);
    for (long r = 1; r < form.GetRows(); ++r)
        form.SetTextMatrix(r, kColNumber, std::to_string(r));
}
