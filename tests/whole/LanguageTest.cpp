// The real program speaks the language it is started in: the postcard sent
// to the placeholder recipient is refused with the "Trouble" box, in German
// under a German locale, in the program's own English under LANG=C, and in
// French when the user's Vellumix.conf says language=fr.
#include "tests/support/ProgramHarness.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Language {
    const char* lang;
    const char* setting; // language= in [window], or nothing
    const char* composerTitle;
    const char* boxTitle;
    const char* boxText;
};

class LanguageTest : public testing::TestWithParam<Language> {};

// The box's text as a parent would copy it: a click into it, select all, copy.
QString copiedText(RunningProgram& program, const QString& box) {
    if (!program.focusWindow(box))
        return QStringLiteral("(the box would not take the keyboard)");
    xdotool({"mousemove", "--window", box, "40", "18", "click", "1"});
    program.settle();
    return program.copyFocusedText();
}

} // namespace

TEST_P(LanguageTest, ThePlaceholderRecipientIsRefusedInTheLocalesLanguage) {
    const Language& language = GetParam();
    ScratchDataFolder scratch;
    RunningProgram program(scratch);
    program.setLanguage(QString::fromLatin1(language.lang));
    if (*language.setting) {
        QDir().mkpath(program.configFolder() + "/Vellumix");
        QFile conf(program.configFolder() + "/Vellumix/Vellumix.conf");
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(QByteArray("[window]\nlanguage=") + language.setting + "\n");
    }
    ASSERT_TRUE(program.start());
    program.click({733 + 30, 487 + 43}); // cmdSEND
    const QString composer =
        program.waitForOtherWindow(QString::fromUtf8(language.composerTitle), 10000);
    ASSERT_FALSE(composer.isEmpty()) << "no composer titled " << language.composerTitle;
    ASSERT_TRUE(program.focusWindow(composer));
    // Back from the message past Cancel to Send, leaving the placeholder in place.
    program.key("shift+Tab");
    program.key("shift+Tab");
    program.key("space");
    const QString box = program.waitForOtherWindow(QString::fromUtf8(language.boxTitle), 10000);
    ASSERT_FALSE(box.isEmpty()) << "no box titled " << language.boxTitle;
    EXPECT_EQ(copiedText(program, box).toStdString(), language.boxText);
    program.key("Return");
    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LanguageTest,
    testing::Values(
        Language{"de_DE.UTF-8", "", "Bild verschicken", "Hoppla",
                 "Bitte gib eine richtige E-Mail-Adresse ein, dann kann deine Postkarte "
                 "losfliegen."},
        Language{"C", "", "Send Drawing", "Trouble",
                 "Please enter a valid email address to send your ePostcard."},
        Language{"de_DE.UTF-8", "fr", "Envoyer le dessin", "Oups",
                 "Écris une vraie adresse e-mail pour envoyer ta carte postale."}),
    [](const testing::TestParamInfo<Language>& info) {
        return std::string(info.index == 0   ? "German"
                           : info.index == 1 ? "PosixC"
                                             : "FrenchSetOverGerman");
    });
