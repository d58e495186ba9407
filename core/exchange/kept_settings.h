#pragma once

#include "exchange/channel_settings.h"
#include "exchange/csv_row.h"

#include <string>

// A list without, say, a Busy column says nothing about busy lockout: the
// channels it fills keep what they had, rather than taking a new channel's
// value. Which of a channel's settings the file's columns give:
struct GivenSettings {
    bool rxTone = false;
    bool txTone = false;
    bool busy = false;
    bool highPower = false;
    bool narrow = false;
    bool scanAdd = false;
};

[[nodiscard]] GivenSettings SettingsGivenBy(const ColumnPositions& columns);

// The settings read from a row, with those its file does not give as kept has them.
[[nodiscard]] ChannelSettings WithUngivenKept(ChannelSettings read, const ChannelSettings& kept,
                                              const GivenSettings& given);

// The columns the kept settings are named by, "Tone, Busy"; empty when the
// file gives every setting.
[[nodiscard]] std::string UngivenColumnNames(const GivenSettings& given);
