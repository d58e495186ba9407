// What the form session adds to the form's rules: its texts translated before
// they are filled in, a fresh form for every load, and an import as one step.

#include "form/form_contents.h"
#include "form/form_record.h"
#include "form/form_session.h"
#include "image/image_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A translation that shows where it was applied.
std::string marked(const char* english)
{
    return std::string("<") + english + ">";
}

struct SessionUnderTest {
    RadioImage image;
    FormRecord form;
    FormSession session{form, image, marked};
    SessionUnderTest() { session.NewForm(); }
};

// ---- texts: each pattern translated, then filled in once

struct TextCase {
    const char* name;
    std::string (*told)(FormSession& session);
    std::string expected;
};

class ToldText : public testing::TestWithParam<TextCase> {};

TEST_P(ToldText, IsTranslatedThenFilledIn)
{
    SessionUnderTest s;
    EXPECT_EQ(GetParam().told(s.session), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ToldText,
    testing::Values(
        TextCase{"AboveTheBand", [](FormSession& s) { return s.CommitCell(1, 1, "200").message; },
                 "<200 MHz is above <136-174 MHz>: 174.00000>"},
        TextCase{"TxOfAChannelNotInUse", [](FormSession& s) { return s.CommitCell(1, 2, "200").message; }, ""},
        TextCase{"PastedBeyondTheLast", [](FormSession& s) { return s.PasteRows(16, "146.52\n147\n").report; },
                 "<1 channel pasted.> <1 row found no channel below the last.>"},
        TextCase{"NothingToUndo", [](FormSession& s) { return s.UndoText(); }, "<Undo>"},
        TextCase{"ImportSummary",
                 [](FormSession& s) { return s.ImportCsv("Location,Frequency\n1,abc\n2,146.52\n").summary; },
                 "<1 row loaded, 1 skipped.>"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- every load a fresh form, whatever the form showed before

class FreshLoad : public testing::TestWithParam<std::uint8_t> {};

TEST_P(FreshLoad, ShowsWhatTheProgramStartedWithTheImageShows)
{
    SessionUnderTest s;
    s.session.SelectCombo(FormCombo::Model, 1 - s.form.GetCurSel(FormCombo::Model));
    (void)s.session.CommitCell(2, 1, "450");
    s.image.ResetToDefaults();
    s.image.setByte(layout::kModel, GetParam());
    s.session.LoadFresh();

    int appliedModel = kNoModelApplied;
    const FormRecord expected = FormRecordOf(s.image, appliedModel);
    EXPECT_EQ(TakeSnapshot(s.form, s.session.AppliedModel(), {}), TakeSnapshot(expected, appliedModel, {}));
    EXPECT_FALSE(s.session.History().CanUndo());
    EXPECT_FALSE(s.session.Modified());
}

INSTANTIATE_TEST_SUITE_P(Models, FreshLoad,
                         testing::Values(std::uint8_t{0x00}, std::uint8_t{0x01}, std::uint8_t{0xFF}));

// ---- an import: one step when rows were loaded, none otherwise

struct ImportCase {
    const char* name;
    const char* csv;
    ImportStatus status;
    bool summary;
};

class ImportStep : public testing::TestWithParam<ImportCase> {};

TEST_P(ImportStep, IsOneStepOnlyWhenRowsWereLoaded)
{
    const ImportCase& c = GetParam();
    SessionUnderTest s;
    const FormSnapshot before = TakeSnapshot(s.form, s.session.AppliedModel(), {});
    const ChannelImport imported = s.session.ImportCsv(c.csv);
    EXPECT_EQ(imported.status, c.status);
    EXPECT_EQ(!imported.summary.empty(), c.summary);
    EXPECT_EQ(s.session.History().CanUndo(), imported.Loaded());
    if (s.session.Undo()) {
        EXPECT_FALSE(s.session.History().CanUndo());
    }
    EXPECT_TRUE(TakeSnapshot(s.form, s.session.AppliedModel(), {}).SameContents(before));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ImportStep,
    testing::Values(ImportCase{"SomeSkipped", "Location,Frequency\n1,146.52\n2,abc\n3,147\n", ImportStatus::SomeSkipped,
                               true},
                    ImportCase{"NothingLoaded", "Location,Frequency\n1,abc\n", ImportStatus::NothingLoaded, true},
                    ImportCase{"NotAList", "Name,Comment\nx,y\n", ImportStatus::Failed, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
