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

int main(int argc, char** argv) {
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
        FullScreenHost fullScreen(window);
        window.Form_Load();
        if (QApplication::arguments().contains(QStringLiteral("--fullscreen")) ||
            settings.fullscreen)
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
