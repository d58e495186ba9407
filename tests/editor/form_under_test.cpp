#include "form_under_test.h"

#include "editor/form_actions.h"
#include "editor/form_load.h"
#include "editor/form_record.h"
#include "editor/form_store.h"
#include "editor/program_view.h"

#include "grid/ms_flex_grid.h"
#include "image/program_doc.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

class RecordForm : public FormUnderTest {
public:
    FormControls& controls() override { return m_record; }

    void load(const RadioImage& image) override { LoadFormFromImage(image, m_record, m_appliedModel); }

    RadioImage store(const RadioImage& base) override
    {
        RadioImage image = base;
        StoreFormToImage(m_record, image);
        return image;
    }

    void choose(FormCombo combo, int index) override
    {
        (void)m_record.SetCurSel(combo, index);
        if (combo == FormCombo::Model)
            ApplyModel(m_record, m_appliedModel);
        else if (combo == FormCombo::Band)
            ApplyBand(m_record);
        else if (combo == FormCombo::VoxSwitch)
            ApplyVoxSwitch(m_record);
    }

    void deleteChannel(long row) override { DeleteChannelAt(m_record, row); }
    void addChannel(long row) override { AddChannelAt(m_record, row); }
    int appliedModel() const override { return m_appliedModel; }

private:
    FormRecord m_record = FreshFormRecord();
    int m_appliedModel = kNoModelApplied;
};

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
        m_view.m_grid->SetRow(row);
        QTest::mouseClick(m_view.m_buttonDelete, Qt::LeftButton);
    }

    void addChannel(long row) override
    {
        m_view.m_grid->SetRow(row);
        QTest::mouseClick(m_view.m_buttonAdd, Qt::LeftButton);
    }

    int appliedModel() const override { return m_view.m_appliedModel; }

private:
    QComboBox* comboOf(FormCombo combo)
    {
        switch (combo) {
        case FormCombo::Model:
            return m_view.m_comboModel;
        case FormCombo::Band:
            return m_view.m_comboBand;
        case FormCombo::Squelch:
            return m_view.m_comboSquelch;
        case FormCombo::Tot:
            return m_view.m_comboTot;
        case FormCombo::Voice:
            return m_view.m_comboVoice;
        case FormCombo::Beep:
            return m_view.m_comboBeep;
        case FormCombo::VoxSwitch:
            return m_view.m_comboVoxSwitch;
        case FormCombo::VoxGain:
            return m_view.m_comboVoxGain;
        case FormCombo::BatterySaver:
            return m_view.m_comboBatterySaver;
        case FormCombo::PttId:
            return m_view.m_comboPttId;
        }
        return nullptr;
    }

    CProgramDoc m_doc;
    CProgramView m_view{&m_doc};
};

} // namespace

std::unique_ptr<FormUnderTest> MakeForm(FormKind kind)
{
    if (kind == FormKind::Record)
        return std::make_unique<RecordForm>();
    return std::make_unique<WidgetForm>();
}

RadioImage ImageWithChannel(int n, const std::array<std::uint8_t, 16>& bytes)
{
    RadioImage image;
    image.ResetToDefaults();
    std::copy(bytes.begin(), bytes.end(), image.channel(n).begin());
    return image;
}
