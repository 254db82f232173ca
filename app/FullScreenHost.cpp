#include "app/FullScreenHost.h"

#include "app/FullScreenLayout.h"
#include "app/frmCANVAS.h"
#include "resources/CrispPictures.h"
#include "resources/WindowArtwork.h"

#include <QChildEvent>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

FullScreenHost::FullScreenHost(frmCANVAS& book) : book_(book) {
    setObjectName(QStringLiteral("fullScreen"));
    setWindowTitle(book.windowTitle());
    setWindowIcon(book.windowIcon());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // On the book itself, so that it answers in either place.
    connect(new QShortcut(Qt::Key_F11, &book_), &QShortcut::activated, this,
            &FullScreenHost::toggle);
    // The book's own windows (the postcard composer, messages) are watched
    // so that they show in the middle of the screen, over the book.
    book_.installEventFilter(this);
}

bool FullScreenHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &book_ && event->type() == QEvent::ChildAdded) {
        // Told while the child is being made: its kind is not known yet.
        static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
    } else if (on_ && event->type() == QEvent::Show && watched != &book_) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow())
            window->move(geometry().center() - window->rect().center());
    }
    return QWidget::eventFilter(watched, event);
}

FullScreenHost::~FullScreenHost() {
    // The book outlives its host.
    if (book_.parentWidget() == this)
        book_.setParent(nullptr, windowFlags_);
    scale_.restore();
}

void FullScreenHost::toggle() {
    if (on_ && kiosk)
        return;
    if (on_)
        leave();
    else
        enter();
}

void FullScreenHost::enter() {
    if (on_)
        return;
    QScreen* screen = book_.screen();
    const QSize pixels = (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize();
    const FullScreenLayout layout{pixels, book_.size()};
    windowFlags_ = book_.windowFlags();
    windowPlace_ = book_.pos();
    on_ = true;
    scale_.set(screen, layout.factor());
    startDrawingWindowArtwork(book_.devicePixelRatioF());
    book_.setParent(this);
    book_.move(layout.originInScaledScreen().toPoint());
    book_.show();
    setGeometry(screen->geometry());
    showFullScreen();
    fitToScreenPixels(screen);
    raise();
    activateWindow();
    pointerToScale();
}

void FullScreenHost::leave() {
    if (!on_)
        return;
    on_ = false;
    hide();
    scale_.restore();
    book_.setParent(nullptr, windowFlags_);
    book_.move(windowPlace_);
    book_.show();
    book_.raise();
    book_.activateWindow();
    pointerToScale();
}

// The screen's width in logical units is seldom whole (1066.7 at 1.8 on a
// 1920 pixel screen): rounded up, the window would reach a pixel past the
// screen's edge, so the window system is given the screen's own pixels.
void FullScreenHost::fitToScreenPixels(QScreen* screen) {
    if (QPlatformWindow* window = windowHandle() ? windowHandle()->handle() : nullptr)
        window->setGeometry(screen->handle()->geometry());
}

// Cursors are pictures of the screen's device pixels: a new scale draws them anew.
void FullScreenHost::pointerToScale() {
    book_.setMouseIcon(book_.MouseIcon());
    setCursor(CrispPictures::cursorAt(book_.MouseIcon(), devicePixelRatioF()));
}

// The margins continue the desk's outermost pixels, so the desk's
// planks run on to the screen's edges.
void FullScreenHost::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QImage desk = CrispPictures::at(book_.desk(), devicePixelRatioF()).toImage();
    if (desk.isNull())
        return;
    const QRectF book = book_.geometry();
    const qreal w = desk.width();
    const qreal h = desk.height();
    const qreal right = width() - book.right();
    const qreal bottom = height() - book.bottom();
    const struct {
        QRectF target, source;
    } strips[] = {
        {{0, book.top(), book.left(), book.height()}, {0, 0, 1, h}},
        {{book.right(), book.top(), right, book.height()}, {w - 1, 0, 1, h}},
        {{book.left(), 0, book.width(), book.top()}, {0, 0, w, 1}},
        {{book.left(), book.bottom(), book.width(), bottom}, {0, h - 1, w, 1}},
        {{0, 0, book.left(), book.top()}, {0, 0, 1, 1}},
        {{book.right(), 0, right, book.top()}, {w - 1, 0, 1, 1}},
        {{0, book.bottom(), book.left(), bottom}, {0, h - 1, 1, 1}},
        {{book.right(), book.bottom(), right, bottom}, {w - 1, h - 1, 1, 1}},
    };
    for (const auto& strip : strips)
        if (!strip.target.isEmpty())
            painter.drawImage(strip.target, desk, strip.source);
}

void FullScreenHost::mouseMoveEvent(QMouseEvent*) {
    book_.AllOff(QString());
}

void FullScreenHost::closeEvent(QCloseEvent* event) {
    // The book stores its page as it closes, whichever window is closed.
    if (book_.close())
        event->accept();
    else
        event->ignore();
}
