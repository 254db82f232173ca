// The system's and the user's Vellumix.conf, and what reaches the delivery.
#include "app/UserSettings.h"

#include "postcard/PostcardSettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class UserSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("user"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           dir_.filePath("system"));
    }

    QString write(const char* scope, const QByteArray& text) {
        const QString path = dir_.filePath(scope) + "/Vellumix/Vellumix.conf";
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    UserSettings read() {
        return readUserSettings([this](const QString& line) { complaints_ << line; });
    }

    QTemporaryDir dir_;
    QStringList complaints_;
};

} // namespace

TEST_F(UserSettingsTest, TheUsersFileWinsOverTheSystemsKeyByKey) {
    write("system", "[postcard]\nservice=https://cards.school.example\nsender=a@school.example\n");
    write("user", "[postcard]\nsender=kids@home.example\n");
    const UserSettings settings = read();
    EXPECT_EQ(settings.postcardService, "https://cards.school.example");
    EXPECT_EQ(settings.postcardSender, "kids@home.example");
    EXPECT_TRUE(complaints_.isEmpty()) << complaints_.join('\n').toStdString();

    PostcardSettings postcard;
    applyPostcardSettings(settings, postcard);
    EXPECT_EQ(postcard.service, "https://cards.school.example");
    EXPECT_EQ(postcard.sender, "kids@home.example");
}

TEST_F(UserSettingsTest, NoFilesKeepTheCompiledDefaultsAndNameTheFilesToSet) {
    PostcardSettings postcard;
    applyPostcardSettings(read(), postcard);
    EXPECT_EQ(postcard.service, PostcardServiceHost);
    EXPECT_EQ(postcard.sender, PostcardSenderAddress);
    EXPECT_FALSE(postcard.verifyRelayCertificate);
    EXPECT_EQ(postcard.settingsFiles, dir_.filePath("user") + "/Vellumix/Vellumix.conf or " +
                                          dir_.filePath("system") + "/Vellumix/Vellumix.conf");
    EXPECT_TRUE(complaints_.isEmpty());
}

TEST_F(UserSettingsTest, RelayTlsIsOpportunisticUnlessSetToVerify) {
    const QList<std::tuple<QByteArray, bool, bool>> rows = {
        {"opportunistic", false, false}, {"verify", true, false}, {"yes", true, true}};
    for (const auto& [value, verify, complained] : rows) {
        complaints_.clear();
        const QString user = write("user", "[postcard]\nrelay_tls=" + value + "\n");
        PostcardSettings postcard;
        applyPostcardSettings(read(), postcard);
        EXPECT_EQ(postcard.verifyRelayCertificate, verify) << value.toStdString();
        ASSERT_EQ(complaints_.size(), complained ? 1 : 0) << value.toStdString();
        for (const QString& complaint : complaints_)
            EXPECT_TRUE(complaint.contains(user + ": [postcard] relay_tls=yes"))
                << complaint.toStdString();
    }
}

TEST_F(UserSettingsTest, AnUnusableValueIsNamedWithItsFileAndKeyAndStillHandedOn) {
    const QString system = write("system", "[postcard]\nservice=ftp://cards.example\n");
    const QString user = write("user", "[postcard]\nsender=nobody\n");
    const UserSettings settings = read();
    ASSERT_EQ(complaints_.size(), 2) << complaints_.join('\n').toStdString();
    EXPECT_TRUE(complaints_[0].contains(system + ": [postcard] service=ftp://cards.example"))
        << complaints_[0].toStdString();
    EXPECT_TRUE(complaints_[1].contains(user + ": [postcard] sender=nobody"))
        << complaints_[1].toStdString();
    // The delivery then fails at the request, as for an unreachable service.
    PostcardSettings postcard;
    applyPostcardSettings(settings, postcard);
    EXPECT_EQ(postcard.service, "ftp://cards.example");
    EXPECT_EQ(postcard.sender, "nobody");
}
