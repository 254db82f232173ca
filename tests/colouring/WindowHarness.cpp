#include "tests/colouring/WindowHarness.h"

#include <QTest>

void WindowHarness::SetUp() {
    prepareDataFolder();
    window = std::make_unique<frmCANVAS>(scratch.programFolder());
    window->report = [this](QWidget*, const QString& title, const QString& text) {
        reports << title + ": " + text;
    };
    window->frameIntervalMs = 0;
    window->Form_Load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowHarness::TearDown() {
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

QPoint WindowHarness::at(const QWidget* control, QPoint local) const {
    return control->mapTo(window.get(), local);
}

QPoint WindowHarness::centreOf(const QWidget* control) const {
    return at(control, control->rect().center());
}

void WindowHarness::pressAt(QPoint windowPos, Qt::MouseButton which) {
    QTest::mousePress(window->windowHandle(), which, {}, windowPos);
}

void WindowHarness::releaseAt(QPoint windowPos, Qt::MouseButton which) {
    QTest::mouseRelease(window->windowHandle(), which, {}, windowPos);
}

void WindowHarness::clickAt(QPoint windowPos, Qt::MouseButton which) {
    QTest::mouseClick(window->windowHandle(), which, {}, windowPos);
}

void WindowHarness::moveTo(QPoint windowPos) {
    QTest::mouseMove(window->windowHandle(), windowPos);
}

void WindowHarness::stroke(const std::vector<QPoint>& points) {
    canvasPress(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        canvasMove(points[i]);
    // Released where the last move left the pointer, so that the platform
    // adds no move of its own.
    canvasRelease(points.back());
}

std::vector<Colour> slotColours() {
    const int rgb[12][3] = {{255, 0, 0},     {255, 255, 0},  {0, 0, 255},     {0, 255, 0},
                            {255, 128, 0},   {30, 30, 30},   {85, 56, 47},    {128, 128, 128},
                            {255, 128, 192}, {204, 28, 173}, {240, 190, 139}, {0, 255, 255}};
    std::vector<Colour> colours;
    for (const auto& c : rgb)
        colours.push_back(Colour(c[0] + 256 * c[1] + 65536 * c[2]));
    return colours;
}

namespace {

struct KnownCursor {
    std::string name;
    QImage picture;
};

const std::vector<KnownCursor>& knownCursors() {
    static const std::vector<KnownCursor> cursors = [] {
        std::vector<KnownCursor> list;
        QStringList names{"HANDY", "ERASER"};
        for (int n = 101; n <= 124; ++n)
            names << QString::number(n);
        for (const QString& name : names) {
            const QImage picture(":/cursors/" + name + ".png");
            list.push_back(
                {name.toStdString(), picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)});
        }
        return list;
    }();
    return cursors;
}

bool hotSpotFits(const std::string& name, QPoint hot) {
    if (name == "HANDY")
        return hot == QPoint(12, 1);
    if (name == "ERASER")
        return hot == QPoint(1, 25);
    return hot.x() <= 1 && hot.y() >= 30 && hot.y() <= 31; // the drawing tip
}

} // namespace

std::string cursorName(const QCursor& cursor) {
    if (cursor.shape() != Qt::BitmapCursor)
        return "shape " + std::to_string(int(cursor.shape()));
    const QImage picture =
        cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (const KnownCursor& known : knownCursors())
        if (!known.picture.isNull() && known.picture == picture)
            return hotSpotFits(known.name, cursor.hotSpot()) ? known.name
                                                             : known.name + " (wrong hot spot)";
    return "unknown";
}
