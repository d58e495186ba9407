#include "exchange/csv_row.h"

#include "codec/double_chars.h"
#include "codec/frequency.h"
#include "exchange/csv_tones.h"
#include "exchange/csv_values.h"
#include "exchange/program_cells.h"
#include "image/ui_text.h"

#include <charconv>
#include <limits>

namespace {

// The reports on one of a channel's two frequencies, each whole so that a
// translation can put the direction's name where its language wants it.
struct Direction {
    const char* outsideBand;
    const char* offRaster;
};

constexpr Direction kReceive = {
    HMPROG_TEXT("Receive frequency %1 MHz is outside this radio's band, %2."),
    HMPROG_TEXT("Receive frequency %1 MHz is off the 5 kHz and 6.25 kHz rasters and was lowered to %2 MHz."),
};
constexpr Direction kTransmit = {
    HMPROG_TEXT("Transmit frequency %1 MHz is outside this radio's band, %2."),
    HMPROG_TEXT("Transmit frequency %1 MHz is off the 5 kHz and 6.25 kHz rasters and was lowered to %2 MHz."),
};

// At this wattage and above a row is the radio's High level.
constexpr double kHighPowerWatts = 3.0;

class RowReader {
public:
    RowReader(const CsvRecord& record, const RowContext& context) : m_record(record), m_context(context) {}

    RowReading read()
    {
        readFrequencies();
        if (!m_out.problem && m_context.readLocation)
            readLocation();
        if (!m_out.problem)
            readTones();
        if (!m_out.problem)
            readFlags();
        return std::move(m_out);
    }

private:
    std::string_view field(CsvColumn column) const { return Trimmed(m_context.columns.field(m_record, column)); }

    void skip(const char* text, std::vector<std::string> args)
    {
        if (!m_out.problem)
            m_out.problem = ReportLine{m_record.line, ReportKind::Skipped, {text, std::move(args)}};
    }

    void changed(const char* text, std::vector<std::string> args)
    {
        m_out.changes.push_back({m_record.line, ReportKind::Changed, {text, std::move(args)}});
    }

    // --- frequencies ---

    // A count from a field in MHz; none (with the row skipped) when the field
    // is not a number or negative.
    std::optional<std::uint32_t> megahertz(CsvColumn column)
    {
        const std::string_view text = field(column);
        const std::optional<std::string> number = DecimalText(text, m_context.decimalComma);
        const std::string name(ColumnName(column));
        if (!number) {
            skip(HMPROG_TEXT("%1 %2 is not a number."), {name, QuotedValue(text)});
            return std::nullopt;
        }
        if (number->starts_with('-')) {
            skip(HMPROG_TEXT("%1 %2 is negative."), {name, QuotedValue(text)});
            return std::nullopt;
        }
        return ParseFrequency(*number);
    }

    void readFrequencies()
    {
        if (field(CsvColumn::Frequency).empty()) {
            skip(HMPROG_TEXT("The row has no Frequency."), {});
            return;
        }
        const std::optional<std::uint32_t> rx = megahertz(CsvColumn::Frequency);
        if (!rx)
            return;
        if (*rx == 0) {
            skip(HMPROG_TEXT("Frequency %1 is zero."), {QuotedValue(field(CsvColumn::Frequency))});
            return;
        }
        const std::optional<std::uint64_t> tx =
            m_context.columns.has(CsvColumn::TxFreq) ? transmitFromTxFreq() : transmitCount(*rx);
        if (!tx)
            return;
        m_out.settings.rxCount = inBandOnRaster(*rx, kReceive, field(CsvColumn::Frequency));
        if (*tx != 0 && !m_out.problem)
            m_out.settings.txCount = inBandOnRaster(*tx, kTransmit, m_txWritten);
    }

    // The program's own column names the transmit frequency itself; empty
    // is none, as in the grid.
    std::optional<std::uint64_t> transmitFromTxFreq()
    {
        m_txWritten = field(CsvColumn::TxFreq);
        return m_txWritten.empty() ? std::optional<std::uint32_t>(0) : megahertz(CsvColumn::TxFreq);
    }

