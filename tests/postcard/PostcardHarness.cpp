#include "tests/postcard/PostcardHarness.h"

#include "tests/postcard/PictureCompare.h"
#include "tests/support/Facts.h"
#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace std::chrono_literals;

PostcardHarness::PostcardHarness()
    : canvas_(samplePicture(kCanvasSize.width(), kCanvasSize.height())) {
    QDir().mkpath(dataFolder());
    const QString shipped = shippedDataFolder() + DataFiles::PostcardBackground;
    if (QFile::exists(shipped)) {
        QFile::copy(shipped, dataFile(DataFiles::PostcardBackground));
    } else {
        QImage background(518, 211, QImage::Format_RGB32);
        background.fill(QColor(40, 60, 140));
        background.save(dataFile(DataFiles::PostcardBackground), "BMP");
    }
    owner_.resize(700, 500);
    owner_.show();
    settings_.report = [this](QWidget* parent, const QString& title, const QString& text) {
        reports_.append({parent, text, title});
    };
    settings_.outcomeDisplayTime = 150ms;
    settings_.service = "https://postcards.school.example";
    settings_.sender = kTestSender;
    settings_.log = [this](const QString& line) { logLines_ << line; };
    network_.install(settings_);
}

PostcardHarness::~PostcardHarness() {
    delete composer_;
    settle();
}

frmPostcard* PostcardHarness::openComposer() {
    showPostcardComposer(
        composer_, &owner_, dataFolder(), dataFolder(), [this] { return canvas_; }, settings_);
    return composer_;
}

void PostcardHarness::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
