#include "form/image_changes.h"

#include "form/form_contents.h"
#include "form/form_fields.h"
#include "form/form_record.h"
#include "form/setting_labels.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

void compareSettings(const FormRecord& before, const FormRecord& after, std::vector<ImageChange>& changes)
{
    for (const SettingLabel& setting : SettingLabels()) {
        const std::string old = before.GetComboText(setting.combo);
        const std::string now = after.GetComboText(setting.combo);
        if (old != now)
            changes.push_back({.kind = ImageChange::Kind::Setting, .field = setting.label, .before = old, .after = now, .changedBytes = {}});
    }
    if (before.GetPttIdCode() != after.GetPttIdCode())
        changes.push_back({.kind = ImageChange::Kind::Setting,
                           .field = kPttIdCodeLabel,
                           .before = before.GetPttIdCode(),
                           .after = after.GetPttIdCode(),
                           .changedBytes = {}});
}

void compareChannels(const FormRecord& before, const FormRecord& after, std::vector<ImageChange>& changes)
{
    for (int row = 1; row <= RadioImage::kChannelCount; ++row) {
        for (int col = kColRxFreq; col < kGridCols; ++col) {
            const std::string old = before.GetTextMatrix(row, col);
            const std::string now = after.GetTextMatrix(row, col);
            if (old != now)
                changes.push_back({.kind = ImageChange::Kind::Channel,
                                   .channel = row,
                                   .field = GridHeadings()[static_cast<std::size_t>(col)],
                                   .before = old,
                                   .after = now,
                                   .changedBytes = {}});
        }
    }
}

std::string fieldName(const ImageChange& change)
{
    if (change.kind == ImageChange::Kind::Channel)
        return "Channel " + std::to_string(change.channel) + " " + change.field;
    return change.field;
}

// A byte differs outside the form when bits the form does not show differ,
// or when the bits it shows differ and the form's texts do not (a value that
// no list item stands for shows as another one).
bool differsOutsideForm(const RadioImage& before, const RadioImage& after, std::size_t offset,
                        const std::set<std::string>& shownChanges)
{
    const auto diff = static_cast<std::uint8_t>(before.byte(offset) ^ after.byte(offset));
    const auto shown = static_cast<std::uint8_t>(FormBits(before, offset) | FormBits(after, offset));
    if (diff & ~shown)
        return true;
    if (!(diff & shown))
        return false;
    const std::vector<std::string> fields = FormFieldsAt(offset, diff & shown);
    return std::none_of(fields.begin(), fields.end(),
                        [&](const std::string& field) { return shownChanges.contains(field); });
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

void compareOutside(const RadioImage& before, const RadioImage& after, std::vector<ImageChange>& changes)
{
    std::set<std::string> shownChanges;
    for (const ImageChange& change : changes)
        shownChanges.insert(fieldName(change));
    for (std::size_t block = 0; block < RadioImage::kBlockCount; ++block) {
        std::vector<std::size_t> offsets;
        for (std::size_t i = 0; i < RadioImage::kBlockSize; ++i) {
            const std::size_t offset = block * RadioImage::kBlockSize + i;
            if (differsOutsideForm(before, after, offset, shownChanges))
                offsets.push_back(offset);
        }
        if (!offsets.empty())
            changes.push_back({.kind = ImageChange::Kind::Outside,
                               .field = kOutsideFormText,
                               .before = blockHex(before, block),
                               .after = blockHex(after, block),
                               .address = block * RadioImage::kBlockSize,
                               .changedBytes = offsets});
    }
}

std::string shown(const std::string& text)
{
    return text.empty() ? "(empty)" : text;
}

std::string offsetList(const std::vector<std::size_t>& offsets, const char* separator)
{
    std::string text;
    for (const std::size_t offset : offsets) {
        if (!text.empty())
            text += separator;
        text += HexAddress(offset);
    }
    return text;
}

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

const char* kindName(ImageChange::Kind kind)
{
    switch (kind) {
    case ImageChange::Kind::Setting:
        return "setting";
    case ImageChange::Kind::Channel:
        return "channel";
    case ImageChange::Kind::Outside:
        break;
    }
    return "outside";
}

std::string jsonObject(const ImageChange& change)
{
    std::string out = "{\"kind\": " + jsonString(kindName(change.kind)) + ", \"field\": " + jsonString(change.field);
    if (change.kind == ImageChange::Kind::Channel)
        out += ", \"channel\": " + std::to_string(change.channel);
    if (change.kind == ImageChange::Kind::Outside) {
        out += ", \"address\": " + jsonString(HexAddress(change.address)) + ", \"bytes\": [";
        const std::string offsets = offsetList(change.changedBytes, "\", \"");
        if (!offsets.empty()) {
            out += '"';
            out += offsets;
            out += '"';
        }
        out += "]";
    }
    return out + ", \"before\": " + jsonString(change.before) + ", \"after\": " + jsonString(change.after) + "}";
}

} // namespace

std::vector<ImageChange> CompareImages(const RadioImage& before, const RadioImage& after)
{
    std::vector<ImageChange> changes;
    if (before == after)
        return changes;
    const FormRecord beforeForm = FormRecordOf(before);
    const FormRecord afterForm = FormRecordOf(after);
    compareSettings(beforeForm, afterForm, changes);
    compareChannels(beforeForm, afterForm, changes);
    compareOutside(before, after, changes);
    return changes;
}

std::string ChangesText(const std::vector<ImageChange>& changes)
{
    std::string text;
    for (const ImageChange& change : changes) {
        if (change.kind == ImageChange::Kind::Outside)
            text += change.field + " " + HexAddress(change.address) + ": " + change.before + " -> " + change.after +
                    " (" + offsetList(change.changedBytes, ", ") + ")\n";
        else
            text += fieldName(change) + ": " + shown(change.before) + " -> " + shown(change.after) + "\n";
    }
    return text;
}

std::string ChangesJson(const std::vector<ImageChange>& changes)
{
    std::string text = "[";
    for (std::size_t i = 0; i < changes.size(); ++i)
        text += (i ? ",\n  " : "\n  ") + jsonObject(changes[i]);
    return text + (changes.empty() ? "]\n" : "\n]\n");
}

std::string HexAddress(std::size_t address)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%03zX", address);
    return text;
}
