#include "form/form_under_test.h"

#include "editor/program_view.h"

#include "grid/ms_flex_grid.h"
#include "document/program_doc.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

class WidgetForm : public FormUnderTest {
public:
    FormControls& controls() override { return m_view.Controls(); }

    void load(const RadioImage& image) override
    {
        m_doc.m_image = image;
        m_view.OnInitialUpdate();
    }

    RadioImage store(const RadioImage& base) override
    {
        m_doc.m_image = base;
        m_view.StoreToImage();
        return m_doc.m_image;
    }

    // Keys on the closed drop-down list, one item per key, as a user steps
    // through it; the item already selected is picked again as a click on it
    // in the open list does.
    void choose(FormCombo combo, int index) override
    {
        QComboBox* box = comboOf(combo);
        if (box->currentIndex() == index) {
            emit box->activated(index);
            return;
        }
        const Qt::Key step = index > box->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
        while (box->currentIndex() != index) {
            const int before = box->currentIndex();
            QTest::keyClick(box, step);
            if (box->currentIndex() == before)
                break;
        }
    }

    void deleteChannel(long row) override
    {
        m_view.Grid()->SetRow(row);
        QTest::mouseClick(m_view.DeleteButton(), Qt::LeftButton);
    }

    void addChannel(long row) override
    {
        m_view.Grid()->SetRow(row);
        QTest::mouseClick(m_view.AddButton(), Qt::LeftButton);
    }

    int appliedModel() const override { return m_view.Session().AppliedModel(); }

private:
    QComboBox* comboOf(FormCombo combo)
    {
        switch (combo) {
        case FormCombo::Model:
            return m_view.Combo(FormCombo::Model);
        case FormCombo::Band:
            return m_view.Combo(FormCombo::Band);
        case FormCombo::Squelch:
            return m_view.Combo(FormCombo::Squelch);
        case FormCombo::Tot:
            return m_view.Combo(FormCombo::Tot);
        case FormCombo::Voice:
            return m_view.Combo(FormCombo::Voice);
        case FormCombo::Beep:
            return m_view.Combo(FormCombo::Beep);
        case FormCombo::VoxSwitch:
            return m_view.Combo(FormCombo::VoxSwitch);
        case FormCombo::VoxGain:
            return m_view.Combo(FormCombo::VoxGain);
        case FormCombo::BatterySaver:
            return m_view.Combo(FormCombo::BatterySaver);
        case FormCombo::PttId:
            return m_view.Combo(FormCombo::PttId);
        }
        return nullptr;
    }

    CProgramDoc m_doc;
    CProgramView m_view{&m_doc};
};

} // namespace

// The desktop's run: the record has its own in the core's tests.
std::vector<FormKind> FormKindsUnderTest()
{
    return {FormKind::Widget};
}

std::unique_ptr<FormUnderTest> MakeForm(FormKind kind)
{
    if (kind == FormKind::Record)
        return MakeRecordForm();
    return std::make_unique<WidgetForm>();
}
