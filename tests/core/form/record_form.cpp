#include "form_under_test.h"

#include "form/form_actions.h"
#include "form/form_load.h"
#include "form/form_record.h"
#include "form/form_store.h"

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

} // namespace

std::unique_ptr<FormUnderTest> MakeRecordForm()
{
    return std::make_unique<RecordForm>();
}

RadioImage ImageWithChannel(int n, const std::array<std::uint8_t, 16>& bytes)
{
    RadioImage image;
    image.ResetToDefaults();
    std::copy(bytes.begin(), bytes.end(), image.channel(n).begin());
    return image;
}
