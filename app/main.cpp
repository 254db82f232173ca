// Vellumix: a colouring book for young children.
#include "app/DataFolder.h"
#include "app/FullScreenHost.h"
#include "app/SingleWindow.h"
#include "app/Translators.h"
#include "app/UserSettings.h"
#include "app/frmCANVAS.h"
#include "book/BookFacts.h"
#include "pixels/FileError.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstring>

namespace {

void printLine(const QString& line) {
    std::printf("%s\n", line.toLocal8Bit().constData());
}

// The commands that answer on standard output and need no screen.
int answerWithoutWindow(int argc, char** argv, const char* command) {
    QCoreApplication app(argc, argv);
    if (std::strcmp(command, "--print-settings-file") == 0) {
        std::fputs(settingsFileText().toUtf8().constData(), stdout);
        return 0;
    }
    return checkSettings(readSettingsFiles(), printLine);
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--check-settings") == 0 ||
            std::strcmp(argv[i], "--print-settings-file") == 0)
            return answerWithoutWindow(argc, argv, argv[i]);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kProgramTitle));
    QApplication::setDesktopFileName(QStringLiteral("net.example.vellumix"));
    const UserSettings settings = readUserSettings(); // once: a bad value is reported once
    installTranslators(app, settings.language);
    try {
        const QString programFolder = QApplication::applicationDirPath();
        const ProgramFolders folders =
            chooseProgramFolders(programFolder, userFolderOfThisProgram());
        frmCANVAS window(programFolder);
        SingleWindow single(folders.working);
        switch (
            single.claim([&window](const QByteArray& token) { bringToFront(&window, token); })) {
        case SingleWindow::Outcome::Shown:
            return 0; // the open window has been brought to the front
        case SingleWindow::Outcome::Declined:
            return 1;
        case SingleWindow::Outcome::Open:
            break;
        }
        applyPostcardSettings(settings, window.postcardSettings);
        window.access = settings.access;
        window.bookSettings = settings.book;
        FullScreenHost fullScreen(window);
        fullScreen.kiosk = settings.book.kiosk;
        window.Form_Load();
        if (QApplication::arguments().contains(QStringLiteral("--fullscreen")) ||
            settings.fullscreen || settings.book.kiosk)
            fullScreen.enter();
        else
            window.show();
        return QApplication::exec();
    } catch (const FileError& e) {
        // Start-up stops at the failing step; no window is left behind.
        QMessageBox::critical(
            nullptr, QLatin1String(kProgramTitle),
            //: %1 is the path of the file or folder that failed, %2 the reason.
            QCoreApplication::translate("main", "Vellumix cannot start.\n\n%1\n%2.")
                .arg(e.path(), e.reason()));
        return 1;
    }
}
