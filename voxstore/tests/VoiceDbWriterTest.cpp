// The builder's image as the store reads it, and the limits of the 16-bit fields.
#include "voxstore/builder/VoiceDbWriter.h"

#include "FixtureDatabase.h"
#include "voxstore/VoxStore.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace voxstore::test {
namespace {

TEST(VoiceDbWriterTest, ImageLoadsAndSpeaksItsSegments)
{
    VoiceDbWriter writer;
    writer.setSegmentZero(Bytes(3, 0xAA));
    const auto one = writer.addSegment(Bytes(5, 0x11));
    const auto two = writer.addSegment(Bytes(7, 0x22));
    writer.mapCode('1', one);
    writer.mapCode(128, two);
    const Bytes image = writer.image();
    EXPECT_EQ(image, databaseImage({{'1', 1}, {128, 2}}, {Bytes(3, 0xAA), Bytes(5, 0x11), Bytes(7, 0x22)}));

    ScratchFolder folder;
    writeFile(folder.path("VoiceDB.dat"), image);
    UnInstallVoxStore();
    ASSERT_EQ(InstallVoxStore(folder.path("VoiceDB.dat").c_str()), VOXSTORE_OK);
    ASSERT_EQ(TxtToVoc("1\xB0\xA1x", nullptr, folder.path("out.voc").c_str(), 0, -1), VOXSTORE_OK);
    UnInstallVoxStore();
    Bytes expected(5, 0x11);
    expected.insert(expected.end(), 7, 0x22);
    expected.insert(expected.end(), 3, 0xAA);
    EXPECT_EQ(readFile(folder.path("out.voc")), expected);
}

TEST(VoiceDbWriterTest, RefusesWhatTheFormatCannotHold)
{
    VoiceDbWriter writer;
    EXPECT_NO_THROW(writer.addSegment(Bytes(0xFFFF)));
    EXPECT_THROW(writer.addSegment(Bytes(0x10000)), std::runtime_error);
    EXPECT_THROW(writer.setSegmentZero(Bytes(0x10000)), std::runtime_error);
    while (writer.segmentCount() < 0xFFFF)
        writer.addSegment({});
    EXPECT_THROW(writer.addSegment({}), std::runtime_error);
    EXPECT_THROW(writer.mapCode(6896, 1), std::out_of_range);
}

} // namespace
} // namespace voxstore::test
