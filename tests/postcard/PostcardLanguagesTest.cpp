// The composer and the status window in every language the program speaks:
// each label, button and status text fits its place, and no label reaches
// over a box, a button or the preview.
#include "postcard/PostcardConstants.h"
#include "tests/postcard/PostcardHarness.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

namespace {

std::vector<std::string> languages() {
    std::vector<std::string> all{"en"}; // the program's own texts
    for (const QString& language : QStringLiteral(VELLUMIX_LANGUAGES).split(u','))
        all.push_back(language.toStdString());
    return all;
}

bool fits(const QLabel* label) {
    const QRect area = label->contentsRect();
    if (!label->wordWrap())
        return label->fontMetrics().horizontalAdvance(label->text()) <= area.width();
    for (const QString& word : label->text().split(u' '))
        if (label->fontMetrics().horizontalAdvance(word) > area.width())
            return false;
    return label->heightForWidth(area.width()) <= area.height();
}

class PostcardLanguagesTest : public PostcardHarness,
                              public testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        if (GetParam() == "en")
            return;
        ASSERT_TRUE(translator_.load(QStringLiteral(VELLUMIX_TRANSLATIONS_DIR "/vellumix_%1.qm")
                                         .arg(QString::fromStdString(GetParam()))));
        QCoreApplication::installTranslator(&translator_);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator_); }

    QTranslator translator_;
};

} // namespace

TEST_P(PostcardLanguagesTest, EveryTextFitsItsPlace) {
    frmPostcard* composer = openComposer();
    QList<QWidget*> others{control<QLabel>("preview")};
    for (QWidget* child : composer->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QLabel*>(child))
            others << child;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        const QLabel* label = control<QLabel>(name);
        EXPECT_TRUE(fits(label)) << name << " \"" << label->text().toStdString() << "\"";
        for (const QWidget* other : others)
            EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                << name << " reaches over " << other->objectName().toStdString();
    }
    // The preview's captions keep to its width, so they stay off the airmail
    // edge; a wrapped caption is taken at its full width.
    const int previewWidth = control<QLabel>("preview")->width();
    for (const char* name : {"Label4", "Label5"}) {
        const QLabel* caption = control<QLabel>(name);
        const int textWidth = caption->fontMetrics().horizontalAdvance(caption->text());
        EXPECT_LE(caption->wordWrap() ? caption->width() : textWidth, previewWidth)
            << name << " \"" << caption->text().toStdString() << "\" " << textWidth;
    }
    for (const char* name : {"cmdSEND", "cmdCANCEL"}) {
        const auto* button = control<QPushButton>(name);
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    }

    frmSTATUS status(&owner_, dataFolder());
    auto* label = status.findChild<QLabel*>("lblStatus");
    for (const char* text : {StatusSending, StatusPreparing, StatusChecking, StatusSendingPostcard,
                             StatusSent, StatusFailed}) {
        status.showStatus(frmSTATUS::tr(text));
        EXPECT_TRUE(fits(label)) << label->text().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, PostcardLanguagesTest, testing::ValuesIn(languages()),
                         [](const auto& info) { return info.param; });
