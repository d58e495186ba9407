#pragma once

#include "codec/tone.h"
#include "image/ui_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The format keeps a channel's squelch tones in seven columns: Tone says
// which kind is used, CrossMode which kinds on a cross-tone channel, and the
// other five hold the values: rToneFreq the transmit CTCSS tone, cToneFreq the
// receive one, DtcsCode the transmit DCS code, RxDtcsCode the receive one,
// DtcsPolarity both codes' polarities, transmit first.
struct ToneColumns {
    std::string tone;
    std::string rToneFreq;
    std::string cToneFreq;
    std::string dtcsCode;
    std::string dtcsPolarity;
    std::string rxDtcsCode;
    std::string crossMode;
};

// The columns for a channel's tones. Unused value columns hold valid filler
// (88.5, 023, N), since readers reject a row with an empty one.
[[nodiscard]] ToneColumns ToneColumnsOf(ToneCode rxTone, ToneCode txTone);

struct ChannelTones {
    ToneCode rxTone;
    ToneCode txTone;
};

// The outcome of reading a row's tone columns: the tones, or why the row
// cannot be used.
struct ToneReading {
    ChannelTones tones;
    std::optional<UiText> problem;
};

// Reads only the value columns that Tone and CrossMode select. An absent
// RxDtcsCode column gives the receive code from DtcsCode, as files written
// before it existed meant; an absent or empty CrossMode is Tone->Tone.
// decimalComma: a ',' in a tone is its decimal mark.
[[nodiscard]] ToneReading ReadToneColumns(const ToneColumns& columns, bool hasRxDtcsCode, bool decimalComma);
