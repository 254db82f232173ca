#include "app/DeferredActions.h"

#include <QShortcut>
#include <QWidget>

namespace {

// The platform's bindings for key; redo also answers to both keys children
// know from other programs, which a bare X11 session would leave out.
QList<QKeySequence> keysFor(QKeySequence::StandardKey key) {
    QList<QKeySequence> sequences = QKeySequence::keyBindings(key);
    if (key == QKeySequence::Redo)
        for (const QKeySequence& known :
             {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
            if (!sequences.contains(known)) // a sequence bound twice would never fire
                sequences << known;
    return sequences;
}

} // namespace

void DeferredActions::whenIdle(Action action) {
    if (busy_())
        deferred_.push_back(std::move(action));
    else
        action();
}

void DeferredActions::runDeferred() {
    if (busy_())
        return;
    const auto actions = std::exchange(deferred_, {});
    for (const auto& action : actions)
        action();
}

void DeferredActions::bindKeys(QWidget* window, const std::vector<KeyAction>& keys) {
    for (const auto& [key, action] : keys)
        for (const QKeySequence& sequence : keysFor(key))
            QObject::connect(new QShortcut(sequence, window), &QShortcut::activated, window,
                             [this, action] { whenIdle(action); });
}
