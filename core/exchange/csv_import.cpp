#include "exchange/channel_csv.h"

#include "codec/frequency.h"
#include "exchange/csv_columns.h"
#include "exchange/csv_records.h"
#include "exchange/csv_row.h"
#include "exchange/csv_values.h"
#include "exchange/kept_settings.h"
#include "exchange/text_encoding.h"
#include "image/image_layout.h"
#include "image/shown_text.h"
#include "image/ui_text.h"

#include <algorithm>
#include <set>

namespace {

// Far beyond any channel list; a bigger file is something else.
constexpr std::size_t kLargestFile = 16 * 1024 * 1024;

constexpr CsvColumn kToneValueColumns[] = {
    CsvColumn::RToneFreq, CsvColumn::CToneFreq, CsvColumn::DtcsCode,
    CsvColumn::DtcsPolarity, CsvColumn::RxDtcsCode, CsvColumn::CrossMode,
};

// The model the form would show for the base image: one it does not know
// shows as the first.
const RadioModel& modelOf(const RadioImage& base, const ImportOptions& options)
{
    if (options.model != nullptr)
        return *options.model;
    const RadioModel* model = ModelByByte(base.byte(layout::kModel));
    return model != nullptr ? *model : RadioModels().front();
}

class CsvImport {
public:
    CsvImport(std::string_view bytes, const RadioImage& base, const ImportOptions& options)
        : m_bytes(bytes), m_base(base), m_options(options), m_model(modelOf(base, options))
    {
        m_result.image = base;
    }

    ImportResult run()
    {
        if (m_bytes.size() > kLargestFile)
            return failed(HMPROG_TEXT("The file is too large to be a channel list."));
        const DecodedText decoded = DecodeChannelListText(m_bytes);
        if (decoded.fromWindows1252)
            note(0, HMPROG_TEXT("The file is not UTF-8 text; it was read as Windows-1252."));
        const char separator = DetectSeparator(decoded.text);
        const CsvRecords records = ReadCsvRecords(decoded.text, separator);
        if (records.unclosedQuoteLine != 0)
            note(records.unclosedQuoteLine, HMPROG_TEXT("A quoted field that begins here is never closed."));

        auto row = std::find_if(records.records.begin(), records.records.end(), isDataRecord);
        if (row == records.records.end() || !readHeader(*row))
            return failed(kNoFrequencyColumn);
        std::vector<const CsvRecord*> rows;
        for (++row; row != records.records.end(); ++row) {
            if (isDataRecord(*row))
                rows.push_back(&*row);
        }
        loadRows(rows, separator == ';');
        finish();
        return std::move(m_result);
    }

private:
    static bool isDataRecord(const CsvRecord& record) { return !IsBlankRecord(record) && !IsCommentRecord(record); }

    ImportResult failed(const char* text)
    {
        m_result.status = ImportStatus::Failed;
        m_result.report.clear();
        m_result.report.push_back({0, ReportKind::Failure, {text, {}}});
        return std::move(m_result);
    }

    void note(int line, const char* text, std::vector<std::string> args = {})
    {
        m_result.report.push_back({line, ReportKind::Note, {text, std::move(args)}});
    }

    // Finds the columns by name; the first of two same-named columns counts.
    bool readHeader(const CsvRecord& header)
    {
        std::string unknown;
        for (std::size_t i = 0; i < header.fields.size(); ++i) {
            const std::optional<CsvColumn> column = ColumnNamed(header.fields[i]);
            if (column && !m_columns.has(*column)) {
                m_columns.set(*column, static_cast<int>(i));
            } else if (!column && !Trimmed(header.fields[i]).empty()) {
                unknown += (unknown.empty() ? "" : ", ") + QuotedValue(header.fields[i]);
            }
        }
        if (!m_columns.has(CsvColumn::Frequency))
            return false;
        if (!unknown.empty())
            note(header.line, HMPROG_TEXT("These columns are not read: %1."), {unknown});
        m_given = SettingsGivenBy(m_columns);
        return true;
    }

    bool everyLocationEmpty(const std::vector<const CsvRecord*>& rows) const
    {
        return std::all_of(rows.begin(), rows.end(), [this](const CsvRecord* row) {
            return Trimmed(m_columns.field(*row, CsvColumn::Location)).empty();
        });
    }

    void loadRows(const std::vector<const CsvRecord*>& rows, bool decimalComma)
    {
        const bool hasLocations = m_columns.has(CsvColumn::Location) && !everyLocationEmpty(rows);
        if (!hasLocations && !rows.empty() && !m_options.renumber)
            note(0, HMPROG_TEXT("The file gives no Locations: its rows go into channels 1, 2 ... in file order."));
        m_renumber = m_options.renumber || !hasLocations;

        const std::string bandText(m_model.bandText);
        const RowContext context{m_columns,
                                 static_cast<std::uint32_t>(m_model.bandLowMHz) * kCountsPerMHz,
                                 static_cast<std::uint32_t>(m_model.bandHighMHz) * kCountsPerMHz,
                                 bandText,
                                 decimalComma,
                                 !m_renumber};
        std::set<int> chosen;
        if (m_options.chosenLines)
            chosen.insert(m_options.chosenLines->begin(), m_options.chosenLines->end());

        for (const CsvRecord* row : rows) {
            m_result.rows.push_back({row->line, ShownText(Trimmed(m_columns.field(*row, CsvColumn::Frequency)))});
            if (m_options.chosenLines && !chosen.contains(row->line))
                continue;
            lookForUnusedColumns(*row);
            loadRow(*row, ReadChannelRow(*row, context));
        }
        if (m_rowsWithoutTone != 0)
            note(m_rowsWithoutTone, HMPROG_TEXT("The file has tone values but no Tone column to say which are meant, so no tones were taken."));
        if (m_rowWithName != 0)
            note(m_rowWithName, HMPROG_TEXT("Names and comments are not stored by this radio."));
    }

