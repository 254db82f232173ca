#include "app/GrownUpQuestion.h"

#include "app/NumberWords.h"
#include "postcard/PostcardStyle.h"
#include "resources/CrispPictures.h"

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>

namespace {

// Three figures: too long to guess, short to type.
constexpr int kSmallest = 101;
constexpr int kLargest = 999;

QPushButton* makeButton(QWidget* window, const char* name, const QString& text, QRect place) {
    auto* button = new QPushButton(text, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

} // namespace

GrownUpQuestion::GrownUpQuestion(QWidget* owner, const QPixmap& background)
    : QDialog(owner), background_(background) {
    setObjectName(QStringLiteral("GrownUpQuestion"));
    setWindowTitle(tr("Grown-ups only"));
    setFixedSize(358, 180);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const auto left = Qt::AlignLeft | Qt::AlignTop;
    // Selectable, so that a grown-up may read it out with a screen reader or copy it.
    lblWords =
        makeWhiteLabel(this, "lblWords", QString(), largeBoldFont(), {16, 38, 326, 52}, left);
    lblWords->setWordWrap(true);
    lblWords->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblWords->setFocusPolicy(Qt::StrongFocus);
    makeWhiteLabel(this, "lblAsk", tr("Please write this number in digits:"), labelFont(),
                   {16, 12, 326, 22}, left);
    txtAnswer = new QLineEdit(this);
    txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    txtAnswer->setGeometry(16, 98, 140, 28);
    txtAnswer->setFont(largeBoldFont());
    txtAnswer->setValidator(new QIntValidator(0, kLargest, txtAnswer));
    lblHint = makeWhiteLabel(this, "lblHint", QString(), labelFont(), {168, 98, 174, 34}, left);
    lblHint->setWordWrap(true);
    auto* cmdCANCEL = makeButton(this, "cmdCANCEL", tr("Cancel"), {16, 140, 140, 30});
    auto* cmdOK = makeButton(this, "cmdOK", tr("OK"), {202, 140, 140, 30});
    cmdOK->setDefault(true);
    setTabOrder(lblWords, txtAnswer);
    setTabOrder(txtAnswer, cmdOK);
    setTabOrder(cmdOK, cmdCANCEL);
    connect(cmdOK, &QPushButton::clicked, this, &GrownUpQuestion::answer);
    connect(cmdCANCEL, &QPushButton::clicked, this, &QDialog::reject);
    askAnew();
    txtAnswer->setFocus();
}

QString GrownUpQuestion::question() const {
    return lblWords->text();
}

void GrownUpQuestion::askAnew() {
    number_ = QRandomGenerator::global()->bounded(kSmallest, kLargest + 1);
    lblWords->setText(numberInWords(number_, QLocale().name()));
    txtAnswer->clear();
}

void GrownUpQuestion::answer() {
    if (txtAnswer->text().toInt() == number_ && !txtAnswer->text().isEmpty()) {
        accept();
        return;
    }
    lblHint->setText(tr("That is not the number. Here is a new one."));
    askAnew();
}

void GrownUpQuestion::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(40, 80, 160));
    // The picture's right part: its left holds the composer's preview frame.
    painter.drawPixmap(width() - background_.width(), 0,
                       CrispPictures::at(background_, devicePixelRatioF()));
}

bool GrownUpQuestion::ask(QWidget* owner, const QPixmap& background) {
    GrownUpQuestion question(owner, background);
    return question.exec() == QDialog::Accepted;
}
