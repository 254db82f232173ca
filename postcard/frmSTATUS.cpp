#include "postcard/frmSTATUS.h"

#include "book/ControlPlaces.h"
#include "pixels/BitmapFile.h"
#include "postcard/PostcardConstants.h"
#include "postcard/PostcardStyle.h"
#include "resources/SvgSources.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWindow>

namespace {

// The status must show even when its picture is gone: the white window of
// the layout stands in for it.
QImage backgroundOrNothing(const QString& path) {
    try {
        return loadPicture(path);
    } catch (const FileError&) {
        return {};
    }
}

constexpr int kLongestExposeWaitMs = 1000;

} // namespace

frmSTATUS::frmSTATUS(QWidget* owner, const QString& dataFolder)
    : PictureWindow(owner, backgroundOrNothing(dataFolder + DataFiles::PostcardBackground),
                    dataFileSource(DataFiles::PostcardBackground),
                    postcardRect("frmSTATUS").size()) {
    setWindowTitle(QString());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    lblStatus = makeWhiteLabel(this, "lblStatus", tr(StatusSending), largeBoldFont(),
                               postcardRect("lblStatus"), Qt::AlignHCenter | Qt::AlignTop);
    lblStatus->setWordWrap(true);
}

void frmSTATUS::showNow() {
    show();
    raise();
    QElapsedTimer clock;
    clock.start();
    while (!(windowHandle() && windowHandle()->isExposed()) &&
           clock.elapsed() < kLongestExposeWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
}

void frmSTATUS::showStatus(const QString& text) {
    lblStatus->setText(text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    lblStatus->repaint();
}

QString frmSTATUS::statusText() const {
    return lblStatus->text();
}
