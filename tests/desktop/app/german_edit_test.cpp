// Editing in German: the Edit menu names each step to undo in German, the
// status bar reports a paste and says the form is modified, and the question
// before the changes are dropped is asked in German with German buttons.

#include "edit_fixture.h"

#include "translations/translations.h"

#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMessageBox>

#include <functional>

namespace {

class GermanEditing : public EditTest {
public:
    static void SetUpTestSuite() { ASSERT_FALSE(InstallTranslations(*qApp).isEmpty()); }

    void Paste(long row, const char* rows)
    {
        QApplication::clipboard()->setText(QString::fromUtf8(rows));
        PickCell(row, 1);
        Key(Qt::Key_V, Qt::ControlModifier);
    }

    void Choose(QComboBox* combo)
    {
        combo->setFocus();
        Key(Qt::Key_Down);
    }
};

struct GermanStepCase {
    const char* name;
    std::function<void(GermanEditing&)> change;
    const char* undo;  // the Edit menu's Undo item after the change
    const char* redo;  // its Redo item once the change is undone
    const char* said;  // the status bar's report of a paste, or null
};

const GermanStepCase kGermanSteps[] = {
    {"typed_rx_freq",
     [](GermanEditing& t) {
         t.PickCell(3, 1);
         t.Type("150");
         t.Key(Qt::Key_Return);
     },
     "Rückgängig: Kanal 3 Rx Freq", "Wiederherstellen: Kanal 3 Rx Freq", nullptr},
    {"cleared_channel",
     [](GermanEditing& t) {
         t.PickCell(2, 1);
         t.Key(Qt::Key_Delete);
     },
     "Rückgängig: Kanal 2 leeren", "Wiederherstellen: Kanal 2 leeren", nullptr},
    {"model", [](GermanEditing& t) { t.Choose(t.View().Combo(FormCombo::Model)); }, "Rückgängig: Modellwechsel",
     "Wiederherstellen: Modellwechsel", nullptr},
    {"setting", [](GermanEditing& t) { t.Choose(t.View().Combo(FormCombo::Squelch)); }, "Rückgängig: Rauschsperre",
     "Wiederherstellen: Rauschsperre", nullptr},
    {"pasted_rows", [](GermanEditing& t) { t.Paste(1, "146.52\n147\n"); }, "Rückgängig: Einfügen",
     "Wiederherstellen: Einfügen", "2 Kanäle eingefügt."},
    {"pasted_out_of_band", [](GermanEditing& t) { t.Paste(1, "200\n"); }, "Rückgängig: Einfügen",
     "Wiederherstellen: Einfügen", "1 Kanal eingefügt. Kanal 1 Rx Freq: 200 eingegeben, 174.00000 gespeichert."},
    {"pasted_past_the_last", [](GermanEditing& t) { t.Paste(16, "146.52\n147\n"); }, "Rückgängig: Einfügen",
     "Wiederherstellen: Einfügen", "1 Kanal eingefügt. 1 Zeile fand unter dem letzten Kanal keinen Platz mehr."},
};

class GermanStep : public GermanEditing, public testing::WithParamInterface<GermanStepCase> {};

TEST_P(GermanStep, IsNamedInGermanAndMarksTheFormModified)
{
    LoadChannels(4);
    ASSERT_EQ(m_frame->m_paneModified->text(), "");
    GetParam().change(*this);
    Settle();
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), QString::fromUtf8(GetParam().undo));
    if (GetParam().said) {
        EXPECT_EQ(Said(), QString::fromUtf8(GetParam().said));
    }
    EXPECT_EQ(m_frame->m_paneModified->text(), QString::fromUtf8("Geändert"));
    EXPECT_EQ(m_frame->m_paneFile->text(), "Unbenannt");

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ItemText(ID_EDIT_REDO), QString::fromUtf8(GetParam().redo));
}

void PrintTo(const GermanStepCase& c, std::ostream* out) { *out << c.name; }

INSTANTIATE_TEST_SUITE_P(Steps, GermanStep, testing::ValuesIn(kGermanSteps),
                         [](const testing::TestParamInfo<GermanStepCase>& info) { return info.param.name; });

TEST_F(GermanEditing, TheEditMenuReadsInGerman)
{
    LoadChannels(4);
    PickCell(3, 1);
    Type("150");
    Key(Qt::Key_Return);
    QMenu* edit = m_frame->Menu(MenuId::Edit);
    edit->popup(m_frame->mapToGlobal(QPoint(40, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));

    QStringList items;
    for (const QAction* item : edit->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(items.join(u'|').toStdString(),
              "Rückgängig: Kanal 3 Rx Freq\tCtrl+Z|Wiederherstellen\tCtrl+Y|-|"
              "&Ausschneiden\tCtrl+X|&Kopieren\tCtrl+C|&Einfügen\tCtrl+V|-|Kanal &leeren\tDel|-|"
              "Nach &oben\tAlt+Up|Nach &unten\tAlt+Down");
    SaveShot(*edit, "edit_menu_de");
    edit->close();
}

TEST_F(GermanEditing, TheSaveQuestionAsksInGerman)
{
    PickCell(1, 1);
    Type("150");
    Key(Qt::Key_Return);

    QString asked;
    QStringList buttons;
    OnceModal([&](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        asked = box->text();
        for (const auto button : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
            buttons << box->button(button)->text();
        SaveShot(*box, "save_question_de");
        QTest::mouseClick(box->button(QMessageBox::Cancel), Qt::LeftButton);
    });
    Key(Qt::Key_N, Qt::ControlModifier);

    EXPECT_EQ(asked, QString::fromUtf8("Änderungen an Unbenannt speichern?"));
    EXPECT_EQ(buttons.join(u'|'), QString::fromUtf8("&Speichern|&Verwerfen|Abbrechen"));
    EXPECT_EQ(Grid()->GetTextMatrix(1, 1), "150.00000");
}

} // namespace
