#include "app/DataFolder.h"

#include <gtest/gtest.h>

TEST(DataFolder, FollowsTheProgramFolderWithOneSeparator) {
    EXPECT_EQ(deriveDataFolder("/opt/vellumix", '/'), "/opt/vellumix/res/");
    EXPECT_EQ(deriveDataFolder("C:\\Apps\\Book", '\\'), "C:\\Apps\\Book\\res\\");
}

TEST(DataFolder, RootFolderGetsNoDoubledSeparator) {
    EXPECT_EQ(deriveDataFolder("/", '/'), "/res/");
    EXPECT_EQ(deriveDataFolder("C:\\", '\\'), "C:\\res\\");
}