    // The transmit count that Duplex and Offset give, 0 for none; wider than
    // 32 bits so that a sum past the largest count still lies above the band.
    std::optional<std::uint64_t> transmitCount(std::uint32_t rx)
    {
        const std::string duplex = UpperCase(field(CsvColumn::Duplex));
        if (duplex.empty())
            return rx;
        if (duplex == "OFF")
            return 0;
        if (duplex != "+" && duplex != "-" && duplex != "SPLIT") {
            skip(HMPROG_TEXT("Duplex %1 is not one of +, -, split and off."), {QuotedValue(field(CsvColumn::Duplex))});
            return std::nullopt;
        }
        if (field(CsvColumn::Offset).empty() && duplex == "SPLIT") {
            skip(HMPROG_TEXT("Duplex split needs the transmit frequency in Offset."), {});
            return std::nullopt;
        }
        const std::optional<std::uint32_t> offset =
            field(CsvColumn::Offset).empty() ? std::optional<std::uint32_t>(0) : megahertz(CsvColumn::Offset);
        if (!offset)
            return std::nullopt;
        if (duplex == "SPLIT") {
            if (*offset == 0)
                skip(HMPROG_TEXT("Duplex split needs the transmit frequency in Offset."), {});
            m_txWritten = field(CsvColumn::Offset);
            return *offset;
        }
        if (duplex == "+" && beyondCounts(*offset)) {
            skip(HMPROG_TEXT("Offset %1 MHz puts the transmit frequency outside this radio's band, %2."),
                 {std::string(field(CsvColumn::Offset)), std::string(m_context.bandText)});
            return std::nullopt;
        }
        if (duplex == "+")
            return std::uint64_t{rx} + *offset;
        if (*offset >= rx) {
            skip(HMPROG_TEXT("Frequency minus Offset leaves no transmit frequency."), {});
            return std::nullopt;
        }
        return rx - *offset;
    }

    // A number too large for a count reads as the largest count; shown as its
    // count it would be another number than the one written.
    static bool beyondCounts(std::uint64_t count) { return count == std::numeric_limits<std::uint32_t>::max(); }

    // Outside the band the row is skipped, not clamped: a clamped frequency
    // would be another channel. Off both rasters it is lowered onto one, as
    // the grid does with a typed frequency. written: the field the count was
    // read from as it is, if any, shown when the count cannot stand for it.
    std::uint32_t inBandOnRaster(std::uint64_t count, const Direction& which, std::string_view written)
    {
        if (count < m_context.bandLow || count > m_context.bandHigh) {
            skip(which.outsideBand,
                 {beyondCounts(count) && !written.empty() ? std::string(written) : MegahertzText(count),
                  std::string(m_context.bandText)});
            return 0;
        }
        const auto exact = static_cast<std::uint32_t>(count);
        if (IsOnRaster(exact))
            return exact;
        const std::uint32_t lowered = SnapToStep(exact);
        changed(which.offRaster, {MegahertzText(exact), MegahertzText(lowered)});
        return lowered;
    }

    // --- location ---

