#include "app/UserSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Regression: the settings were looked for in "Vellumix.ini", so the
// family's "Vellumix.conf" was never read.
TEST(UserSettingsFile, FullScreenIsReadFromTheUsersVellumixConf) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    ASSERT_TRUE(QDir(home.path()).mkpath("Vellumix"));
    QFile conf(home.filePath("Vellumix/Vellumix.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[window]\nfullscreen=true\n");
    conf.close();
    EXPECT_TRUE(readUserSettings().fullscreen);
}
