#include "exchange/csv_tones.h"

#include "exchange/csv_records.h"
#include "exchange/csv_values.h"
#include "image/ui_text.h"

#include <algorithm>

namespace {

constexpr const char* kFillerTone = "88.5";
constexpr const char* kFillerCode = "023";

enum class ToneKind { None, Ctcss, Dcs };

ToneKind kindOf(ToneCode code)
{
    if (code.high == 0xFF)
        return ToneKind::None;
    return code.high >= 0x80 ? ToneKind::Dcs : ToneKind::Ctcss;
}

// "D023N" gives "023"; the polarity letter is the format's: N normal, R
// reversed (the radio's "I").
std::string dcsDigits(ToneCode code)
{
    return FormatTone(code).substr(1, 3);
}

char polarityLetter(ToneCode code)
{
    return kindOf(code) == ToneKind::Dcs && code.high >= 0xC0 ? 'R' : 'N';
}

std::string_view kindName(ToneKind kind)
{
    switch (kind) {
    case ToneKind::Ctcss:
        return "Tone";
    case ToneKind::Dcs:
        return "DTCS";
    case ToneKind::None:
        break;
    }
    return "";
}

std::string toneMode(ToneCode rxTone, ToneCode txTone)
{
    const ToneKind rx = kindOf(rxTone);
    const ToneKind tx = kindOf(txTone);
    if (rx == ToneKind::None && tx == ToneKind::None)
        return "";
    if (rx == ToneKind::None && tx == ToneKind::Ctcss)
        return "Tone";
    if (rx == ToneKind::Ctcss && rxTone == txTone)
        return "TSQL";
    if (rx == ToneKind::Dcs && rxTone == txTone)
        return "DTCS";
    return "Cross";
}

// --- reading ---

struct ToneListEntries {
    std::vector<std::string> ctcss;
    std::vector<std::string> dcs;   // "D023N" ... and "D023I" ...
};

const ToneListEntries& toneList()
{
    static const ToneListEntries entries = [] {
        std::vector<std::string> list;
        BuildToneList(list);
        ToneListEntries e;
        for (const std::string& text : list) {
            if (text.starts_with('D'))
                e.dcs.push_back(text);
            else if (text != "Off")
                e.ctcss.push_back(text);
        }
        return e;
    }();
    return entries;
}

class ToneColumnReader {
public:
    ToneColumnReader(const ToneColumns& columns, bool hasRxDtcsCode, bool decimalComma)
        : m_columns(columns), m_hasRxDtcsCode(hasRxDtcsCode), m_decimalComma(decimalComma)
    {
    }

    ToneReading read()
    {
        const std::string mode = UpperCase(Trimmed(m_columns.tone));
        if (mode.empty())
            return result();
        if (mode == "TONE")
            m_out.tones.txTone = ctcss(m_columns.rToneFreq, "rToneFreq");
        else if (mode == "TSQL")
            m_out.tones.rxTone = m_out.tones.txTone = ctcss(m_columns.cToneFreq, "cToneFreq");
        else if (mode == "DTCS")
            readDtcs();
        else if (mode == "CROSS")
            readCross();
        else if (mode == "TSQL-R" || mode == "DTCS-R")
            fail(HMPROG_TEXT("Tone %1 is reverse squelch, which this radio does not have."), {QuotedValue(m_columns.tone)});
        else
            fail(HMPROG_TEXT("Tone %1 is not one of TSQL, Tone, DTCS and Cross."), {QuotedValue(m_columns.tone)});
        return result();
    }

private:
    void readDtcs()
    {
        if (!readPolarity())
            return;
        m_out.tones.txTone = dcs(m_columns.dtcsCode, "DtcsCode", m_txPolarity);
        m_out.tones.rxTone = dcs(m_columns.dtcsCode, "DtcsCode", m_rxPolarity);
    }

