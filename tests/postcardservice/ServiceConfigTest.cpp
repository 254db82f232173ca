// Reading the service's configuration file.
#include "postcardservice/ServiceConfig.h"

#include "tests/support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using testing::HasSubstr;

namespace {

class ServiceConfigTest : public ::testing::Test {
protected:
    QString write(const QByteArray& text, const char* name = "service.conf") {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    // The error's text, empty when the file was taken.
    std::string error(const QByteArray& text) {
        try {
            readServiceConfig(write(text));
        } catch (const ConfigError& e) {
            return e.what();
        }
        return {};
    }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(ServiceConfigTest, TheShippedExampleIsSoundAndGivesTheDefaults) {
    const ServiceConfig config =
        readServiceConfig(sourceDir() + "/postcardservice/postcard-service.conf");
    EXPECT_EQ(config.address, "127.0.0.1");
    EXPECT_EQ(config.port, 8080);
    EXPECT_FALSE(config.https());
    EXPECT_EQ(config.mailServerField(), "mail.home.arpa");
    EXPECT_EQ(config.mailUser, "");
    EXPECT_EQ(config.postcardsPerHour, 20);
    EXPECT_EQ(config.longestMessage, 2000);
    EXPECT_EQ(config.mailTemplate, "{sender} sends you a picture and says:\n\n{message}");
    EXPECT_TRUE(config.allowed.allows(QHostAddress("127.0.0.1")));
    EXPECT_FALSE(config.allowed.allows(QHostAddress("192.168.1.2")));
}

TEST_F(ServiceConfigTest, ABadFileNamesItsLine) {
    const std::vector<std::pair<QByteArray, std::string>> bad = {
        {"[mail]\nserver = m\n\nsevrer = x\n", ":4: unknown key mail/sevrer"},
        {"[mail]\nserver = m\nport = 70000\n", ":3: mail/port: a whole number from 1 to 65535"},
        {"[mail]\nserver = m^x\n", ":2: mail/server"},
        {"[mail]\nserver = m\n[clients]\nallowed = 10.0.0.0/40\n", ":4: clients/allowed"},
        {"[mail]\nserver = m\nserver = n\n", ":3: mail/server is set twice"},
        {"[mail]\nserver m\n", ":2: expected key = value"},
        {"[listen]\nport = 1\n", "service.conf: mail/server"},
        {"[listen]\naddress = 0\n[mail]\nserver = m\n", ":2: listen/address"},
        {"[mail]\nserver = m\nport =\n", ":3: mail/port: has no value"},
        {"[mail]\nserver = m\npassword_file = /p\n", ":3: mail/password_file: a login takes"},
        {"[mail]\nserver = m\n[clients]\nallowed = ::ffff:10.0.0.0/104\n", ":4: clients/allowed"},
        {"[mail]\nserver = m\n[postcard]\ntemplate = Hi {sender}\n",
         ":4: postcard/template: holds no"},
        {"[mail]\nserver = m\n[postcard]\ntemplate = {message} {name}\n",
         "{name} is no placeholder"},
        {"[mail]\nserver = m\n[postcard]\nrecipients = @x, gran\n", ":4: postcard/recipients"}};
    for (const auto& [text, expected] : bad)
        EXPECT_THAT(error(text), HasSubstr(expected));
}

TEST_F(ServiceConfigTest, ALoginNeedsHttpsAndAPasswordFileWithoutACaret) {
    EXPECT_THAT(error("[mail]\nserver = m\nuser = cards\npassword_file = /nonexistent\n"),
                HasSubstr(":3: mail/user: a login is handed to every client"));
    const QByteArray https = "[listen]\ncertificate = c.pem\nkey = k.pem\n[mail]\nserver = m\n"
                             "user = cards\npassword_file = " +
                             dir_.filePath("password").toUtf8() + "\n";
    write("pass^word\n", "password");
    EXPECT_THAT(error(https), HasSubstr(":7: mail/password_file: the password cannot hold"));
    for (const QByteArray& bad : {QByteArray("\n"), QByteArray("s3cret\nsecond\n")}) {
        write(bad, "password");
        EXPECT_THAT(error(https), HasSubstr(":7: mail/password_file: ")) << bad.data();
    }
    write("s3cret\n", "password");
    QFile::setPermissions(dir_.filePath("password"),
                          QFileDevice::ReadOwner | QFileDevice::ReadOther);
    EXPECT_EQ(error(https), "");
    const ServiceConfig config = readServiceConfig(write(https));
    EXPECT_EQ(config.password, "s3cret");
    ASSERT_EQ(config.warnings.size(), 1);
    EXPECT_TRUE(config.warnings[0].contains("can be read by every user"))
        << qPrintable(config.warnings[0]);
}
