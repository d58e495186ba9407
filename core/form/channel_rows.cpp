#include "form/channel_rows.h"

#include "form/cell_commit.h"
#include "form/channel_row.h"
#include "form/form_actions.h"
#include "form/form_contents.h"

#include <algorithm>

namespace {

using Fields = std::vector<std::string>;

// The largest channel number a grid holds; a first cell that is one is the
// channel number column, never a frequency (no band starts that low).
constexpr long kLastChannelNumber = 16;

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The option texts are ASCII: "low" is "Low".
bool sameLetters(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// A spreadsheet quotes a cell holding a tab, a newline or a quote, and may
// pad cells with spaces.
std::string cleanCell(std::string_view cell)
{
    const std::size_t begin = cell.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return std::string();
    cell = cell.substr(begin, cell.find_last_not_of(' ') - begin + 1);
    if (cell.size() < 2 || cell.front() != '"' || cell.back() != '"')
        return std::string(cell);
    std::string unquoted;
    for (std::size_t i = 1; i + 1 < cell.size(); ++i) {
        unquoted += cell[i];
        if (cell[i] == '"' && cell[i + 1] == '"')
            ++i;
    }
    return unquoted;
}

Fields splitCells(std::string_view line)
{
    Fields cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        const std::size_t length = tab == std::string_view::npos ? std::string_view::npos : tab - start;
        cells.push_back(cleanCell(line.substr(start, length)));
        if (tab == std::string_view::npos)
            return cells;
        start = tab + 1;
    }
}

// Lines end in "\n" or "\r\n"; the newline after the last line is optional.
std::vector<Fields> splitLines(std::string_view text)
{
    std::vector<Fields> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line.empty() ? Fields() : splitCells(line));
        start = end + 1;
    }
    return lines;
}

bool isChannelNumber(const std::string& cell)
{
    const bool digits = std::all_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (cell.empty() || cell.size() > 2 || !digits)
        return false;
    const long number = std::stol(cell);
    return number >= 1 && number <= kLastChannelNumber;
}

void dropChannelNumber(Fields& cells)
{
    const bool numbered = cells.size() > kGridCols - 1 || (cells.size() >= 2 && isChannelNumber(cells.front()));
    if (numbered)
        cells.erase(cells.begin());
}

bool isHeading(const Fields& cells)
{
    const std::vector<std::string>& headings = GridHeadings();
    return !cells.empty() && (cells.front() == headings[kColNumber] || cells.front() == headings[kColRxFreq]);
}

enum class RowFit { Exact, Changed, Refused };

struct FittedRow {
    ChannelCells cells;
    RowFit fit = RowFit::Exact;
    std::vector<PastedFrequencyChange> changes;   // channel not yet filled in
};

class RowFitter {
public:
    RowFitter(const Fields& cells, std::uint32_t bandLow, std::uint32_t bandHigh)
        : m_in(cells), m_low(bandLow), m_high(bandHigh)
    {
    }

    FittedRow fit()
    {
        // A copied channel not in use empties the channel it goes to.
        if (std::all_of(m_in.begin(), m_in.end(), [](const std::string& text) { return text.empty(); }))
            return m_out;
        const std::optional<std::string> rx = frequency(cell(kCellRxFreq), false);
        if (!rx || rx->empty())
            return refused();
        m_out.cells = NewChannelCells(*rx);
        if (m_in.size() > kCellTxFreq) {
            const std::string& typed = cell(kCellTxFreq);
            const std::optional<std::string> tx = typed.empty() ? std::string() : frequency(typed, true);
            if (!tx || (!typed.empty() && tx->empty()))
                return refused();
            m_out.cells[kCellTxFreq] = *tx;
        }
        for (std::size_t k : {kCellRxTone, kCellTxTone}) {
            if (cell(k).empty())
                continue;
            const std::optional<std::string> tone = StorableToneText(cell(k));
            if (!tone)
                return refused();
            m_out.cells[k] = *tone;
        }
        for (std::size_t k = kCellBusy; k <= kCellScan; ++k) {
            if (cell(k).empty())
                continue;
            const std::vector<std::string> items = CellOptionItems(static_cast<long>(k) + 1);
            const auto item = std::find_if(items.begin(), items.end(),
                                           [&](const std::string& known) { return sameLetters(known, cell(k)); });
            if (item == items.end())
                return refused();
            m_out.cells[k] = *item;
        }
        return m_out;
    }

private:
    const std::string& cell(std::size_t k) const { return k < m_in.size() ? m_in[k] : m_none; }

