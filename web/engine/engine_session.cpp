#include "engine_session.h"

#include "exchange/channel_csv.h"
#include "form/form_contents.h"
#include "form/form_table.h"
#include "image/image_bytes.h"
#include "image/text_fill.h"
#include "image/ui_text.h"

#include "codec/tone.h"

EngineSession::EngineSession()
{
    m_session.NewForm();
}

FileOpen EngineSession::OpenChannelFile(std::span<const std::uint8_t> bytes, const std::string& name)
{
    if (!LoadImageFileBytes(bytes, m_image)) {
        const std::string detail = FillText(kChannelFileLength,
                                            {name, std::to_string(bytes.size()), std::to_string(RadioImage::kSize)});
        return {false, std::string(kChannelFileOpenFailed) + '\n' + detail};
    }
    m_session.LoadFresh();
    return {true, {}};
}

std::vector<std::uint8_t> EngineSession::SaveChannelFile()
{
    m_session.Store();
    m_session.MarkSaved();
    return ImageFileBytes(m_image);
}

std::string EngineSession::ExportCsv()
{
    return ExportChannelsCsv(StoredImage(), ExportOptions{});
}

void EngineSession::LoadReadImage(const RadioImage& image)
{
    m_image = image;
    m_session.LoadFresh();
}

std::string EngineSession::PreviewWrite(const RadioImage& against)
{
    return ChangesText(m_session.ChangesFrom(against));
}

std::vector<std::string> CellChoices(int col)
{
    std::vector<std::string> choices;
    if (col == kColRxTone || col == kColTxTone)
        BuildToneList(choices);
    else if (col > kColTxTone && col < kGridCols)
        choices = CellOptionItems(col);
    return choices;
}

std::string ShowText(const RadioImage& image)
{
    return FormTable(FormRecordOf(image));
}
