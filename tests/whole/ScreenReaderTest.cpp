// The window as a screen reader reads it over AT-SPI, in English and German.
#include "tests/whole/CanvasShots.h"

#include <gtest/gtest.h>

namespace {

struct Language {
    const char* lang;
    std::vector<const char*> names; // each one an object's name, as "role<TAB>name"
};

class ScreenReader : public ::testing::TestWithParam<Language> {};

TEST_P(ScreenReader, NamesEveryControl) {
    if (qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS").isEmpty())
        GTEST_SKIP() << "no D-Bus session bus: run under dbus-run-session";
    ScratchDataFolder scratch;
    RunningProgram program(scratch);
    program.setLanguage(QString::fromLatin1(GetParam().lang));
    program.setEnvironment(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    ASSERT_TRUE(program.start());
    const CommandResult reader =
        runCommand(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral(VELLUMIX_ATSPI_NAMES), QStringLiteral("Vellumix")}, 60000);
    const QString tree = QString::fromUtf8(reader.output);
    ASSERT_EQ(reader.exitCode, 0) << reader.errors.toStdString();
    for (const char* name : GetParam().names)
        EXPECT_TRUE(tree.contains(QString::fromUtf8(name))) << name << " in\n"
                                                            << tree.toStdString();
    EXPECT_FALSE(tree.contains(QStringLiteral("filler"))) << tree.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ScreenReader,
    ::testing::Values(
        Language{"C.UTF-8",
                 {"push button\tPaint", "push button\tDraw", "radio button\tEraser",
                  "radio button\tRed brush", "radio button\tTurquoise brush", "image\tPage 1 of 16",
                  "push button\tUndo", "push button\tRedo", "push button\tPrevious page",
                  "push button\tNext page", "push button\tSave my picture",
                  "push button\tPrint my picture", "push button\tSend a postcard"}},
        Language{"de_DE.UTF-8",
                 {"push button\tMalen", "push button\tZeichnen", "radio button\tRadiergummi",
                  "radio button\tPinsel Rot", "image\tSeite 1 von 16", "push button\tRückgängig",
                  "push button\tNächste Seite", "push button\tMein Bild speichern",
                  "push button\tEine Postkarte schicken"}}),
    [](const auto& info) {
        const std::string lang = info.param.lang;
        return lang.substr(0, lang.find_first_of("._"));
    });

} // namespace
