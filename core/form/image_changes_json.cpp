// The list of what differs between two images, for scripts.

#include "form/form_contents.h"
#include "form/image_changes.h"

#include <algorithm>
#include <cstdio>

namespace {

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

// A channel's columns by heading; null for a channel not in use.
std::string cellsObject(const std::vector<std::string>& cells)
{
    if (std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); }))
        return "null";
    std::string out = "{";
    for (std::size_t i = 0; i < cells.size(); ++i)
        out += (i ? ", " : "") + jsonString(GridHeadings()[i + kColRxFreq]) + ": " + jsonString(cells[i]);
    return out + "}";
}

std::string blocksArray(const std::vector<ChangedBlock>& blocks)
{
    std::string out = "[";
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const ChangedBlock& block = blocks[i];
        out += (i ? ", " : "") + std::string("{\"address\": ") + jsonString(HexAddress(block.address)) + ", \"bytes\": [";
        for (std::size_t b = 0; b < block.changedBytes.size(); ++b)
            out += (b ? ", " : "") + jsonString(HexAddress(block.changedBytes[b]));
        out += "], \"before\": " + jsonString(block.before) + ", \"after\": " + jsonString(block.after) + "}";
    }
    return out + "]";
}

std::string outsideObject(const ImageChange& change)
{
    static const char* const kHolds[] = {"kill codes", "channel bytes", "other", "empty channels"};
    static const char* const kRadioUses[] = {"true", "\"maybe\"", "\"maybe\"", "false"};
    const auto data = static_cast<std::size_t>(change.data);
    std::string channels = "[";
    for (std::size_t i = 0; i < change.channels.size(); ++i)
        channels += (i ? ", " : "") + std::to_string(change.channels[i]);
    return std::string("{\"kind\": \"outside\", \"holds\": ") + jsonString(kHolds[data]) +
           ", \"radio_uses\": " + kRadioUses[data] + ", \"channels\": " + channels +
           "], \"blocks\": " + blocksArray(change.blocks) + "}";
}

std::string jsonObject(const ImageChange& change)
{
    switch (change.kind) {
    case ImageChange::Kind::Setting:
        return "{\"kind\": \"setting\", \"field\": " + jsonString(change.field) + ", \"before\": " +
               jsonString(change.before) + ", \"after\": " + jsonString(change.after) + "}";
    case ImageChange::Kind::Channel:
        return "{\"kind\": \"channel\", \"channel\": " + std::to_string(change.channel) +
               ", \"before\": " + cellsObject(change.beforeCells) + ", \"after\": " + cellsObject(change.afterCells) + "}";
    case ImageChange::Kind::Outside: break;
    }
    return outsideObject(change);
}

} // namespace

std::string ChangesJson(const std::vector<ImageChange>& changes)
{
    std::string text = "[";
    for (std::size_t i = 0; i < changes.size(); ++i)
        text += (i ? ",\n  " : "\n  ") + jsonObject(changes[i]);
    return text + (changes.empty() ? "]\n" : "\n]\n");
}
