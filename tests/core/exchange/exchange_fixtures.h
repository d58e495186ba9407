#pragma once

#include "codec/tone.h"
#include "exchange/channel_csv.h"
#include "exchange/channel_settings.h"
#include "image/image_layout.h"

#include <string>
#include <vector>

// The File New image of one model.
inline RadioImage NewImage(const char* modelText = "HM-615V")
{
    RadioImage image;
    image.ResetToDefaults();
    image.setByte(layout::kModel, ModelByText(modelText)->modelByte);
    return image;
}

inline ToneCode Tone(const char* text)
{
    return ParseTone(text, {});
}

inline ChannelSettings Simplex(std::uint32_t count)
{
    ChannelSettings settings;
    settings.rxCount = count;
    settings.txCount = count;
    return settings;
}

// The report as "line: text" strings, for comparing whole reports.
inline std::vector<std::string> ReportTexts(const ImportResult& result)
{
    std::vector<std::string> texts;
    for (const ReportLine& line : result.report)
        texts.push_back(std::to_string(line.line) + ": " + FilledText(line));
    return texts;
}

inline constexpr const char* kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";
