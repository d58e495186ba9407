#pragma once

#include "form/form_controls.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Whole channel rows of the grid, moved, emptied and carried as text: the
// texts of columns 1 to 8 ("Rx Freq" to "Scan") of each channel, separated by
// tabs, one channel a line, as spreadsheets copy and paste cells.

// Channels first to last, both included, counted from 1.
struct ChannelSpan {
    long first = 1;
    long last = 1;
    long count() const { return last - first + 1; }
    bool operator==(const ChannelSpan&) const = default;
};

// The channels as text, each line ending in a newline; the channel numbers
// are left out, so that the rows can go to any place.
[[nodiscard]] std::string ChannelRowsText(const FormControls& form, ChannelSpan channels);

// A pasted frequency stored other than as typed.
struct PastedFrequencyChange {
    long channel = 0;
    bool transmit = false;   // the Tx Freq cell; else the Rx Freq cell
    std::string typed;
    std::string stored;
    bool operator==(const PastedFrequencyChange&) const = default;
};

// How a paste went, by channel.
struct PasteOutcome {
    long pasted = 0;                  // rows written, changed ones included
    std::vector<long> changed;        // a frequency was held to the band or lowered onto the raster
    std::vector<PastedFrequencyChange> frequencyChanges;   // each such frequency, as typed and as stored
    std::vector<long> refused;        // left as they were: a value the channel cannot hold
    long beyondLast = 0;              // lines that found no channel below the last one
    ChannelSpan written;              // the channels the lines went to (count 0: none)
};

// Puts the lines of text into the channels from channel first on, one line a
// channel, replacing what they held. Each row goes through the rules of
// typing: the frequencies are held to the band (bandLow, bandHigh in counts
// of 10 Hz) and brought onto the raster, tones and options must be ones the
// radio has. Accepted: tabs between cells, "\n" or "\r\n" after lines, the
// channel number as a first cell, a heading line, fewer cells than eight
// (the rest as a new channel has them). An empty line empties its channel.
PasteOutcome PasteChannelRows(FormControls& form, long first, std::string_view text, std::uint32_t bandLow,
                              std::uint32_t bandHigh);

// Moves the channels one place up (by -1) or down (by +1), the channel they
// pass taking their place. False, and nothing moved, at the table's edge.
[[nodiscard]] bool MoveChannels(FormControls& form, ChannelSpan channels, int by);

// Empties the channels; the others stay where they are.
void ClearChannels(FormControls& form, ChannelSpan channels);

// Removes the channels, moving the ones below up; the last rows become empty.
void DeleteChannels(FormControls& form, ChannelSpan channels);