    void lookForUnusedColumns(const CsvRecord& row)
    {
        const auto given = [&](CsvColumn column) { return !Trimmed(m_columns.field(row, column)).empty(); };
        if (m_rowWithName == 0 && (given(CsvColumn::Name) || given(CsvColumn::Comment)))
            m_rowWithName = row.line;
        if (m_rowsWithoutTone == 0 && !m_columns.has(CsvColumn::Tone) &&
            std::any_of(std::begin(kToneValueColumns), std::end(kToneValueColumns), given))
            m_rowsWithoutTone = row.line;
    }

    void loadRow(const CsvRecord& row, RowReading reading)
    {
        ImportRow& listed = m_result.rows.back();
        if (reading.problem) {
            m_result.report.push_back(std::move(*reading.problem));
            ++m_skipped;
            return;
        }
        listed.usable = true;
        const int channel = channelFor(row, reading.location);
        if (channel == 0)
            return;
        listed.channel = channel;
        m_lineOfChannel[static_cast<std::size_t>(channel - 1)] = row.line;
        m_result.report.insert(m_result.report.end(), reading.changes.begin(), reading.changes.end());
        StoreChannelSettings(keptWhereUngiven(reading.settings, channel), m_result.image.channel(channel));
        ++m_loaded;
    }

    // A channel the base uses keeps the settings the file has no column for.
    ChannelSettings keptWhereUngiven(const ChannelSettings& read, int channel)
    {
        const auto before = m_base.channel(channel);
        if (!IsChannelInUse(before))
            return read;
        m_keptAny = true;
        return WithUngivenKept(read, ReadChannelSettings(before), m_given);
    }

    // The channel a usable row goes to, or 0 (reported) when there is none.
    int channelFor(const CsvRecord& row, int location)
    {
        if (m_renumber) {
            if (m_nextChannel > RadioImage::kChannelCount) {
                skipped(row.line, HMPROG_TEXT("All 16 channels are already filled by earlier rows."), {});
                return 0;
            }
            return m_nextChannel++;
        }
        const int takenBy = m_lineOfChannel[static_cast<std::size_t>(location - 1)];
        if (takenBy != 0) {
            skipped(row.line, HMPROG_TEXT("Location %1 is already taken by line %2."),
                    {std::to_string(location), std::to_string(takenBy)});
            return 0;
        }
        return location;
    }

    void skipped(int line, const char* text, std::vector<std::string> args)
    {
        m_result.report.push_back({line, ReportKind::Skipped, {text, std::move(args)}});
        ++m_skipped;
    }

    void finish()
    {
        for (int n = 1; n <= RadioImage::kChannelCount; ++n) {
            const auto now = m_result.image.channel(n);
            const auto before = m_base.channel(n);
            m_result.changed[static_cast<std::size_t>(n - 1)] = !std::equal(now.begin(), now.end(), before.begin());
        }
        if (m_result.rows.empty())
            note(0, HMPROG_TEXT("The file holds no channel rows."));
        if (const std::string kept = UngivenColumnNames(m_given); m_keptAny && !kept.empty())
            note(0, HMPROG_TEXT("Columns the file lacks, kept as each channel had them: %1."), {kept});
        if (m_loaded == 0)
            m_result.status = ImportStatus::NothingLoaded;
        else
            m_result.status = m_skipped == 0 ? ImportStatus::AllLoaded : ImportStatus::SomeSkipped;
        std::stable_sort(m_result.report.begin(), m_result.report.end(),
                         [](const ReportLine& a, const ReportLine& b) { return a.line < b.line; });
    }

    std::string_view m_bytes;
    const RadioImage& m_base;
    const ImportOptions& m_options;
    const RadioModel& m_model;
    ImportResult m_result;
    ColumnPositions m_columns;
    GivenSettings m_given;
    bool m_keptAny = false;   // a row went into a channel the base uses
    bool m_renumber = false;
    int m_nextChannel = 1;
    std::array<int, RadioImage::kChannelCount> m_lineOfChannel{};
    int m_loaded = 0;
    int m_skipped = 0;
    int m_rowWithName = 0;
    int m_rowsWithoutTone = 0;
};

} // namespace

ImportResult ImportChannelsCsv(std::string_view bytes, const RadioImage& base, const ImportOptions& options)
{
    return CsvImport(bytes, base, options).run();
}
