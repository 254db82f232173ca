#include "app/AccessibleControls.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace {

struct Registered {
    QPointer<QWidget> window;
    AccessibleWindowModel model;
};

Registered& registered() {
    static Registered r;
    return r;
}

bool isWindow(const QWidget* w) {
    return w && w == registered().window;
}

bool belongs(const QWidget* w) {
    return w && registered().window && w->parentWidget() == registered().window;
}

// The window lists only its controls: the pictures and faces that make up
// its look carry nothing a reader needs.
class AccessibleWindow : public QAccessibleWidget {
public:
    explicit AccessibleWindow(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    int childCount() const override { return int(controls().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto list = controls();
        if (index < 0 || index >= int(list.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(list[std::size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto list = controls();
        const auto at = std::find(list.begin(), list.end(), child ? child->object() : nullptr);
        return at == list.end() ? -1 : int(at - list.begin());
    }

private:
    static std::vector<QWidget*> controls() { return registered().model.controls(); }
};

class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::RadioButton) {
            s.checkable = true;
            s.checked = registered().model.picked(widget());
        }
        s.focusable = true;
        return s;
    }
    QStringList actionNames() const override {
        return role() == QAccessible::Graphic ? QStringList() : QStringList{pressAction()};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && role() != QAccessible::Graphic)
            registered().model.press(widget());
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (isWindow(w) && className == QLatin1String("frmCANVAS"))
        return new AccessibleWindow(w);
    if (!belongs(w))
        return nullptr;
    if (className == QLatin1String("ucButtonA"))
        return new AccessibleControl(w, QAccessible::Button);
    if (className == QLatin1String("Canvas"))
        return new AccessibleControl(w, QAccessible::Graphic);
    if (className == QLatin1String("ImageControl"))
        return new AccessibleControl(w, QAccessible::RadioButton);
    return nullptr;
}

} // namespace

void installAccessibleControls(QWidget* window, AccessibleWindowModel model) {
    static const bool installed = (QAccessible::installFactory(&factory), true);
    (void)installed;
    registered() = {window, std::move(model)};
}

void announceStateChange(QWidget* control) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}
