#include "modal_helpers.h"

#include "app/password_dialog.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

struct PasswordCase {
    const char* typed;
    Close how;
    const char* shown;
    int expected;
};

class PasswordEntry : public testing::TestWithParam<PasswordCase> {};

QPushButton* Button(QDialog& dialog, const char* text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

TEST_P(PasswordEntry, OpensOnlyForTheExactPassword)
{
    const PasswordCase& row = GetParam();
    SCOPED_TRACE(testing::Message() << '"' << row.typed << "\" " << CloseName(row.how));
    CPasswordDialog dialog;
    OnceModal([&](QDialog&) {
        EXPECT_EQ(dialog.focusWidget(), dialog.m_editPassword);
        QTest::keyClicks(dialog.m_editPassword, row.typed);
        EXPECT_EQ(dialog.m_editPassword->text(), row.shown);
        EXPECT_EQ(dialog.m_editPassword->echoMode(), QLineEdit::Normal);
        if (row.how == Close::OkButton)
            QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
        else if (row.how == Close::CancelButton)
            QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton);
        else
            CloseByKeyOrBox(dialog, row.how);
    });
    EXPECT_EQ(dialog.DoModal(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Typed, PasswordEntry,
    testing::Values(
        PasswordCase{"352QKM", Close::OkButton, "352QKM", IDOK},
        PasswordCase{"352qkm", Close::Enter, "352QKM", IDOK},
        PasswordCase{"352qKm", Close::OkButton, "352QKM", IDOK},
        PasswordCase{"352QKM ", Close::Enter, "352QKM ", IDCANCEL},
        PasswordCase{" 352QKM", Close::OkButton, " 352QKM", IDCANCEL},
        PasswordCase{"352QK", Close::Enter, "352QK", IDCANCEL},
        PasswordCase{"352QKMM", Close::Enter, "352QKMM", IDCANCEL},
        PasswordCase{"", Close::OkButton, "", IDCANCEL},
        PasswordCase{"352QKM", Close::CancelButton, "352QKM", IDCANCEL},
        PasswordCase{"352QKM", Close::Escape, "352QKM", IDCANCEL},
        PasswordCase{"352QKM", Close::CloseBox, "352QKM", IDCANCEL}));

} // namespace
