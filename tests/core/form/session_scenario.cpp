// Runs edits through the form session on a new form and prints what it told
// and what it stored, for the page's Node tests to compare the engine with.
// Each line of standard input is one edit, its fields between tabs, "\n" and
// "\t" in a text standing for a line break and a tab:
//   type ROW COL TEXT | paste ROW TEXT | import CSV | undo | redo
// Each line of output is what the edit told (Undo and Redo: "step taken" or
// "no step"), line breaks written "\n"; then the Undo and Redo texts and the
// stored channel file in hex.

#include "form/form_contents.h"
#include "form/form_record.h"
#include "form/form_session.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string unescaped(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const bool escape = text[i] == '\\' && (next == 'n' || next == 't');
        out += !escape ? text[i] : next == 'n' ? '\n' : '\t';
        i += escape ? 1 : 0;
    }
    return out;
}

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\\n") : std::string(1, c);
    return out;
}

std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(unescaped(field));
    fields.resize(4);
    return fields;
}

std::string edit(FormSession& session, const std::vector<std::string>& f)
{
    if (f[0] == "type") {
        const long row = std::stol(f[1]);
        const long col = std::stol(f[2]);
        session.SetCurrentCell({row, col});
        return session.CommitCell(row, col, f[3]).message;
    }
    if (f[0] == "paste") {
        session.SetCurrentCell({std::stol(f[1]), kColRxFreq});
        return session.PasteRows(std::stol(f[1]), f[2]).report;
    }
    if (f[0] == "import")
        return session.ImportCsv(f[1]).Text();
    if (f[0] == "undo" || f[0] == "redo")
        return (f[0] == "undo" ? session.Undo() : session.Redo()) ? "step taken" : "no step";
    return "unknown edit " + f[0];
}

} // namespace

int main()
{
    RadioImage image;
    FormRecord form;
    FormSession session(form, image);
    session.NewForm();
    for (std::string line; std::getline(std::cin, line);)
        std::cout << escaped(edit(session, fieldsOf(line))) << '\n';
    std::cout << session.UndoText() << '\n' << session.RedoText() << '\n';
    for (std::uint8_t byte : session.Store().bytes()) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", byte);
        std::cout << hex;
    }
    std::cout << '\n';
    return 0;
}
