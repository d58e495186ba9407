#include "exchange/csv_records.h"

#include <algorithm>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// The length of the line break at i: 2 for CRLF, 1 for a lone CR or LF.
std::size_t lineBreakLength(std::string_view text, std::size_t i)
{
    return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

bool allSpaces(const std::string& field)
{
    return std::all_of(field.begin(), field.end(), isSpace);
}

class RecordReader {
public:
    RecordReader(std::string_view text, char separator) : m_text(text), m_separator(separator) {}

    CsvRecords read()
    {
        startRecord();
        for (std::size_t i = 0; i < m_text.size();)
            i = m_inQuotes ? quotedChar(i) : plainChar(i);
        if (m_inQuotes)
            m_out.unclosedQuoteLine = m_record.line;
        if (m_recordStarted)
            endRecord();
        return std::move(m_out);
    }

private:
    std::size_t quotedChar(std::size_t i)
    {
        const char c = m_text[i];
        if (c == '"') {
            if (i + 1 < m_text.size() && m_text[i + 1] == '"') {
                m_field += '"';
                return i + 2;
            }
            m_inQuotes = false;
            return i + 1;
        }
        if (isLineBreak(c)) {
            const std::size_t length = lineBreakLength(m_text, i);
            m_field.append(m_text.substr(i, length));
            ++m_line;
            return i + length;
        }
        m_field += c;
        return i + 1;
    }

    std::size_t plainChar(std::size_t i)
    {
        const char c = m_text[i];
        if (isLineBreak(c)) {
            endRecord();
            ++m_line;
            startRecord();
            return i + lineBreakLength(m_text, i);
        }
        m_recordStarted = true;
        if (c == m_separator) {
            endField();
        } else if (c == '"' && !m_fieldWasQuoted && allSpaces(m_field)) {
            m_field.clear();
            m_inQuotes = true;
            m_fieldWasQuoted = true;
        } else {
            m_field += c;
        }
        return i + 1;
    }

    void startRecord()
    {
        m_record = CsvRecord{m_line, {}};
        m_field.clear();
        m_fieldWasQuoted = false;
        m_recordStarted = false;
    }

    void endField()
    {
        m_record.fields.push_back(std::move(m_field));
        m_field.clear();
        m_fieldWasQuoted = false;
    }

    void endRecord()
    {
        endField();
        m_out.records.push_back(std::move(m_record));
    }

    std::string_view m_text;
    char m_separator;
    CsvRecords m_out;
    CsvRecord m_record;
    std::string m_field;
    int m_line = 1;
    bool m_inQuotes = false;
    bool m_fieldWasQuoted = false;
    bool m_recordStarted = false;
};

struct SeparatorCount {
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
};

// A quoted heading may hold either separator as text: "Name;Alias".
SeparatorCount separatorsOutsideQuotes(std::string_view line)
{
    SeparatorCount count;
    bool inQuotes = false;
    for (const char c : line) {
        if (c == '"')
            inQuotes = !inQuotes;
        else if (!inQuotes && c == ',')
            ++count.commas;
        else if (!inQuotes && c == ';')
            ++count.semicolons;
        else if (!inQuotes && c == '\t')
            ++count.tabs;
    }
    return count;
}

// A line of semicolons only is the blank line of a ';' file.
bool onlySemicolons(const CsvRecord& record)
{
    return std::all_of(record.fields.begin(), record.fields.end(), [](const std::string& field) {
        return std::all_of(field.begin(), field.end(), [](char c) { return c == ';' || isSpace(c); });
    });
}

} // namespace

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsBlankRecord(const CsvRecord& record)
{
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& field) { return Trimmed(field).empty(); });
}

bool IsCommentRecord(const CsvRecord& record)
{
    return !record.fields.empty() && Trimmed(record.fields.front()).starts_with('#');
}

CsvRecords ReadCsvRecords(std::string_view text, char separator)
{
    return RecordReader(text, separator).read();
}

char DetectSeparator(std::string_view text)
{
    // Either separator reads the header the same way up to its first one, so
    // reading each line with ',' is enough to find the header line; the rest
    // of the file is not looked at.
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view lineText = text.substr(start, end - start);
        const CsvRecords line = ReadCsvRecords(lineText, ',');
        start = end + 1;
        if (line.records.empty())
            continue;
        const CsvRecord& record = line.records.front();
        if (onlySemicolons(record) || IsCommentRecord(record))
            continue;
        const SeparatorCount count = separatorsOutsideQuotes(lineText);
        if (count.tabs > count.commas && count.tabs > count.semicolons)
            return '\t';
        return count.semicolons > count.commas ? ';' : ',';
    }
    return ',';
}
