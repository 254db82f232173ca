#pragma once
// What the window's buttons and keys ask for while the window is busy (a
// stroke held, a page turning) waits, in order, until it is idle again; and
// the keys that ask for it.
#include <QKeySequence>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

class DeferredActions {
public:
    using Action = std::function<void()>;
    using KeyAction = std::pair<QKeySequence::StandardKey, Action>;

    explicit DeferredActions(std::function<bool()> busy) : busy_(std::move(busy)) {}

    // Runs action now, or once runDeferred finds the window idle.
    void whenIdle(Action action);
    // Runs what waited, if the window is idle now.
    void runDeferred();

    // Each key's platform bindings on window run its action when idle.
    void bindKeys(QWidget* window, const std::vector<KeyAction>& keys);

private:
    std::function<bool()> busy_;
    std::vector<Action> deferred_;
};
