#include "document/program_doc.h"
#include "image/image_layout.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Stands in for the form view: its store writes a marker into the image, so a
// test can see whether it ran before the bytes went to the file.
class StandInHost : public CProgramDocHost {
public:
    explicit StandInHost(CProgramDoc& doc) : m_doc(doc) {}

    void StoreToImage() override
    {
        ++stores;
        m_doc.m_image.setByte(layout::kSquelchLevel, 0x09);
    }
    void ReportFileError(const FileStatus& status) override { errors.push_back(status.text() + " " + status.detail()); }

    int stores = 0;
    QStringList errors;

private:
    CProgramDoc& m_doc;
};

class ProgramDocTest : public testing::Test {
protected:
    ProgramDocTest() { doc.SetHost(&host); }

    TempFiles files;
    CProgramDoc doc;
    StandInHost host{doc};
};

TEST_F(ProgramDocTest, NewDocumentIsTheResetImage)
{
    doc.m_image.setByte(0x123, 0x00);
    ASSERT_TRUE(doc.OnNewDocument());
    RadioImage reset;
    reset.ResetToDefaults();
    EXPECT_EQ(doc.m_image, reset);
    EXPECT_TRUE(doc.GetPathName().isEmpty());
}

TEST_F(ProgramDocTest, SaveStoresTheFormFirstThenWritesAll1024Bytes)
{
    ASSERT_TRUE(doc.OnNewDocument());
    const QString path = files.path("new.sin");
    ASSERT_TRUE(doc.OnSaveDocument(path));

    EXPECT_EQ(host.stores, 1);
    const QByteArray saved = TempFiles::read(path);
    ASSERT_EQ(saved.size(), 1024);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[layout::kSquelchLevel]), 0x09);
    EXPECT_EQ(doc.GetPathName(), path);
}

TEST_F(ProgramDocTest, OpenReplacesTheWholeImage)
{
    const QString path = files.write("pattern.sin", patternBytes(1024, 3));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    for (int i = 0; i < 1024; ++i)
        ASSERT_EQ(doc.m_image.byte(static_cast<std::size_t>(i)), static_cast<std::uint8_t>(patternBytes(1024, 3)[i]));
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(ProgramDocTest, AFailedOpenReportsAndKeepsImageAndPath)
{
    const QString good = files.write("good.sin", patternBytes(1024, 4));
    ASSERT_TRUE(doc.OnOpenDocument(good));
    const RadioImage before = doc.m_image;

    const QString shortFile = files.write("short.sin", patternBytes(1023, 8));
    EXPECT_FALSE(doc.OnOpenDocument(shortFile));

    EXPECT_EQ(doc.m_image, before);
    EXPECT_EQ(doc.GetPathName(), good);
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains("short.sin"));
    EXPECT_TRUE(host.errors[0].contains("1023"));
}

TEST_F(ProgramDocTest, SerializeRoundTripsThroughABuffer)
{
    doc.m_image.setByte(0, 0x01);
    doc.m_image.setByte(1023, 0x02);
    std::vector<std::uint8_t> buffer;
    {
        CArchive ar(buffer, CArchive::store);
        doc.Serialize(ar);
        EXPECT_TRUE(ar.ok());
    }
    ASSERT_EQ(buffer.size(), 1024u);

    CProgramDoc other;
    CArchive ar(buffer, CArchive::load);
    other.Serialize(ar);
    EXPECT_TRUE(ar.ok());
    EXPECT_EQ(other.m_image, doc.m_image);
}

} // namespace
