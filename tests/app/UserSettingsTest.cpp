// The system's and the user's Vellumix.conf, and what reaches the delivery.
#include "app/UserSettings.h"

#include "app/SettingsTable.h"
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

    // What the delivery is handed.
    static PostcardSettings delivered(const UserSettings& settings) {
        PostcardSettings postcard;
        applyPostcardSettings(settings, postcard);
        return postcard;
    }

    // vellumix --check-settings: its status, its lines in shown_.
    int check() {
        return checkSettings(readSettingsFiles(), [this](const QString& l) { shown_ << l; });
    }

    QTemporaryDir dir_;
    QStringList complaints_;
    QStringList shown_;
};

} // namespace

TEST_F(UserSettingsTest, TheUsersFileWinsOverTheSystemsKeyByKey) {
    write("system", "[postcard]\nservice=https://cards.school.example\nsender=a@school.example\n");
    write("user", "[postcard]\nsender=kids@home.example\n");
    const UserSettings settings = read();
    EXPECT_EQ(settings.postcardService, "https://cards.school.example");
    EXPECT_EQ(settings.postcardSender, "kids@home.example");
    EXPECT_TRUE(complaints_.isEmpty()) << complaints_.join('\n').toStdString();

    const PostcardSettings postcard = delivered(settings);
    EXPECT_EQ(postcard.service, "https://cards.school.example");
    EXPECT_EQ(postcard.sender, "kids@home.example");
}

TEST_F(UserSettingsTest, NoFilesKeepTheCompiledDefaultsAndNameTheFilesToSet) {
    const PostcardSettings postcard = delivered(read());
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
        write("user", "[postcard]\nrelay_tls=" + value + "\n");
        EXPECT_EQ(delivered(read()).verifyRelayCertificate, verify) << value.toStdString();
        EXPECT_EQ(complaints_.size(), complained ? 1 : 0) << value.toStdString();
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
    const PostcardSettings postcard = delivered(settings);
    EXPECT_EQ(postcard.service, "ftp://cards.example");
    EXPECT_EQ(postcard.sender, "nobody");
}

namespace {

struct Case {
    const char* name;
    QByteArray system, user;
    const char* key;     // as --check-settings shows it
    const char* value;   // what it shows
    const char* problem; // a part of the one complaint expected, or ""
    int status = 0;      // of --check-settings
};

class SettingsTableTest : public UserSettingsTest, public testing::WithParamInterface<Case> {};

} // namespace

TEST_P(SettingsTableTest, ReadsEachKeyAsTheTableSays) {
    const Case& c = GetParam();
    write("system", c.system);
    write("user", c.user);
    EXPECT_EQ(check(), c.status);
    EXPECT_TRUE(shown_.contains(QString::fromUtf8(c.key) + " = " + c.value))
        << shown_.join('\n').toStdString();
    read();
    EXPECT_EQ(complaints_.size(), *c.problem ? 1 : 0) << complaints_.join('\n').toStdString();
    for (const QString& complaint : complaints_)
        EXPECT_TRUE(complaint.contains(c.problem)) << complaint.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SettingsTableTest,
    testing::Values(
        Case{"OffIsFalse", "", "[window]\nfullscreen=off\n", "[window] fullscreen",
             "off (user file)", ""},
        Case{"YesInAnyCaseIsTrue", "[book]\nkeep=YES\n", "", "[book] keep", "YES (system file)",
             ""},
        Case{"AnUnknownWordKeepsTheDefault", "", "[print]\nenabled=maybe\n", "[print] enabled",
             "true (user file)", "[print] enabled=maybe cannot be used", 1},
        Case{"AMisspeltKeyIsNamed", "", "[postcard]\nservise=x\n", "[postcard] enabled",
             "true (default)", "[postcard] servise is not a key", 1},
        Case{"AnUnknownSectionIsNamed", "[colour]\nred=1\n", "", "[access] scanning",
             "off (default)", "[colour] is not a section", 1},
        Case{"ALockedKeyTakesTheSystemsValue",
             "[admin]\nlocked=postcard/enabled\n[postcard]\nenabled=false\n",
             "[postcard]\nenabled=true\n", "[postcard] enabled", "false (locked)",
             "[postcard] enabled is locked"},
        Case{"LockingIsReadFromTheSystemsFileOnly", "[postcard]\nenabled=true\n",
             "[admin]\nlocked=postcard/enabled\n[postcard]\nenabled=false\n", "[postcard] enabled",
             "false (user file)", "[admin] locked is read only from", 1},
        Case{"RecipientsNeedNameAndAddress", "", "[postcard]\nrecipients=Gran gran@x.org\n",
             "[postcard] recipients", " (user file)", "[postcard] recipients=Gran gran@x.org", 1}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST_F(UserSettingsTest, TheShippedFileUncommentedSetsEveryKeyToItsDefault) {
    QString text;
    for (const QString& line : settingsFileText().split('\n'))
        text += (line.startsWith('#') && line.contains(" =") ? line.mid(1) : line) + '\n';
    write("system", text.toUtf8());
    EXPECT_EQ(check(), 0) << shown_.join('\n').toStdString();
    for (const SettingKey& key : settingKeys())
        EXPECT_TRUE(shown_.contains(key.shown() + " = " + key.fallback + " (system file)"))
            << key.shown().toStdString() << " is not in the shipped file";
}

TEST_F(UserSettingsTest, ListedRecipientsReachTheDelivery) {
    write("user", "[postcard]\nrecipients=Gran <gran@example.org>, Tom Smith <tom@example.org>\n");
    const PostcardSettings postcard = delivered(read());
    ASSERT_EQ(postcard.recipients.size(), 2);
    EXPECT_EQ(postcard.recipients[1].name, "Tom Smith");
    EXPECT_EQ(postcard.recipients[1].address, "tom@example.org");
}
