#pragma once
// "Grown-ups only": a number written out in words, to be answered in digits.
// A child who cannot yet read cannot answer it; a parent can. It guards
// leaving the kiosk and, where the settings ask for it, the postcard.
#include <QDialog>
#include <QPixmap>

class QLabel;
class QLineEdit;

class GrownUpQuestion : public QDialog {
    Q_OBJECT
public:
    // background: the book's postcard picture, painted behind the question.
    GrownUpQuestion(QWidget* owner, const QPixmap& background);

    // The number asked, in words in the book's language.
    QString question() const;

    // True only when the number was answered; Escape or Cancel is false.
    static bool ask(QWidget* owner, const QPixmap& background);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void askAnew();
    void answer();

    QPixmap background_;
    int number_ = 0;
    QLabel* lblWords;
    QLabel* lblHint;
    QLineEdit* txtAnswer;
};
