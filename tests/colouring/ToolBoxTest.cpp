// The tool box: picking and putting back colours and the eraser, and the
// two mode buttons, pressed where a child would press them.
#include "tests/support/WindowTest.h"

#include <QCursor>
#include <string>
#include <vector>

namespace {

// The colours of the twelve slots as packed values, from their red, green
// and blue parts.
std::vector<Colour> slotColours() {
    const int rgb[12][3] = {{255, 0, 0},     {255, 255, 0},  {0, 0, 255},     {0, 255, 0},
                            {255, 128, 0},   {30, 30, 30},   {85, 56, 47},    {128, 128, 128},
                            {255, 128, 192}, {204, 28, 173}, {240, 190, 139}, {0, 255, 255}};
    std::vector<Colour> colours;
    for (const auto& c : rgb)
        colours.push_back(Colour(c[0] + 256 * c[1] + 65536 * c[2]));
    return colours;
}

struct KnownCursor {
    std::string name;
    QImage picture;
};

const std::vector<KnownCursor>& knownCursors() {
    static const std::vector<KnownCursor> cursors = [] {
        std::vector<KnownCursor> list;
        QStringList names{"HANDY", "ERASER"};
        for (int n = kFirstCursorNumber; n <= kLastCursorNumber; ++n)
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

// Which of the program's cursors this is: "HANDY", "ERASER", "101" to "124",
// or "unknown". A match needs the same picture and the same hot spot.
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

constexpr Colour kRed = 255;
constexpr Colour kWhite = 16777215;

class ToolBoxTest : public ShownWindowTest {
protected:
    void expectColours(Colour colour) {
        EXPECT_EQ(window->canvas->ForeColor, colour);
        EXPECT_EQ(window->canvas->FillColor, colour);
    }

    void expectNothingPicked(Colour colours) {
        EXPECT_FALSE(window->state().ToolArmed);
        EXPECT_FALSE(window->state().EraserOn);
        EXPECT_FALSE(window->imgNONE->isVisible());
        EXPECT_FALSE(window->cmdERASER_OFF->isVisible());
        EXPECT_EQ(cursorName(window->cursor()), "HANDY");
        expectColours(colours);
    }

    void expectColourPicked(int slot) {
        EXPECT_TRUE(window->state().ToolArmed);
        EXPECT_FALSE(window->state().EraserOn);
        // The empty slot lies over the picked one and takes its presses.
        EXPECT_TRUE(window->imgNONE->isVisible());
        EXPECT_EQ(window->imgNONE->geometry(), QRect(141 + 34 * slot, 435, 35, 165));
        EXPECT_EQ(window->childAt(centreOf(window->cmdCOLOR.at(slot))), window->imgNONE);
        EXPECT_FALSE(window->cmdERASER_OFF->isVisible());
        const int cursor = window->state().ToolKind == ToolKinds::DrawMode
                               ? drawCursorNumber(slot)
                               : paintCursorNumber(slot);
        EXPECT_EQ(cursorName(window->cursor()), std::to_string(cursor));
        expectColours(slotColours().at(slot));
    }

    void expectEraserPicked() {
        EXPECT_TRUE(window->state().ToolArmed);
        EXPECT_TRUE(window->state().EraserOn);
        EXPECT_FALSE(window->imgNONE->isVisible());
        EXPECT_TRUE(window->cmdERASER_OFF->isVisible());
        EXPECT_EQ(window->childAt(centreOf(window->cmdERASER)), window->cmdERASER_OFF);
        EXPECT_EQ(cursorName(window->cursor()), "ERASER");
        expectColours(kWhite);
    }

    void pressEmptySlot(Qt::MouseButton which = Qt::LeftButton) {
        clickAt(centreOf(window->imgNONE), which);
    }
    void pressEmptyEraserSlot(Qt::MouseButton which = Qt::LeftButton) {
        clickAt(centreOf(window->cmdERASER_OFF), which);
    }

    void expectDrawMode(bool draw) {
        EXPECT_EQ(window->state().ToolKind, draw ? ToolKinds::DrawMode : ToolKinds::PaintMode);
        EXPECT_EQ(window->imgCRAYONS->isVisible(), draw);
        EXPECT_EQ(window->imgBRUSHES->isVisible(), !draw);
    }
};

TEST_F(ToolBoxTest, StartUpEndsInPaintModeWithNothingPickedAndRedColours) {
    expectDrawMode(false);
    expectNothingPicked(kRed);
    EXPECT_EQ(window->canvas->DrawWidth, 10);
}

TEST_F(ToolBoxTest, SlotsLieEdgeToEdgeAndCarryTheirColourAsDecimalTag) {
    ASSERT_EQ(window->cmdCOLOR.size(), 12u);
    const auto colours = slotColours();
    for (int i = 0; i < kPaletteSize; ++i) {
        ImageControl* slot = window->cmdCOLOR[i];
        // 2115 + 510 i twips from the left, at 6855, 510 x 2115 twips.
        EXPECT_EQ(slot->geometry(), QRect(141 + 34 * i, 457, 34, 141)) << "slot " << i;
        EXPECT_TRUE(slot->isVisible());
        EXPECT_EQ(slot->Tag.toStdString(), std::to_string(colours[i])) << "slot " << i;
        EXPECT_EQ(slot->objectName(), "cmdCOLOR");
    }
    EXPECT_EQ(window->cmdCOLOR[0]->Tag, "255");
    EXPECT_EQ(window->cmdCOLOR[5]->Tag, "1973790"); // near-black, not the outline black
}

TEST_F(ToolBoxTest, EverySlotCanBePickedWithBrushesAndWithCrayons) {
    for (ucButtonA* mode : {window->cmdPAINT, window->cmdDRAW}) {
        click(mode);
        for (int slot = 0; slot < kPaletteSize; ++slot) {
            SCOPED_TRACE(mode->objectName().toStdString() + ", slot " + std::to_string(slot));
            pickSlot(slot);
            expectColourPicked(slot);
        }
    }
}

TEST_F(ToolBoxTest, PressingTheEmptySlotPutsTheColourBack) {
    pickSlot(3);
    expectColourPicked(3);
    pickSlot(3); // the empty slot now lies on top of it
    expectNothingPicked(slotColours()[3]);

    pickSlot(9);
    pickSlot(4); // another slot while one is picked: the empty slot moves
    expectColourPicked(4);
    EXPECT_TRUE(window->cmdCOLOR[9]->isVisible());
}

TEST_F(ToolBoxTest, EraserTakesThePlaceOfAPickedColourAndGoesBackAgain) {
    pickSlot(2);
    pressEraserSlot();
    expectEraserPicked();

    pressEraserSlot();           // the empty eraser slot lies on top now
    expectNothingPicked(kWhite); // the colours stay white until the next pick

    pickSlot(6);
    expectColourPicked(6);
}

TEST_F(ToolBoxTest, PickingAColourPutsThePickedEraserBack) {
    pressEraserSlot();
    pickSlot(4);
    expectColourPicked(4);
    EXPECT_EQ(window->childAt(centreOf(window->cmdERASER)), window->cmdERASER);
}

TEST_F(ToolBoxTest, RightAndMiddlePressesActLikeLeftOnes) {
    for (Qt::MouseButton which : {Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(which == Qt::RightButton ? "right" : "middle");
        pickSlot(7, which);
        expectColourPicked(7);
        pressEmptySlot(which);
        expectNothingPicked(slotColours()[7]);
        pressEraserSlot(which);
        expectEraserPicked();
        pressEmptyEraserSlot(which);
        expectNothingPicked(kWhite);
    }
}

TEST_F(ToolBoxTest, ModeSwitchDropsThePickAndTheNextPickTakesTheOtherCursor) {
    const std::string brush = std::to_string(paintCursorNumber(5));
    pickSlot(5);
    EXPECT_EQ(cursorName(window->cursor()), brush);

    click(window->cmdDRAW);
    expectDrawMode(true);
    expectNothingPicked(slotColours()[5]);
    pickSlot(5);
    EXPECT_EQ(cursorName(window->cursor()), std::to_string(drawCursorNumber(5)));

    pressEraserSlot();
    click(window->cmdPAINT);
    expectDrawMode(false);
    expectNothingPicked(kWhite);
    pickSlot(5);
    EXPECT_EQ(cursorName(window->cursor()), brush);
}

TEST_F(ToolBoxTest, PickedPointerShowsOverCanvasAndToolBoxButNotOverImageButtons) {
    const std::string brush = std::to_string(paintCursorNumber(1));
    pickSlot(1);
    ASSERT_EQ(cursorName(window->cursor()), brush);
    for (QWidget* control : std::vector<QWidget*>{
             window->canvas, window->cmdCOLOR[0], window->cmdCOLOR[kPaletteSize - 1],
             window->imgNONE, window->cmdERASER, window->imgBRUSHES})
        EXPECT_EQ(cursorName(control->cursor()), brush) << control->objectName().toStdString();
    EXPECT_EQ(cursorName(window->cmdDRAW->face()->cursor()), "HANDY");
    EXPECT_EQ(cursorName(window->cmdNEXT->face()->cursor()), "HANDY");
}

} // namespace
