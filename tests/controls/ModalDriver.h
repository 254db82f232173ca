#pragma once
// Drives modal dialogs from inside their own event loop: the step runs once
// a visible modal widget of the wanted kind is on top; then types into and
// confirms Qt's file dialog as a user would.
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

template <class Widget> void whenModal(std::function<void(Widget*)> step, int timeoutMs = 10000) {
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* widget = qobject_cast<Widget*>(QApplication::activeModalWidget());
        if (widget && widget->isVisible()) {
            timer->stop();
            timer->deleteLater();
            step(widget);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected dialog did not show";
            if (QWidget* stuck = QApplication::activeModalWidget())
                stuck->close();
        }
    });
    timer->start(10);
}

// Types text into the file dialog's name box.
inline void typeName(QFileDialog* dialog, const QString& text) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(text);
}

// Presses the file dialog's Save or Open button, as the user would.
inline void confirm(QFileDialog* dialog) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    ASSERT_NE(buttons, nullptr);
    for (QAbstractButton* button : buttons->buttons()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            ASSERT_TRUE(button->isEnabled());
            button->click();
            return;
        }
    }
    FAIL() << "the dialog has no Save or Open button";
}
