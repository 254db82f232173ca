#include "postcard/frmPostcard.h"

#include "book/ControlPlaces.h"
#include "pixels/BitmapFile.h"
#include "postcard/BmpToJpeg.h"
#include "postcard/LimitedPlainTextEdit.h"
#include "postcard/PostcardStyle.h"
#include "postcard/frmSTATUS.h"
#include "postcardprotocol/DeliveryError.h"
#include "postcardprotocol/PostcardRequest.h"
#include "resources/SvgSources.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kMessageMaxLength = 200;

constexpr char kNotSetUp[] = "Vellumix: postcards are not set up: [postcard] service and sender "
                             "are needed in %1.";
constexpr char kNotSent[] = "Vellumix: a postcard could not be sent: %1: %2";

QLineEdit* makeAddressBox(QWidget* window, const char* name) {
    auto* box = new QLineEdit(QString::fromLatin1(PlaceholderAddress), window);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(postcardRect(name));
    return box;
}

QPushButton* makeButton(QWidget* window, const char* name, const QString& text) {
    auto* button = new QPushButton(text, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(postcardRect(name));
    return button;
}

void removeIfPresent(const QString& path) {
    QFile file(path);
    if (file.exists() && !file.remove())
        throw FileError(path, file.errorString());
}

// Lets the windows repaint and take input for the given time. The timer only
// wakes the wait when nothing else happens.
void waitProcessingEvents(std::chrono::milliseconds duration) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.setSingleShot(true);
    while (clock.elapsed() < duration.count()) {
        wake.start(int(duration.count() - clock.elapsed()));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

} // namespace

frmPostcard::frmPostcard(QWidget* owner, const QString& dataFolder, const QString& workingFolder,
                         std::function<QImage()> canvasImage, PostcardSettings settings)
    : PictureWindow(owner, loadPicture(dataFolder + DataFiles::PostcardBackground),
                    dataFileSource(DataFiles::PostcardBackground),
                    postcardRect("frmPostcard").size()),
      DataFolder(dataFolder), workingFolder_(workingFolder), canvasImage_(std::move(canvasImage)),
      settings_(std::move(settings)), Net(settings_.makeHttpClient(settings_.caBundle)) {
    setObjectName(QStringLiteral("frmPostcard"));
    //: The title of the postcard composer.
    setWindowTitle(tr("Send Drawing"));
    const auto right = Qt::AlignRight | Qt::AlignTop;
    const auto left = Qt::AlignLeft | Qt::AlignTop;

    Label1 = makeWhiteLabel(this, "Label1", tr("To:"), labelFont(), postcardRect("Label1"), right);
    txtMailTO = makeAddressBox(this, "txtMailTO");
    Label2 =
        makeWhiteLabel(this, "Label2", tr("From:"), labelFont(), postcardRect("Label2"), right);
    txtMailFROM = makeAddressBox(this, "txtMailFROM");
    Label3 =
        makeWhiteLabel(this, "Label3", tr("Message:"), labelFont(), postcardRect("Label3"), right);
    txtMSG = new LimitedPlainTextEdit(kMessageMaxLength, this);
    txtMSG->setObjectName(QStringLiteral("txtMSG"));
    txtMSG->setGeometry(postcardRect("txtMSG"));
    txtMSG->setFont(largeBoldFont());
    txtMSG->setTabChangesFocus(true);
    //: Over the small picture of the postcard.
    Label4 =
        makeWhiteLabel(this, "Label4", tr("Preview"), labelFont(), postcardRect("Label4"), left);
    preview = new QLabel(this);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setGeometry(postcardRect("preview"));
    preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    preview->setLineWidth(2);
    //: Under the small picture of the postcard; keep it short, it must fit the picture's width.
    Label5 = makeWhiteLabel(this, "Label5", tr("(not actual size)"), labelFont(),
                            postcardRect("Label5"), left);
    // The labels beside the boxes may reach back to the preview, those of the
    // preview across its column.
    const int previewRight = preview->geometry().right();
    for (QLabel* label : {Label1, Label2, Label3})
        fitText(label, previewRight + 6, label->geometry().right());
    for (QLabel* label : {Label4, Label5})
        fitText(label, 4, previewRight + 6);
    cmdCANCEL = makeButton(this, "cmdCANCEL", tr("Cancel"));
    cmdSEND = makeButton(this, "cmdSEND", tr("Send"));

    setTabOrder(txtMSG, txtMailTO);
    setTabOrder(txtMailTO, txtMailFROM);
    setTabOrder(txtMailFROM, cmdSEND);
    setTabOrder(cmdSEND, cmdCANCEL);
    txtMSG->setFocus();

    if (!settings_.recipients.isEmpty()) {
        QStringList names;
        for (const PostcardRecipient& recipient : settings_.recipients)
            names << recipient.name;
        recipientNames_ = new QCompleter(names, txtMailTO);
        recipientNames_->setCaseSensitivity(Qt::CaseInsensitive);
        txtMailTO->setCompleter(recipientNames_);
        // After the box has taken the name the child picked.
        connect(
            recipientNames_, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& name) { txtMailTO->setText(listedAddress(name, true)); },
            Qt::QueuedConnection);
        // Ahead of the completer's own filter: Enter on a name not picked
        // from the list still fills in its address.
        recipientNames_->popup()->installEventFilter(this);
    }
    txtMailTO->installEventFilter(this);
    txtMailFROM->installEventFilter(this);
    connect(cmdSEND, &QPushButton::clicked, this, &frmPostcard::cmdSEND_Click);
    connect(cmdCANCEL, &QPushButton::clicked, this, &frmPostcard::cmdCANCEL_Click);

    paintPreview();
}