    // The text a typed frequency is stored as; nothing for text that is no
    // frequency at all.
    std::optional<std::string> frequency(const std::string& typed, bool transmit)
    {
        const CommittedFrequency committed = CommitFrequency(typed, m_low, m_high);
        if (committed.text.empty())
            return std::nullopt;
        if (committed.correction != FrequencyCorrection::None) {
            m_out.fit = RowFit::Changed;
            m_out.changes.push_back({0, transmit, typed, committed.text});
        }
        return committed.text;
    }

    FittedRow refused()
    {
        m_out.fit = RowFit::Refused;
        return m_out;
    }

    const Fields& m_in;
    std::uint32_t m_low;
    std::uint32_t m_high;
    const std::string m_none;
    FittedRow m_out;
};

ChannelCells rowCells(const FormControls& form, long row)
{
    ChannelCells cells;
    for (std::size_t k = 0; k < cells.size(); ++k)
        cells[k] = form.GetTextMatrix(row, static_cast<long>(k) + 1);
    return cells;
}

void writeRow(FormControls& form, long row, const ChannelCells& cells)
{
    for (std::size_t k = 0; k < cells.size(); ++k)
        form.SetTextMatrix(row, static_cast<long>(k) + 1, cells[k]);
}

} // namespace

std::string ChannelRowsText(const FormControls& form, ChannelSpan channels)
{
    std::string text;
    for (long row = channels.first; row <= channels.last && row < form.GetRows(); ++row) {
        const ChannelCells cells = rowCells(form, row);
        for (std::size_t k = 0; k < cells.size(); ++k) {
            if (k > 0)
                text += '\t';
            text += cells[k];
        }
        text += '\n';
    }
    return text;
}

PasteOutcome PasteChannelRows(FormControls& form, long first, std::string_view text, std::uint32_t bandLow,
                              std::uint32_t bandHigh)
{
    PasteOutcome outcome;
    outcome.written = {first, first - 1};
    long row = first;
    for (Fields& cells : splitLines(text)) {
        dropChannelNumber(cells);
        if (isHeading(cells))
            continue;
        if (row >= form.GetRows()) {
            ++outcome.beyondLast;
            continue;
        }
        const FittedRow fitted = RowFitter(cells, bandLow, bandHigh).fit();
        outcome.written.last = row;
        if (fitted.fit == RowFit::Refused) {
            outcome.refused.push_back(row++);
            continue;
        }
        if (fitted.fit == RowFit::Changed)
            outcome.changed.push_back(row);
        for (PastedFrequencyChange change : fitted.changes) {
            change.channel = row;
            outcome.frequencyChanges.push_back(std::move(change));
        }
        writeRow(form, row++, fitted.cells);
        ++outcome.pasted;
    }
    return outcome;
}

bool MoveChannels(FormControls& form, ChannelSpan channels, int by)
{
    const long lastRow = form.GetRows() - 1;
    if (channels.first < 1 || channels.last > lastRow || channels.first > channels.last)
        return false;
    if (by < 0) {
        if (channels.first <= 1)
            return false;
        const ChannelCells passed = rowCells(form, channels.first - 1);
        for (long row = channels.first; row <= channels.last; ++row)
            writeRow(form, row - 1, rowCells(form, row));
        writeRow(form, channels.last, passed);
        return true;
    }
    if (by > 0) {
        if (channels.last >= lastRow)
            return false;
        const ChannelCells passed = rowCells(form, channels.last + 1);
        for (long row = channels.last; row >= channels.first; --row)
            writeRow(form, row + 1, rowCells(form, row));
        writeRow(form, channels.first, passed);
        return true;
    }
    return false;
}

void ClearChannels(FormControls& form, ChannelSpan channels)
{
    for (long row = std::max(channels.first, 1L); row <= channels.last && row < form.GetRows(); ++row)
        ClearChannelRow(form, row);
}

void DeleteChannels(FormControls& form, ChannelSpan channels)
{
    for (long n = 0; n < channels.count(); ++n)
        DeleteChannelAt(form, channels.first);
}
