// The same edits made through the form session on a plain record and through
// the desktop form driven by keys: every text the user is told and the stored
// channel file must be the same on both.

#include "cell_editing_fixture.h"

#include "form/form_contents.h"
#include "form/form_record.h"
#include "form/form_session.h"

#include <QClipboard>
#include <QSignalSpy>

#include <string>
#include <vector>

namespace {

enum class Edit { Type, Paste, Import, Undo, Redo };

struct EditStep {
    Edit edit;
    long row = 0;
    long col = 0;
    std::string text{};
};

struct ScenarioCase {
    const char* name;
    std::vector<EditStep> steps;
    // A piece of text some step must have told the user, so that the
    // scenario reaches the correction, refusal or skip it is about.
    std::string told;
};

// What a host tells and keeps: one line per step (whether Undo and Redo
// found a step), then the grid, the Undo and Redo texts and the channel
// file's bytes. Where the current cell goes is each host's own.
struct HostOutcome {
    std::vector<std::string> told;
    std::vector<std::string> cells;
    std::string undoText;
    std::string redoText;
    RadioImage::Bytes stored{};
};

std::vector<std::string> gridOf(const FormControls& form)
{
    std::vector<std::string> cells;
    for (long r = 1; r < form.GetRows(); ++r)
        for (long c = 1; c < form.GetCols(); ++c)
            cells.push_back(form.GetTextMatrix(r, c));
    return cells;
}

std::string taken(bool step)
{
    return step ? "step taken" : "no step";
}

HostOutcome throughSession(const ScenarioCase& scenario)
{
    RadioImage image;
    FormRecord form;
    FormSession session(form, image);
    session.NewForm();
    HostOutcome out;
    for (const EditStep& step : scenario.steps) {
        switch (step.edit) {
        case Edit::Type:
            session.SetCurrentCell({step.row, step.col});
            out.told.push_back(session.CommitCell(step.row, step.col, step.text).message);
            break;
        case Edit::Paste:
            session.SetCurrentCell({step.row, kColRxFreq});
            out.told.push_back(session.PasteRows(step.row, step.text).report);
            break;
        case Edit::Import:
            out.told.push_back(session.ImportCsv(step.text).Text());
            break;
        case Edit::Undo:
            out.told.push_back(taken(session.Undo().has_value()));
            break;
        case Edit::Redo:
            out.told.push_back(taken(session.Redo().has_value()));
            break;
        }
    }
    out.cells = gridOf(form);
    out.undoText = session.UndoText();
    out.redoText = session.RedoText();
    out.stored = session.Store().bytes();
    return out;
}

class CrossHost : public CellEditingTest, public ::testing::WithParamInterface<ScenarioCase> {
protected:
    // Enter opens the cell's editor, the text is typed, Enter stores it.
    std::string typeCell(const EditStep& step)
    {
        QSignalSpy said(m_view, &CProgramView::StatusMessage);
        pickCell(step.row, step.col);
        key(Qt::Key_Return);
        type(QString::fromStdString(step.text));
        key(Qt::Key_Return);
        return said.isEmpty() ? std::string() : said.constLast().constFirst().toString().toStdString();
    }

    std::string paste(const EditStep& step)
    {
        QSignalSpy said(m_view, &CProgramView::StatusMessage);
        QApplication::clipboard()->setText(QString::fromStdString(step.text));
        pickCell(step.row, kColRxFreq);
        m_view->OnEditPaste();
        return said.isEmpty() ? std::string() : said.constLast().constFirst().toString().toStdString();
    }

    std::string undoOrRedo(bool undo)
    {
        const bool can = undo ? m_view->History().CanUndo() : m_view->History().CanRedo();
        undo ? m_view->OnEditUndo() : m_view->OnEditRedo();
        return taken(can);
    }

    HostOutcome throughDesktop(const ScenarioCase& scenario)
    {
        HostOutcome out;
        for (const EditStep& step : scenario.steps) {
            switch (step.edit) {
            case Edit::Type: out.told.push_back(typeCell(step)); break;
            case Edit::Paste: out.told.push_back(paste(step)); break;
            case Edit::Import: out.told.push_back(m_view->Session().ImportCsv(step.text).Text()); break;
            case Edit::Undo: out.told.push_back(undoOrRedo(true)); break;
            case Edit::Redo: out.told.push_back(undoOrRedo(false)); break;
            }
        }
        out.cells = gridOf(m_view->Controls());
        out.undoText = m_view->UndoText().toStdString();
        out.redoText = m_view->RedoText().toStdString();
        m_view->StoreToImage();
        out.stored = m_doc.m_image.bytes();
        return out;
    }
};

TEST_P(CrossHost, TellsAndStoresTheSame)
{
    const ScenarioCase& scenario = GetParam();
    const HostOutcome session = throughSession(scenario);
    const HostOutcome desktop = throughDesktop(scenario);

    EXPECT_EQ(desktop.told, session.told);
    EXPECT_EQ(desktop.cells, session.cells);
    EXPECT_EQ(desktop.undoText, session.undoText);
    EXPECT_EQ(desktop.redoText, session.redoText);
    EXPECT_EQ(desktop.stored, session.stored);
    std::string told = session.undoText + '\n' + session.redoText + '\n';
    for (const std::string& line : session.told)
        told += line + '\n';
    EXPECT_NE(told.find(scenario.told), std::string::npos) << told;
}

const char* const kImportList = "Location,Name,Frequency\n"
                                "3,Club,146.52\n"
                                "4,Bad,abc\n"
                                "5,Far,300\n"
                                "6,Net,147.0125\n";

INSTANTIATE_TEST_SUITE_P(
    Scenarios, CrossHost,
    ::testing::Values(
        ScenarioCase{"TypedCellsCorrected",
                     {{Edit::Type, 1, 1, "200"},
                      {Edit::Type, 2, 1, "145.12345"},
                      {Edit::Type, 2, 2, "100"},
                      {Edit::Type, 2, 3, "d023n"},
                      {Edit::Type, 2, 4, "D088N"}},
                     "145.12345 MHz is between channels of 5 kHz and 6.25 kHz: 145.12000"},
        ScenarioCase{"PasteWithARefusedRow",
                     {{Edit::Paste, 4, 0, "146.52\n147.12345\n146.52\t146.52\tQ99\n148\t148\tOff\n"}},
                     "Not pasted, a value this radio cannot hold: channel 6."},
        ScenarioCase{"ImportWithSkippedRows",
                     {{Edit::Type, 3, 1, "150"}, {Edit::Import, 0, 0, kImportList}},
                     "skipped"},
        ScenarioCase{"UndoAndRedo",
                     {{Edit::Type, 1, 1, "146.52"},
                      {Edit::Paste, 5, 0, "147\n148\n"},
                      {Edit::Import, 0, 0, kImportList},
                      {Edit::Undo},
                      {Edit::Undo},
                      {Edit::Redo},
                      {Edit::Type, 2, 1, "999"},
                      {Edit::Undo},
                      {Edit::Undo},
                      {Edit::Redo}},
                     "Channel 2 Rx Freq"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
