#include "postcard/PostcardSettings.h"

#include <QMessageBox>

void showMessageBox(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
