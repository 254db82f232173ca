#include "postcard/LimitedPlainTextEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

LimitedPlainTextEdit::LimitedPlainTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(maxLength) {}

int LimitedPlainTextEdit::room() const {
    const QTextCursor cursor = textCursor();
    const int selected = cursor.selectionEnd() - cursor.selectionStart();
    // The document counts one more character than its text: the final block end.
    const int length = document()->characterCount() - 1;
    return maxLength_ - length + selected;
}

void LimitedPlainTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool inserts = lineBreak || (!text.isEmpty() && text.at(0).isPrint());
    if (inserts && room() < (lineBreak ? 1 : int(text.size()))) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedPlainTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    const int fits = qMax(0, room());
    if (event->commitString().size() > fits) {
        QInputMethodEvent shortened(event->preeditString(), event->attributes());
        shortened.setCommitString(event->commitString().left(fits), event->replacementStart(),
                                  event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&shortened);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void LimitedPlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    text.truncate(qMax(0, room()));
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1); // never half a character
    textCursor().insertText(text);
    ensureCursorVisible();
}
