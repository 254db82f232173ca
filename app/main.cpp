// Vellumix: a colouring book for young children.
#include "app/frmCANVAS.h"
#include "colouring/pixels/FileError.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumix"));
    try {
        frmCANVAS window(QApplication::applicationDirPath());
        window.Form_Load();
        window.show();
        return QApplication::exec();
    } catch (const FileError& e) {
        // Start-up stops at the failing step; no window is left behind.
        QMessageBox::critical(
            nullptr, QStringLiteral("Vellumix"),
            QStringLiteral("Vellumix cannot start.\n\n%1\n%2.").arg(e.path(), e.reason()));
        return 1;
    }
}