    void readLocation()
    {
        const std::string_view text = field(CsvColumn::Location);
        if (text.empty()) {
            skip(HMPROG_TEXT("The row has no Location."), {});
            return;
        }
        int location = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), location);
        if (error != std::errc() || end != text.data() + text.size()) {
            skip(HMPROG_TEXT("Location %1 is not a whole number."), {QuotedValue(text)});
            return;
        }
        if (location < 1 || location > RadioImage::kChannelCount) {
            skip(HMPROG_TEXT("Location %1 is not one of this radio's channels 1 to 16."), {QuotedValue(text)});
            return;
        }
        m_out.location = location;
    }

    // --- tones and flags ---

    void readTones()
    {
        readFormatTones();
        if (!m_out.problem)
            readToneCell(CsvColumn::Ctcss, {&m_out.settings.rxTone, &m_out.settings.txTone});
        if (!m_out.problem)
            readToneCell(CsvColumn::RxTone, {&m_out.settings.rxTone});
        if (!m_out.problem)
            readToneCell(CsvColumn::TxTone, {&m_out.settings.txTone});
    }

    void readToneCell(CsvColumn column, std::initializer_list<ToneCode*> into)
    {
        if (!m_context.columns.has(column))
            return;
        const std::optional<ToneCode> tone = ToneCell(field(column), m_context.decimalComma);
        if (!tone) {
            skip(HMPROG_TEXT("%1 %2 is not a tone of this radio."),
                 {std::string(ColumnName(column)), QuotedValue(field(column))});
            return;
        }
        for (ToneCode* target : into)
            *target = *tone;
    }

    void readFormatTones()
    {
        // Without a Tone column nothing says which value columns are meant.
        if (!m_context.columns.has(CsvColumn::Tone))
            return;
        ToneColumns columns;
        columns.tone = field(CsvColumn::Tone);
        columns.rToneFreq = field(CsvColumn::RToneFreq);
        columns.cToneFreq = field(CsvColumn::CToneFreq);
        columns.dtcsCode = field(CsvColumn::DtcsCode);
        columns.dtcsPolarity = field(CsvColumn::DtcsPolarity);
        columns.rxDtcsCode = field(CsvColumn::RxDtcsCode);
        columns.crossMode = field(CsvColumn::CrossMode);
        ToneReading reading =
            ReadToneColumns(columns, m_context.columns.has(CsvColumn::RxDtcsCode), m_context.decimalComma);
        if (reading.problem) {
            skip(reading.problem->pattern, std::move(reading.problem->args));
            return;
        }
        m_out.settings.rxTone = reading.tones.rxTone;
        m_out.settings.txTone = reading.tones.txTone;
    }

    void readFlags()
    {
        readMode();
        readPower();
        readSkip();
        readBusy();
        readProgramFlags();
    }

    // The program's own words for bandwidth and scan, over Mode and Skip.
    void readProgramFlags()
    {
        if (m_context.columns.has(CsvColumn::Bandwidth)) {
            const std::optional<bool> narrow = NarrowCell(field(CsvColumn::Bandwidth));
            if (narrow)
                m_out.settings.narrow = *narrow;
            else
                skip(HMPROG_TEXT("Bandwidth %1 is not Wide or Narrow."), {QuotedValue(field(CsvColumn::Bandwidth))});
        }
        if (m_context.columns.has(CsvColumn::Scan)) {
            const std::optional<bool> scanAdd = ScanAddCell(field(CsvColumn::Scan));
            if (scanAdd)
                m_out.settings.scanAdd = *scanAdd;
            else
                skip(HMPROG_TEXT("Scan %1 is not Add or Del."), {QuotedValue(field(CsvColumn::Scan))});
        }
    }

    void readMode()
    {
        const std::string mode = UpperCase(field(CsvColumn::Mode));
        if (mode.empty() || mode == "FM")
            m_out.settings.narrow = false;
        else if (mode == "NFM")
            m_out.settings.narrow = true;
        else
            skip(HMPROG_TEXT("Mode %1 is not FM or NFM, the only modes of this radio."), {QuotedValue(field(CsvColumn::Mode))});
    }

    void readPower()
    {
        const std::string_view text = field(CsvColumn::Power);
        const std::string level = UpperCase(text);
        if (level.empty() || level == "HIGH") {
            m_out.settings.highPower = true;
            return;
        }
        if (level == "LOW") {
            m_out.settings.highPower = false;
            return;
        }
        const std::string_view watts = Trimmed(level.ends_with('W') ? std::string_view(level).substr(0, level.size() - 1)
                                                                    : std::string_view(level));
        const std::optional<std::string> number = DecimalText(watts, m_context.decimalComma);
        double value = 0;
        if (!number || number->starts_with('-') ||
            DoubleFromChars(number->data(), number->data() + number->size(), value).ec != std::errc()) {
            skip(HMPROG_TEXT("Power %1 is neither a wattage nor High or Low."), {QuotedValue(text)});
            return;
        }
        m_out.settings.highPower = value >= kHighPowerWatts;
    }

    void readSkip()
    {
        const std::string skipText = UpperCase(field(CsvColumn::Skip));
        if (skipText.empty()) {
            m_out.settings.scanAdd = true;
        } else if (skipText == "S") {
            m_out.settings.scanAdd = false;
        } else if (skipText == "P") {
            m_out.settings.scanAdd = true;
            changed(HMPROG_TEXT("Skip P (priority scan) is not on this radio: the channel is scanned (Add)."), {});
        } else {
            skip(HMPROG_TEXT("Skip %1 is not S, P or empty."), {QuotedValue(field(CsvColumn::Skip))});
        }
    }

    void readBusy()
    {
        const std::string busy = UpperCase(field(CsvColumn::Busy));
        if (busy.empty() || busy == "OFF")
            m_out.settings.busy = BusyLockout::Off;
        else if (busy == "CARRIER")
            m_out.settings.busy = BusyLockout::Carrier;
        else if (busy == "QT/DQT")
            m_out.settings.busy = BusyLockout::QtDqt;
        else
            skip(HMPROG_TEXT("Busy %1 is not Off, Carrier or QT/DQT."), {QuotedValue(field(CsvColumn::Busy))});
    }

    const CsvRecord& m_record;
    const RowContext& m_context;
    std::string_view m_txWritten;   // the field the transmit frequency is written in whole, if one is
    RowReading m_out;
};

} // namespace

std::string_view ColumnPositions::field(const CsvRecord& record, CsvColumn column) const
{
    const int index = m_index[static_cast<std::size_t>(column)];
    if (index < 0 || static_cast<std::size_t>(index) >= record.fields.size())
        return {};
    return record.fields[static_cast<std::size_t>(index)];
}

RowReading ReadChannelRow(const CsvRecord& record, const RowContext& context)
{
    return RowReader(record, context).read();
}
