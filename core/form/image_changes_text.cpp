// The list of what differs between two images, as text for a person.

#include "form/image_changes.h"
#include "image/shown_text.h"
#include "image/text_fill.h"

#include <algorithm>

namespace {

constexpr const char* kOneChange = HMPROG_TEXT("1 change");
constexpr const char* kChanges = HMPROG_TEXT("%1 changes");
constexpr const char* kNoRadioChange = HMPROG_TEXT("No change to what the radio does");
constexpr const char* kChannelTitle = HMPROG_TEXT("Channel %1");
constexpr const char* kChannelLine = HMPROG_TEXT("Rx %1, Tx %2, tones %3 / %4, Busy %5, %6, %7, Scan %8");
constexpr const char* kEmpty = HMPROG_TEXT("(empty)");
constexpr const char* kKillCodes = HMPROG_TEXT("Kill codes (the radio uses them)");
constexpr const char* kChannelBytes = HMPROG_TEXT("Channel %1, bytes the form does not show (the radio may use them)");
constexpr const char* kOther = HMPROG_TEXT("Other radio data (the radio may use it)");
constexpr const char* kEmptyChannel = HMPROG_TEXT("Unused bytes of empty channel %1 (no radio uses them)");
constexpr const char* kEmptyChannels = HMPROG_TEXT("Unused bytes of empty channels %1 (no radio uses them)");

// "5-11, 13": channel numbers with runs joined.
std::string channelRanges(const std::vector<int>& channels)
{
    std::string text;
    for (std::size_t i = 0; i < channels.size();) {
        std::size_t end = i;
        while (end + 1 < channels.size() && channels[end + 1] == channels[end] + 1)
            ++end;
        text += (text.empty() ? "" : ", ") + std::to_string(channels[i]);
        if (end > i)
            text += "-" + std::to_string(channels[end]);
        i = end + 1;
    }
    return text;
}

std::string channelLine(const std::vector<std::string>& cells, TranslateText tr)
{
    if (std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); }))
        return tr(kEmpty);
    std::vector<std::string> args = cells;
    for (std::string& arg : args)
        arg = arg.empty() ? tr(kEmpty) : arg;
    return FillText(tr(kChannelLine), args);
}

std::string offsetList(const std::vector<std::size_t>& offsets, const char* separator)
{
    std::string text;
    for (const std::size_t offset : offsets)
        text += (text.empty() ? "" : separator) + HexAddress(offset);
    return text;
}

std::string blocksSide(const std::vector<ChangedBlock>& blocks, bool after)
{
    std::string text;
    for (const ChangedBlock& block : blocks)
        text += (text.empty() ? "" : "\n") + HexAddress(block.address) + ": " + (after ? block.after : block.before);
    return text;
}

std::string outsideLine(const ImageChange& change)
{
    std::string text = ChangeTitle(change);
    if (change.data == OutsideData::EmptyChannels)
        return text;
    for (std::size_t i = 0; i < change.blocks.size(); ++i) {
        const ChangedBlock& block = change.blocks[i];
        text += (i ? "; " : ": ") + HexAddress(block.address) + ": " + block.before + " -> " + block.after + " (" +
                offsetList(block.changedBytes, ", ") + ")";
    }
    return text;
}

} // namespace

std::string ChangeCountText(const std::vector<ImageChange>& changes, TranslateText tr)
{
    const auto count = std::count_if(changes.begin(), changes.end(), ChangesTheRadio);
    if (count == 0)
        return tr(kNoRadioChange);
    return count == 1 ? tr(kOneChange) : FillText(tr(kChanges), {std::to_string(count)});
}

std::string ChangeTitle(const ImageChange& change, TranslateText tr)
{
    switch (change.kind) {
    case ImageChange::Kind::Setting: return tr(change.field.c_str());
    case ImageChange::Kind::Channel: return FillText(tr(kChannelTitle), {std::to_string(change.channel)});
    case ImageChange::Kind::Outside: break;
    }
    switch (change.data) {
    case OutsideData::KillCodes: return tr(kKillCodes);
    case OutsideData::ChannelBytes: return FillText(tr(kChannelBytes), {channelRanges(change.channels)});
    case OutsideData::Other: return tr(kOther);
    case OutsideData::EmptyChannels: break;
    }
    return FillText(tr(change.channels.size() == 1 ? kEmptyChannel : kEmptyChannels), {channelRanges(change.channels)});
}

std::string ChangeSide(const ImageChange& change, bool after, TranslateText tr)
{
    switch (change.kind) {
    case ImageChange::Kind::Setting: {
        const std::string& text = after ? change.after : change.before;
        // A text from the file or the radio: a terminal must not act on it.
        return text.empty() ? tr(kEmpty) : ShownText(text);
    }
    case ImageChange::Kind::Channel: return channelLine(after ? change.afterCells : change.beforeCells, tr);
    case ImageChange::Kind::Outside: break;
    }
    return blocksSide(change.blocks, after);
}

std::string ChangesText(const std::vector<ImageChange>& changes)
{
    if (changes.empty())
        return {};
    std::string text = ChangeCountText(changes) + "\n";
    for (const ImageChange& change : changes) {
        if (change.kind == ImageChange::Kind::Outside)
            text += outsideLine(change) + "\n";
        else
            text += ChangeTitle(change) + ": " + ChangeSide(change, false) + " -> " + ChangeSide(change, true) + "\n";
    }
    return text;
}
