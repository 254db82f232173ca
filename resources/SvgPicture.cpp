#include "resources/SvgPicture.h"

#include "pixels/FileError.h"

#include <QFile>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <atomic>

namespace {

// Qt's SVG module only warns about what it cannot draw (an unknown
// reference, a bad colour) and leaves it out; for hand-written sources such
// a warning is a typo, so rendering collects them and refuses the picture.
// Pictures may be drawn on several threads at once: the handler is installed
// once for the whole run and each thread collects its own warnings.
class SvgComplaints {
public:
    SvgComplaints() : outer_(active_) {
        [[maybe_unused]] static const bool installed = [] {
            previous_ = qInstallMessageHandler(&SvgComplaints::handle);
            return true;
        }();
        active_ = this;
    }
    ~SvgComplaints() { active_ = outer_; }
    SvgComplaints(const SvgComplaints&) = delete;
    SvgComplaints& operator=(const SvgComplaints&) = delete;

    const QStringList& messages() const { return messages_; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (active_ && qstrcmp(context.category, "qt.svg") == 0) {
            active_->messages_.append(text);
            return;
        }
        if (const QtMessageHandler previous = previous_)
            previous(type, context, text);
    }

    static inline std::atomic<QtMessageHandler> previous_ = nullptr;
    static inline thread_local SvgComplaints* active_ = nullptr;
    SvgComplaints* outer_;
    QStringList messages_;
};

} // namespace

QByteArray readSvg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, file.errorString());
    return file.readAll();
}

namespace {

// Draws svg over the whole of image, which keeps what it holds beneath.
void drawSvg(const QByteArray& svg, const QString& name, bool antialias, QImage& image) {
    const SvgComplaints complaints;
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        throw FileError(name, QStringLiteral("not a valid SVG"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialias);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, antialias);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    if (!complaints.messages().isEmpty())
        throw FileError(name, complaints.messages().join(QStringLiteral("; ")));
}

} // namespace

QImage renderSvg(const QByteArray& svg, const QString& name, bool antialias, QSize size) {
    if (size.isEmpty()) {
        const QSvgRenderer renderer(svg);
        size = renderer.defaultSize();
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    drawSvg(svg, name, antialias, image);
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage renderSvgOver(const QByteArray& svg, const QString& name, QImage backdrop) {
    // Drawn on the backdrop's own pixels: a large picture is not copied first.
    QImage image = std::move(backdrop).convertToFormat(QImage::Format_RGB32);
    drawSvg(svg, name, true, image);
    return image;
}

QImage flatten(const QImage& image, const QImage& backdrop) {
    QImage flat = backdrop.convertToFormat(QImage::Format_RGB32);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}

QImage whiteBackdrop(QSize size) {
    QImage white(size, QImage::Format_RGB32);
    white.fill(Qt::white);
    return white;
}