frmPostcard::~frmPostcard() = default;

// The picture as it is now, stretched to the whole preview; the preview keeps
// it until the composer is unloaded.
void frmPostcard::paintPreview() {
    const QSize area = preview->contentsRect().size();
    QPixmap picture(area);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), area), canvasImage_());
    painter.end();
    preview->setPixmap(picture);
}

QString frmPostcard::listedAddress(const QString& text, bool whole) const {
    const QString typed = text.trimmed();
    for (const PostcardRecipient& recipient : settings_.recipients)
        if (whole ? recipient.name.compare(typed, Qt::CaseInsensitive) == 0
                  : !typed.isEmpty() && recipient.name.startsWith(typed, Qt::CaseInsensitive))
            return recipient.address;
    return text;
}

bool frmPostcard::fillListedAddress() {
    const QString address = listedAddress(txtMailTO->text(), false);
    if (address == txtMailTO->text())
        return false;
    txtMailTO->setText(address);
    return true;
}

bool frmPostcard::mayBeSentTo(const QString& recipient) const {
    if (settings_.recipients.isEmpty())
        return true;
    for (const PostcardRecipient& listed : settings_.recipients)
        if (listed.address.compare(recipient, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// An address box still holding the placeholder empties itself for typing;
// Enter after the start of a listed name fills in its address.
bool frmPostcard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && recipientNames_ &&
        (watched == txtMailTO || watched == recipientNames_->popup())) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            QAbstractItemView* list = recipientNames_->popup();
            if (watched == list && list->currentIndex().isValid())
                return PictureWindow::eventFilter(watched, event); // the completer picks it
            list->hide();
            if (fillListedAddress())
                return true;
        }
    }
    if (event->type() == QEvent::FocusIn && (watched == txtMailTO || watched == txtMailFROM)) {
        auto* box = static_cast<QLineEdit*>(watched);
        if (box->text() == QLatin1String(PlaceholderAddress))
            box->clear();
    }
    return PictureWindow::eventFilter(watched, event);
}

void frmPostcard::cmdSEND_Click() {
    hide();
    SendPostCard();
}

void frmPostcard::cmdCANCEL_Click() {
    close();
}

QString frmPostcard::workingFile(const char* name) const {
    return workingFolder_ + QString::fromLatin1(name);
}

void frmPostcard::setStatus(const char* text) {
    const QString status = frmSTATUS::tr(text);
    if (status_)
        status_->showStatus(status);
    emit statusShown(status);
}