    void readCross()
    {
        const std::string crossMode = UpperCase(Trimmed(m_columns.crossMode));
        const std::string_view mode = crossMode.empty() ? std::string_view("TONE->TONE") : crossMode;
        const std::size_t arrow = mode.find("->");
        const std::string_view tx = arrow == std::string_view::npos ? "?" : mode.substr(0, arrow);
        const std::string_view rx = arrow == std::string_view::npos ? "?" : mode.substr(arrow + 2);
        if (!isSide(tx) || !isSide(rx) || (tx.empty() && rx.empty())) {
            fail(HMPROG_TEXT("CrossMode %1 is not one this radio can use."), {QuotedValue(m_columns.crossMode)});
            return;
        }
        if ((tx == "DTCS" || rx == "DTCS") && !readPolarity())
            return;
        if (tx == "TONE")
            m_out.tones.txTone = ctcss(m_columns.rToneFreq, "rToneFreq");
        else if (tx == "DTCS")
            m_out.tones.txTone = dcs(m_columns.dtcsCode, "DtcsCode", m_txPolarity);
        if (rx == "TONE")
            m_out.tones.rxTone = ctcss(m_columns.cToneFreq, "cToneFreq");
        else if (rx == "DTCS")
            m_out.tones.rxTone = m_hasRxDtcsCode ? dcs(m_columns.rxDtcsCode, "RxDtcsCode", m_rxPolarity)
                                                 : dcs(m_columns.dtcsCode, "DtcsCode", m_rxPolarity);
    }

    static bool isSide(std::string_view side)
    {
        return side.empty() || side == "TONE" || side == "DTCS";
    }

    bool readPolarity()
    {
        const std::string polarity = UpperCase(Trimmed(m_columns.dtcsPolarity));
        if (polarity.empty())
            return true;
        const auto isLetter = [](char c) { return c == 'N' || c == 'R'; };
        if (polarity.size() != 2 || !std::all_of(polarity.begin(), polarity.end(), isLetter)) {
            fail(HMPROG_TEXT("DtcsPolarity %1 is not one of NN, NR, RN and RR."), {QuotedValue(m_columns.dtcsPolarity)});
            return false;
        }
        m_txPolarity = polarity[0] == 'R' ? 'I' : 'N';
        m_rxPolarity = polarity[1] == 'R' ? 'I' : 'N';
        return true;
    }

    ToneCode ctcss(const std::string& field, std::string_view column)
    {
        const std::optional<std::string> number = DecimalText(field, m_decimalComma);
        if (number) {
            for (const std::string& tone : toneList().ctcss) {
                if (SameDecimal(*number, tone))
                    return ParseTone(tone, {});
            }
        }
        fail(HMPROG_TEXT("%1 %2 is not a CTCSS tone of this radio."), {std::string(column), QuotedValue(field)});
        return {};
    }

    ToneCode dcs(const std::string& field, std::string_view column, char polarity)
    {
        const std::string_view digits = Trimmed(field);
        const bool allDigits = !digits.empty() && digits.size() <= 3 &&
                               std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (allDigits) {
            std::string text = "D";
            text.append(3 - digits.size(), '0');
            text += digits;
            text += polarity;
            const auto& codes = toneList().dcs;
            if (std::find(codes.begin(), codes.end(), text) != codes.end())
                return ParseTone(text, {});
        }
        fail(HMPROG_TEXT("%1 %2 is not a DCS code of this radio."), {std::string(column), QuotedValue(field)});
        return {};
    }

    void fail(const char* text, std::vector<std::string> args)
    {
        if (!m_out.problem)
            m_out.problem = UiText{text, std::move(args)};
    }

    ToneReading result() { return std::move(m_out); }

    const ToneColumns& m_columns;
    bool m_hasRxDtcsCode;
    bool m_decimalComma;
    char m_txPolarity = 'N';
    char m_rxPolarity = 'N';
    ToneReading m_out;
};

} // namespace

ToneColumns ToneColumnsOf(ToneCode rxTone, ToneCode txTone)
{
    const ToneKind rx = kindOf(rxTone);
    const ToneKind tx = kindOf(txTone);
    ToneColumns columns;
    columns.tone = toneMode(rxTone, txTone);
    columns.rToneFreq = tx == ToneKind::Ctcss ? FormatTone(txTone) : kFillerTone;
    columns.cToneFreq = rx == ToneKind::Ctcss ? FormatTone(rxTone) : kFillerTone;
    columns.dtcsCode = tx == ToneKind::Dcs ? dcsDigits(txTone) : kFillerCode;
    columns.rxDtcsCode = rx == ToneKind::Dcs ? dcsDigits(rxTone) : kFillerCode;
    columns.dtcsPolarity = {polarityLetter(txTone), polarityLetter(rxTone)};
    columns.crossMode = columns.tone == "Cross" ? std::string(kindName(tx)) + "->" + std::string(kindName(rx))
                                                : "Tone->Tone";
    return columns;
}

ToneReading ReadToneColumns(const ToneColumns& columns, bool hasRxDtcsCode, bool decimalComma)
{
    return ToneColumnReader(columns, hasRxDtcsCode, decimalComma).read();
}
