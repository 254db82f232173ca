#pragma once
#include <QPlainTextEdit>

// A several-line text box that takes at most maxLength characters: typing
// stops at the limit, and pasting or dropping inserts only what still fits.
// A line break counts as one character.
class LimitedPlainTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    LimitedPlainTextEdit(int maxLength, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Characters that may still be added in place of the selection.
    int room() const;

    int maxLength_;
};
