#include "controls/MessageReport.h"

#include <QMessageBox>

namespace {

// The text can be selected and copied, so that a parent can pass on a path
// or a reason as it stands, in whatever language it is shown.
void run(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

} // namespace

void showWarning(QWidget* parent, const QString& title, const QString& text) {
    run(QMessageBox::Warning, parent, title, text);
}

void showMessageBox(QWidget* parent, const QString& title, const QString& text) {
    run(QMessageBox::NoIcon, parent, title, text);
}
