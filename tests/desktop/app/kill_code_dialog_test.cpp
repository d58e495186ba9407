#include "modal_helpers.h"

#include "app/kill_code_dialog.h"
#include "app/latin1_text.h"

#include "image/image_layout.h"

#include <QComboBox>
#include <QLineEdit>

#include <array>
#include <vector>

namespace {

using Bytes8 = std::array<std::uint8_t, 8>;

constexpr std::uint8_t X = 0xFF;

void Put(RadioImage& image, std::size_t offset, const Bytes8& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image.setByte(offset + i, bytes[i]);
}

Bytes8 Get(const RadioImage& image, std::size_t offset)
{
    Bytes8 bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = image.byte(offset + i);
    return bytes;
}

TEST(Latin1Text, EveryByteValueSurvivesTheWayThereAndBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = BytesToText(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0), QChar(0x2400));
    EXPECT_EQ(text.at(0x41), QChar(u'A'));
    EXPECT_EQ(text.at(0xE9), QChar(0xE9));
    EXPECT_EQ(TextToBytes(text), all);
}

struct ShownCase {
    const char* name;
    Bytes8 killCode;
    QString expected;
};

TEST(KillCodeDialog, ShowsTheCodesUpToTheirFirstFF)
{
    const ShownCase cases[] = {
        {"empty", {X, X, X, X, X, X, X, X}, ""},
        {"four digits", {'1', '2', '3', '4', X, X, X, X}, "1234"},
        {"third byte FF", {'A', 'B', X, 'C', 'D', 'E', 'F', '0'}, "AB"},
        {"eight characters", {'0', '1', '2', '3', '4', '5', '6', '7'}, "01234567"},
        {"not hex", {'x', 0x00, 0xE9, '!', X, X, X, X}, QString::fromUtf16(u"x\u2400\u00E9!")},
    };
    for (const ShownCase& row : cases) {
        SCOPED_TRACE(row.name);
        RadioImage image;
        Put(image, layout::kKillCode, row.killCode);
        Put(image, layout::kRemoveKillCode, row.killCode);
        CKillCodeDialog dialog(image);
        EXPECT_EQ(dialog.m_editKillCode->text(), row.expected);
        EXPECT_EQ(dialog.m_editRemoveKillCode->text(), row.expected);
    }
}

TEST(KillCodeDialog, ShowsTheKillSwitchBitAndHasTheFocusOnIt)
{
    const struct {
        std::uint8_t function;
        const char* shown;
    } cases[] = {{0x20, "On"}, {0xFF, "On"}, {0x00, "Off"}, {0xDF, "Off"}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.function);
        RadioImage image;
        image.setByte(layout::kFunctionBits, row.function);
        CKillCodeDialog dialog(image);
        EXPECT_EQ(dialog.m_comboKillSwitch->count(), 2);
        EXPECT_EQ(dialog.m_comboKillSwitch->currentText(), row.shown);
        OnceModal([&](QDialog&) {
            EXPECT_EQ(dialog.focusWidget(), dialog.m_comboKillSwitch);
            PressKey(dialog, Qt::Key_Escape);
        });
        dialog.DoModal();
    }
}

// What the user does in the dialog, control by control. Besides typed
// characters, '\b' is backspace, '\x01' the up and '\x02' the down arrow.
enum class Control { KillSwitch, KillCode, RemoveKillCode };

struct Typing {
    Control control;
    const char* keys;
};

struct StoreCase {
    const char* name;
    Bytes8 killBefore;
    Bytes8 removeBefore;
    std::uint8_t functionBefore;
    std::vector<Typing> typing;
    Close how;
    QString killShown;
    Bytes8 killAfter;
    Bytes8 removeAfter;
    std::uint8_t functionAfter;
};

class KillCodeStore : public testing::TestWithParam<StoreCase> {};

QWidget* ControlOf(CKillCodeDialog& dialog, Control control)
{
    switch (control) {
    case Control::KillSwitch: return dialog.m_comboKillSwitch;
    case Control::KillCode: return dialog.m_editKillCode;
    case Control::RemoveKillCode: return dialog.m_editRemoveKillCode;
    }
    return nullptr;
}

void Type(QWidget* control, const char* keys)
{
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->end(false);
    for (const char* k = keys; *k; ++k) {
        if (*k == '\b')
            QTest::keyClick(control, Qt::Key_Backspace);
        else if (*k == '\x01')
            QTest::keyClick(control, Qt::Key_Up);
        else if (*k == '\x02')
            QTest::keyClick(control, Qt::Key_Down);
        else
            QTest::keyClick(control, *k);
    }
}