void frmPostcard::SendPostCard() {
    const QString recipient = listedAddress(txtMailTO->text(), true);
    if (!passesAddressTest(recipient, QString::fromLatin1(PlaceholderAddress)) ||
        !mayBeSentTo(recipient)) {
        settings_.report(parentWidget(), tr(InvalidAddressTitle), tr(InvalidAddressText));
        return;
    }
    deliveryStarted_ = true;

    // Without a service and a sender nothing is prepared and nothing asked.
    const bool setUp = !settings_.service.isEmpty() && !settings_.sender.isEmpty();
    bool sent = false;
    const char* stage = DeliveryStage::Picture;
    try {
        if (!status_)
            status_ = new frmSTATUS(parentWidget(), DataFolder);
        status_->showNow();
        if (setUp) {
            deliver(recipient, stage);
            sent = true;
        } else {
            settings_.log(QString::fromLatin1(kNotSetUp).arg(
                settings_.settingsFiles.isEmpty() ? QStringLiteral("the settings file")
                                                  : settings_.settingsFiles));
        }
    } catch (const DeliveryError& e) {
        logFailure(e.stage().empty() ? stage : e.stage().c_str(), e.what());
    } catch (const std::exception& e) {
        logFailure(stage, e.what());
    }
    // Whatever failed, the child sees the one failure text.
    setStatus(sent ? StatusSent : StatusFailed);

    // The windows stay responsive while the outcome shows; the owner may even
    // be closed meanwhile, taking both windows with it.
    const QPointer<frmPostcard> self(this);
    waitProcessingEvents(settings_.outcomeDisplayTime);
    if (!self)
        return;
    if (status_)
        status_->close();
    close();
}

void frmPostcard::deliver(const QString& recipient, const char*& stage) {
    const QString tempPicture = workingFile(DataFiles::TempPicture);
    const QString picture = workingFile(DataFiles::PostcardPicture);
    setStatus(StatusPreparing);
    removeIfPresent(tempPicture);
    writeBitmapFile(canvasImage_(), tempPicture);
    BmpToJpeg(tempPicture, picture, kJpegQuality);
    removeIfPresent(tempPicture);
    Net->setTimeout(settings_.serviceTimeout);
    setStatus(StatusChecking);
    stage = DeliveryStage::Settings;
    if (!followsAddressRule(settings_.sender))
        throw DeliveryError("the postcards' sender is not an address");
    const QString url = buildServiceUrl(settings_.service, txtMailFROM->text(), recipient,
                                        txtMSG->toPlainText(), QString::fromLatin1(PostcardSerial));
    stage = DeliveryStage::ServiceRequest;
    const QString reply = Net->get(url);
    stage = DeliveryStage::ServiceReply;
    const ServiceReply fields = parseServiceReply(reply);
    // Anyone on the way could read a password sent over plain http.
    if (!fields.username.isEmpty() && !isHttpsService(settings_.service))
        throw DeliveryError("the service's reply carries a mail login over plain http");
    const PostcardMail mail =
        composePostcardMail(fields, settings_.sender, recipient, settings_.smtpPort,
                            QDateTime::currentDateTime(), picture);
    stage = DeliveryStage::MailConnection;
    // A fresh mail client for every attempt, gone when the attempt ends.
    const std::unique_ptr<MailClient> QZSMTP = settings_.makeMailClient(settings_);
    setStatus(StatusSendingPostcard);
    QZSMTP->send(mail);
}

// One line for the grown-ups: the stage and the reason, never the message or
// a password.
void frmPostcard::logFailure(const char* stage, const char* reason) const {
    settings_.log(
        QString::fromLatin1(kNotSent).arg(QLatin1String(stage), QString::fromUtf8(reason)));
}

void showPostcardComposer(QPointer<frmPostcard>& composer, QWidget* owner,
                          const QString& dataFolder, const QString& workingFolder,
                          std::function<QImage()> canvasImage, PostcardSettings settings) {
    if (!composer || composer->deliveryStarted())
        composer = new frmPostcard(owner, dataFolder, workingFolder, std::move(canvasImage),
                                   std::move(settings));
    composer->show();
    composer->raise();
    composer->activateWindow();
}
