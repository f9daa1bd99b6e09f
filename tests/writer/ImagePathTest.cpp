// Where the writer looks for the image, and what it calls the device.
#include "writer/ImagePath.h"

#include <gtest/gtest.h>

TEST(ImagePath, ExtensionIsTheImageNumberWithThreeDigitsAtLeast)
{
    EXPECT_EQ(ImageExtension(0), ".000");
    EXPECT_EQ(ImageExtension(7), ".007");
    EXPECT_EQ(ImageExtension(42), ".042");
    EXPECT_EQ(ImageExtension(1234), ".1234");
    EXPECT_EQ(ImageExtension(-5), ".-05");
}

TEST(ImagePath, OnlyTheFileNamesOwnExtensionIsReplaced)
{
    EXPECT_EQ(ImagePathBeside("/opt/korvant/korvant-setup", ".000"), "/opt/korvant/korvant-setup.000");
    EXPECT_EQ(ImagePathBeside("/opt/korvant/setup.bin", ".000"), "/opt/korvant/setup.000");
    EXPECT_EQ(ImagePathBeside("/media/cd.rom/v4.3/korvant-setup", ".000"), "/media/cd.rom/v4.3/korvant-setup.000");
    EXPECT_EQ(ImagePathBeside("/media/cd.rom/v4.3/setup.x.exe", ".000"), "/media/cd.rom/v4.3/setup.x.000");
    EXPECT_EQ(ImagePathBeside("/opt/k/.setup", ".000"), "/opt/k/.setup.000");
    EXPECT_EQ(ImagePathBeside("korvant-setup", ".000"), "korvant-setup.000");
}

TEST(ImagePath, LongPathsAreKeptWhole)
{
    std::string strDirectory;
    for (int i = 0; i < 40; ++i)
        strDirectory += "/a-rather-long-directory.name";
    EXPECT_EQ(ImagePathBeside(strDirectory + "/korvant-setup", ".000"), strDirectory + "/korvant-setup.000");
}

TEST(ImagePath, DeviceTextIsTheDriveLetterAndAColon)
{
    EXPECT_EQ(OutputDeviceText(0), "A:");
    EXPECT_EQ(OutputDeviceText(1), "B:");
}
