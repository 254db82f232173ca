#pragma once
#include "postcard/PictureWindow.h"
#include "postcard/PostcardSettings.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class LimitedPlainTextEdit;
class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class frmSTATUS;

// The postcard composer: the child addresses the postcard, writes a message,
// sees a small preview of the picture and sends it.
class frmPostcard : public PictureWindow {
    Q_OBJECT

public:
    // canvasImage gives the picture on the canvas as it is at the moment.
    // The window's picture is read from dataFolder, the postcard's files are
    // written in workingFolder. Throws FileError when the window's picture
    // cannot be loaded.
    frmPostcard(QWidget* owner, const QString& dataFolder, const QString& workingFolder,
                std::function<QImage()> canvasImage, PostcardSettings settings = {});
    ~frmPostcard() override;

    // Delivers the canvas's picture as an e-mail postcard and reports the
    // outcome itself. Past the address test it unloads the composer.
    void SendPostCard();

    // True once a delivery got past the address test: the composer is then
    // on its way out and cannot take another postcard.
    bool deliveryStarted() const { return deliveryStarted_; }

signals:
    // A stage's text is on screen in the status window.
    void statusShown(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintPreview();
    void cmdSEND_Click();
    void cmdCANCEL_Click();
    void setStatus(const char* text);
    // The address of the listed recipient whose name starts with text (or
    // is text, with whole); text itself when none is.
    QString listedAddress(const QString& text, bool whole) const;
    bool fillListedAddress();
    bool mayBeSentTo(const QString& recipient) const;
    // The delivery past the address test; stage follows it, for the log.
    void deliver(const QString& recipient, const char*& stage);
    void logFailure(const char* stage, const char* reason) const;
    QString workingFile(const char* name) const;

    QString DataFolder;
    QString workingFolder_;
    std::function<QImage()> canvasImage_;
    PostcardSettings settings_;
    std::unique_ptr<HttpClient> Net;
    QPointer<frmSTATUS> status_;
    bool deliveryStarted_ = false;

    QLabel* Label1;
    QLineEdit* txtMailTO;
    QCompleter* recipientNames_ = nullptr; // only when recipients are listed
    QLabel* Label2;
    QLineEdit* txtMailFROM;
    QLabel* Label3;
    LimitedPlainTextEdit* txtMSG;
    QLabel* Label4;
    QLabel* preview;
    QLabel* Label5;
    QPushButton* cmdCANCEL;
    QPushButton* cmdSEND;
};

// The main window's send button: shows the composer in composer, or loads a
// new one when there is none or the one there is busy with its delivery.
// Throws FileError when a new composer cannot load its picture.
void showPostcardComposer(QPointer<frmPostcard>& composer, QWidget* owner,
                          const QString& dataFolder, const QString& workingFolder,
                          std::function<QImage()> canvasImage, PostcardSettings settings = {});
