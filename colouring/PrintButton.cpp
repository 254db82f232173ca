#include "colouring/PrintButton.h"

#include "book/BookFacts.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <cups/cups.h>
#include <memory>

namespace {

// Qt submits a CUPS job inside QPainter::end() and drops CUPS' answer;
// libcups keeps the answer to the thread's last request, read here. Empty
// when the job was taken or the print went to a file.
QString refusalByCups(const QPrinter& printer) {
    const ipp_status_t status = cupsLastError();
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty() ||
        status <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    const QString said = QString::fromUtf8(cupsLastErrorString());
    const QString reason = said.isEmpty() ? QString::fromUtf8(ippErrorString(status)) : said;
    // A printer removed meanwhile is told only as a missing file: ask.
    const QByteArray name = printer.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr),
        [](cups_dest_t* d) { cupsFreeDests(1, d); });
    if (!dest)
        //: A reason, shown after "Reason:". %1 is the printing system's reason.
        return QCoreApplication::translate("cmdPRINT", "the printer cannot be found (%1)")
            .arg(reason);
    return reason;
}

} // namespace

QRect fittedPlace(QSize picture, QRect area) {
    if (picture.isEmpty() || area.isEmpty())
        return {};
    const QSize size = picture.scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
}

QString printPicture(QPrinter& printer, const QImage& picture) {
    printer.setColorMode(QPrinter::Color);
    printer.setFullPage(false);
    printer.setFromTo(1, 1);
    QPainter painter;
    if (!painter.begin(&printer))
        //: A reason, shown after "Reason:".
        return QCoreApplication::translate("cmdPRINT", "the printer could not be opened");
    // The painter's origin is the printable area's top-left.
    const QRect area(QPoint(0, 0),
                     printer.pageLayout().paintRectPixels(printer.resolution()).size());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(fittedPlace(picture.size(), area), picture);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        //: A reason, shown after "Reason:".
        return QCoreApplication::translate("cmdPRINT",
                                           "the printer stopped before the page was done");
    return refusalByCups(printer);
}

void cmdPRINT_Click(QWidget* window, const QImage& canvasImage, const MessageReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window);
    dialog.setWindowTitle(QCoreApplication::translate("cmdPRINT", "Print My Picture"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QImage picture = canvasImage.copy(); // what the canvas shows at the moment of printing
    if (const QString reason = printPicture(printer, picture); !reason.isEmpty()) {
        const QString name =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        //: %1 is the printer's name or the file printed to, %2 the reason.
        report(window, QLatin1String(kProgramTitle),
               QCoreApplication::translate(
                   "cmdPRINT", "The picture could not be printed.\n\nPrinter: %1\nReason: %2")
                   .arg(
                       //: Stands for the printer's name when no printer was chosen.
                       name.isEmpty() ? QCoreApplication::translate("cmdPRINT", "(none)") : name,
                       reason));
    }
}
