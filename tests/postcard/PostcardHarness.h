#pragma once
// A stand-in main window for the postcard windows: a data folder with the
// postcard picture, a canvas picture, settings for a test service, services
// that record message boxes instead of showing them and deliver to in-process
// fakes, and the slot the main window keeps its composer in.
#include "postcard/frmPostcard.h"
#include "postcard/frmSTATUS.h"
#include "tests/postcard/FakeClients.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

// The sender the harness's settings name.
inline constexpr char kTestSender[] = "postcards@school.example";

struct ReportedMessage {
    QWidget* parent;
    QString text;
    QString title;
};

class PostcardHarness : public ::testing::Test {
protected:
    PostcardHarness();
    ~PostcardHarness() override;

    QString dataFolder() const { return dir_.path() + "/res/"; }
    QString dataFile(const QString& name) const { return dataFolder() + name; }

    // What the main window's send button does.
    frmPostcard* openComposer();

    template <class Control> Control* control(const char* name) const {
        return composer_ ? composer_->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
    }

    frmSTATUS* statusWindow() const { return owner_.findChild<frmSTATUS*>(); }

    // Deletes the windows that closed themselves, as the event loop would.
    static void settle();

    QTemporaryDir dir_;
    QWidget owner_;
    QImage canvas_;
    FakeNetwork network_;
    PostcardSettings settings_;
    PostcardServices services_;
    QList<ReportedMessage> reports_;
    QStringList logLines_; // what the delivery wrote for standard error
    QPointer<frmPostcard> composer_;
};