TEST_P(KillCodeStore, StoresEveryWayOut)
{
    const StoreCase& row = GetParam();
    SCOPED_TRACE(testing::Message() << row.name << ", " << CloseName(row.how));
    RadioImage image;
    Put(image, layout::kKillCode, row.killBefore);
    Put(image, layout::kRemoveKillCode, row.removeBefore);
    image.setByte(layout::kFunctionBits, row.functionBefore);
    const RadioImage before = image;

    CKillCodeDialog dialog(image);
    OnceModal([&](QDialog&) {
        for (const Typing& typing : row.typing)
            Type(ControlOf(dialog, typing.control), typing.keys);
        EXPECT_EQ(dialog.m_editKillCode->text(), row.killShown);
        CloseByKeyOrBox(dialog, row.how);
    });
    const int result = dialog.DoModal();

    EXPECT_EQ(result, row.how == Close::Enter ? IDOK : IDCANCEL);
    EXPECT_EQ(Get(image, layout::kKillCode), row.killAfter);
    EXPECT_EQ(Get(image, layout::kRemoveKillCode), row.removeAfter);
    EXPECT_EQ(image.byte(layout::kFunctionBits), row.functionAfter);
    for (std::size_t offset = 0; offset < RadioImage::kSize; ++offset) {
        const bool field = offset == layout::kFunctionBits
            || (offset >= layout::kKillCode && offset < layout::kRemoveKillCode + 8);
        if (!field) {
            ASSERT_EQ(image.byte(offset), before.byte(offset)) << "offset " << offset;
        }
    }
}

const Bytes8 kEmpty = {X, X, X, X, X, X, X, X};

INSTANTIATE_TEST_SUITE_P(Codes, KillCodeStore,
    testing::Values(
        StoreCase{"emptied code gives eight FF", {'1', '2', X, X, X, X, X, X}, kEmpty, 0xFF,
                  {{Control::KillCode, "\b\b"}}, Close::Enter, "", kEmpty, kEmpty, 0xFF},
        StoreCase{"four characters then four FF", kEmpty, kEmpty, 0xFF,
                  {{Control::KillCode, "12ab"}, {Control::RemoveKillCode, "9f"}}, Close::Enter, "12AB",
                  {'1', '2', 'A', 'B', X, X, X, X}, {'9', 'F', X, X, X, X, X, X}, 0xFF},
        StoreCase{"Esc stores", kEmpty, kEmpty, 0xFF,
                  {{Control::KillCode, "C0DE"}}, Close::Escape, "C0DE",
                  {'C', '0', 'D', 'E', X, X, X, X}, kEmpty, 0xFF},
        StoreCase{"close box stores", kEmpty, kEmpty, 0xFF,
                  {{Control::RemoveKillCode, "0"}}, Close::CloseBox, "",
                  kEmpty, {'0', X, X, X, X, X, X, X}, 0xFF},
        StoreCase{"at most eight characters", kEmpty, kEmpty, 0xFF,
                  {{Control::KillCode, "0123456789"}}, Close::Enter, "01234567",
                  {'0', '1', '2', '3', '4', '5', '6', '7'}, kEmpty, 0xFF},
        StoreCase{"G and punctuation refused, backspace works", kEmpty, kEmpty, 0xFF,
                  {{Control::KillCode, "1G.g z2\b3"}}, Close::Enter, "13",
                  {'1', '3', X, X, X, X, X, X}, kEmpty, 0xFF},
        StoreCase{"untouched bytes that are not hex stay as they were",
                  {'x', 0x00, '!', 0xE9, X, X, X, X}, {0x01, 'g', X, X, X, X, X, X}, 0xFF,
                  {}, Close::Enter, QString::fromUtf16(u"x\u2400!\u00E9"),
                  {'x', 0x00, '!', 0xE9, X, X, X, X}, {0x01, 'g', X, X, X, X, X, X}, 0xFF},
        StoreCase{"bytes after the first FF survive an open and close",
                  {'1', '2', X, '3', '4', 0x00, 0x7F, 'Q'}, {X, 'A', 'B', X, X, X, X, 0x42}, 0xFF,
                  {}, Close::Escape, "12",
                  {'1', '2', X, '3', '4', 0x00, 0x7F, 'Q'}, {X, 'A', 'B', X, X, X, X, 0x42}, 0xFF},
        StoreCase{"a changed code keeps the odd bytes it shows",
                  {'x', 0x00, X, 'Z', X, X, X, X}, kEmpty, 0xFF,
                  {{Control::KillCode, "5"}}, Close::Enter, QString::fromUtf16(u"x\u2400" "5"),
                  {'x', 0x00, '5', X, X, X, X, X}, kEmpty, 0xFF},
        StoreCase{"typing back the shown code keeps every byte",
                  {'1', '2', X, 'Z', X, X, X, X}, kEmpty, 0xFF,
                  {{Control::KillCode, "\b2"}}, Close::Enter, "12",
                  {'1', '2', X, 'Z', X, X, X, X}, kEmpty, 0xFF}));

INSTANTIATE_TEST_SUITE_P(KillSwitch, KillCodeStore,
    testing::Values(
        StoreCase{"switched on, other bits kept", kEmpty, kEmpty, 0xDF,
                  {{Control::KillSwitch, "\x01"}}, Close::Enter, "", kEmpty, kEmpty, 0xFF},
        StoreCase{"switched off, other bits kept", kEmpty, kEmpty, 0x35,
                  {{Control::KillSwitch, "\x02"}}, Close::CloseBox, "", kEmpty, kEmpty, 0x15},
        StoreCase{"letters do not search the list", kEmpty, kEmpty, 0x00,
                  {{Control::KillSwitch, "OoGn"}}, Close::Escape, "", kEmpty, kEmpty, 0x00}));

} // namespace
