// Every window of the program, walked as a screen reader and a keyboard user
// find it: each control a user can act on has a name, and Tab reaches it.

#include "accessible_tree.h"
#include "frame_fixture.h"
#include "program_windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <string_view>

namespace {

class WindowTest : public FrameTest, public testing::WithParamInterface<WindowCase> {};

TEST_P(WindowTest, EveryControlHasAName)
{
    bool looked = false;
    GetParam().open(*m_frame, [&looked](QWidget& window) {
        looked = true;
        const QStringList unnamed = UnnamedControls(window);
        EXPECT_TRUE(unnamed.isEmpty()) << "without an accessible name:\n  "
                                       << unnamed.join(QStringLiteral("\n  ")).toStdString();
    });
    EXPECT_TRUE(looked);
}

TEST_P(WindowTest, TabReachesEveryControl)
{
    bool looked = false;
    GetParam().open(*m_frame, [&looked](QWidget& window) {
        looked = true;
        const QStringList missed = NotReachedByTab(window);
        EXPECT_TRUE(missed.isEmpty()) << "never reached by Tab:\n  "
                                      << missed.join(QStringLiteral("\n  ")).toStdString();
    });
    EXPECT_TRUE(looked);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowTest, testing::ValuesIn(kProgramWindows),
                         [](const testing::TestParamInfo<WindowCase>& info) { return info.param.name; });

// Enter in a question does the safe thing: never a write, never a discard.
struct SafeDefaultCase {
    const char* window;
    const char* button;
};

class SafeDefault : public FrameTest, public testing::WithParamInterface<SafeDefaultCase> {};

TEST_P(SafeDefault, IsTheDefaultButton)
{
    const auto window = std::find_if(std::begin(kProgramWindows), std::end(kProgramWindows), [](const WindowCase& c) {
        return std::string_view(c.name) == GetParam().window;
    });
    ASSERT_NE(window, std::end(kProgramWindows));
    QStringList defaults;
    window->open(*m_frame, [&defaults](QWidget& shown) {
        for (const QPushButton* button : shown.findChildren<QPushButton*>()) {
            if (button->isDefault())
                defaults << button->text().remove(u'&');
        }
    });
    EXPECT_EQ(defaults, QStringList{QString::fromUtf8(GetParam().button)});
}

INSTANTIATE_TEST_SUITE_P(Questions, SafeDefault,
                         testing::Values(SafeDefaultCase{"SaveQuestion", "Save"}, SafeDefaultCase{"FirstWrite", "Cancel"},
                                         SafeDefaultCase{"WritePreview", "Cancel"},
                                         SafeDefaultCase{"RestoreOffer", "Restore"}),
                         [](const testing::TestParamInfo<SafeDefaultCase>& info) { return info.param.window; });

} // namespace

namespace {

// The walk itself: a nameless control must show, a named one must not.
struct ControlCase {
    const char* name;
    std::function<void(QWidget& window)> add;
    bool named;
};

const ControlCase kControls[] = {
    {"ButtonWithText", [](QWidget& w) { new QPushButton(QStringLiteral("Add"), &w); }, true},
    {"ButtonWithoutText", [](QWidget& w) { new QPushButton(&w); }, false},
    {"ComboWithoutLabel", [](QWidget& w) { new QComboBox(&w); }, false},
    {"ComboNamed",
     [](QWidget& w) { (new QComboBox(&w))->setAccessibleName(QStringLiteral("Model")); }, true},
    {"EditWithBuddyLabel",
     [](QWidget& w) { (new QLabel(QStringLiteral("&Path:"), &w))->setBuddy(new QLineEdit(&w)); }, true},
    {"EditAlone", [](QWidget& w) { new QLineEdit(&w); }, false},
    {"CheckBoxWithText", [](QWidget& w) { new QCheckBox(QStringLiteral("Renumber"), &w); }, true},
};

class ControlNameTest : public testing::TestWithParam<ControlCase> {};

TEST_P(ControlNameTest, UnnamedControlsAreFound)
{
    QWidget window;
    window.setAccessibleName(QStringLiteral("Window"));
    auto* layout = new QVBoxLayout(&window);
    GetParam().add(window);
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        layout->addWidget(child);
    window.show();
    EXPECT_EQ(UnnamedControls(window).isEmpty(), GetParam().named) << UnnamedControls(window).join(u',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlNameTest, testing::ValuesIn(kControls),
                         [](const testing::TestParamInfo<ControlCase>& info) { return info.param.name; });

} // namespace
