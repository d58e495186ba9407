#include "form/image_changes.h"

#include "form/form_contents.h"
#include "form/form_fields.h"
#include "form/form_record.h"
#include "form/setting_labels.h"
#include "image/image_layout.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

constexpr std::size_t kChannelsBegin = RadioImage::kChannelSize;
constexpr std::size_t kChannelsEnd = kChannelsBegin + RadioImage::kChannelCount * RadioImage::kChannelSize;
constexpr std::size_t kKillCodesEnd = layout::kRemoveKillCode + layout::kTextFieldSize;

void compareSettings(const FormRecord& before, const FormRecord& after, std::vector<ImageChange>& changes)
{
    for (const SettingLabel& setting : SettingLabels()) {
        const std::string old = before.GetComboText(setting.combo);
        const std::string now = after.GetComboText(setting.combo);
        if (old != now)
            changes.push_back({.kind = ImageChange::Kind::Setting, .field = setting.label, .before = old, .after = now});
    }
    if (before.GetPttIdCode() != after.GetPttIdCode())
        changes.push_back({.kind = ImageChange::Kind::Setting,
                           .field = kPttIdCodeLabel,
                           .before = before.GetPttIdCode(),
                           .after = after.GetPttIdCode()});
}

std::vector<std::string> cellsOf(const FormRecord& form, int row)
{
    std::vector<std::string> cells;
    for (int col = kColRxFreq; col < kGridCols; ++col)
        cells.push_back(form.GetTextMatrix(row, col));
    return cells;
}

// One row per channel; shownFields gets the names of the columns that
// differ ("Channel 3 Rx Tone"), which the bytes outside the form leave out.
void compareChannels(const FormRecord& before, const FormRecord& after, std::vector<ImageChange>& changes,
                     std::set<std::string>& shownFields)
{
    for (int row = 1; row <= RadioImage::kChannelCount; ++row) {
        std::vector<std::string> old = cellsOf(before, row);
        std::vector<std::string> now = cellsOf(after, row);
        if (old == now)
            continue;
        for (std::size_t i = 0; i < old.size(); ++i) {
            if (old[i] != now[i])
                shownFields.insert("Channel " + std::to_string(row) + " " + GridHeadings()[i + kColRxFreq]);
        }
        changes.push_back({.kind = ImageChange::Kind::Channel,
                           .channel = row,
                           .beforeCells = std::move(old),
                           .afterCells = std::move(now)});
    }
}

// A byte differs outside the form when bits the form does not show differ,
// or when the bits it shows differ and the form's texts do not (a value that
// no list item stands for shows as another one).
bool differsOutsideForm(const RadioImage& before, const RadioImage& after, std::size_t offset,
                        const std::set<std::string>& shownFields)
{
    const auto diff = static_cast<std::uint8_t>(before.byte(offset) ^ after.byte(offset));
    const auto shown = static_cast<std::uint8_t>(FormBits(before, offset) | FormBits(after, offset));
    if (diff & ~shown)
        return true;
    if (!(diff & shown))
        return false;
    const std::vector<std::string> fields = FormFieldsAt(offset, diff & shown);
    return std::none_of(fields.begin(), fields.end(), [&](const std::string& field) { return shownFields.contains(field); });
}

std::string blockHex(const RadioImage& image, std::size_t block)
{
    std::string text;
    for (const std::uint8_t byte : image.block(block)) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        if (!text.empty())
            text += ' ';
        text += hex;
    }
    return text;
}

bool emptyChannel(const RadioImage& image, int channel)
{
    const std::uint8_t top = image.channel(channel)[layout::kRxFrequency + 3];
    return top == 0xFF || top == 0x00;
}

// What the byte at offset holds, and the channel it belongs to (0 for none).
OutsideData dataAt(const RadioImage& before, const RadioImage& after, std::size_t offset, int& channel)
{
    channel = 0;
    if (offset >= kChannelsBegin && offset < kChannelsEnd) {
        channel = static_cast<int>(offset / RadioImage::kChannelSize);
        return emptyChannel(before, channel) && emptyChannel(after, channel) ? OutsideData::EmptyChannels
                                                                               : OutsideData::ChannelBytes;
    }
    const bool killSwitch = offset == layout::kFunctionBits &&
                            ((before.byte(offset) ^ after.byte(offset)) & layout::kKillSwitchBit);
    if ((offset >= layout::kKillCode && offset < kKillCodesEnd) || killSwitch)
        return OutsideData::KillCodes;
    return OutsideData::Other;
}

ImageChange& rowFor(std::vector<ImageChange>& rows, OutsideData data, int channel)
{
    // Bytes of a channel in use are a row per channel; the others one row per kind.
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const ImageChange& row) {
        return row.data == data && (data != OutsideData::ChannelBytes || row.channels.front() == channel);
    });
    if (found != rows.end())
        return *found;
    return rows.emplace_back(ImageChange{.kind = ImageChange::Kind::Outside, .data = data});
}

void addOffset(ImageChange& row, const RadioImage& before, const RadioImage& after, std::size_t offset, int channel)
{
    if (channel != 0 && (row.channels.empty() || row.channels.back() != channel))
        row.channels.push_back(channel);
    const std::size_t block = offset / RadioImage::kBlockSize;
    const std::size_t address = block * RadioImage::kBlockSize;
    if (row.blocks.empty() || row.blocks.back().address != address)
        row.blocks.push_back({address, blockHex(before, block), blockHex(after, block), {}});
    row.blocks.back().changedBytes.push_back(offset);
}

void compareOutside(const RadioImage& before, const RadioImage& after, const std::set<std::string>& shownFields,
                    std::vector<ImageChange>& changes)
{
    std::vector<ImageChange> rows;
    for (std::size_t offset = 0; offset < RadioImage::kSize; ++offset) {
        if (!differsOutsideForm(before, after, offset, shownFields))
            continue;
        int channel = 0;
        const OutsideData data = dataAt(before, after, offset, channel);
        addOffset(rowFor(rows, data, channel), before, after, offset, channel);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ImageChange& a, const ImageChange& b) { return a.data < b.data; });
    changes.insert(changes.end(), rows.begin(), rows.end());
}

} // namespace

std::vector<ImageChange> CompareImages(const RadioImage& before, const RadioImage& after)
{
    std::vector<ImageChange> changes;
    if (before == after)
        return changes;
    const FormRecord beforeForm = FormRecordOf(before);
    const FormRecord afterForm = FormRecordOf(after);
    std::set<std::string> shownFields;
    compareSettings(beforeForm, afterForm, changes);
    for (const ImageChange& change : changes)
        shownFields.insert(change.field);
    compareChannels(beforeForm, afterForm, changes, shownFields);
    compareOutside(before, after, shownFields, changes);
    return changes;
}

bool ChangesTheRadio(const ImageChange& change)
{
    return change.kind != ImageChange::Kind::Outside || change.data != OutsideData::EmptyChannels;
}

std::string HexAddress(std::size_t address)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%03zX", address);
    return text;
}
