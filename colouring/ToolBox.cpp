#include "colouring/ToolBox.h"

#include "colouring/Canvas.h"
#include "controls/Cursors.h"
#include "controls/ImageControl.h"

#include <QVariant>

ToolBox::ToolBox(ProgramState& state, ToolBoxControls controls) : state_(state), c_(controls) {}

void ToolBox::paletteSetUp() {
    for (int i = 0; i < kPaletteSize; ++i)
        state_.PaletteColors[i] = kPaletteTable[i];
    c_.canvas->ForeColor = 255;
    c_.canvas->FillColor = 255;

    auto& paletteSlots = *c_.cmdCOLOR;
    paletteSlots.resize(1);
    for (int i = 1; i < kPaletteSize; ++i) {
        const QRect previous = paletteSlots[i - 1]->geometry();
        auto* slot = new ImageControl(c_.window, paletteSlots[0]->objectName(), previous);
        slot->setProperty("Index", i);
        slot->move(previous.left() + previous.width(), previous.top());
        slot->setVisible(true);
        slot->raise();
        paletteSlots.push_back(slot);
    }
    for (int i = 0; i < kPaletteSize; ++i)
        paletteSlots[i]->Tag = QString::number(state_.PaletteColors[i]);

    for (int i = 0; i < kPaletteSize; ++i) {
        state_.DrawCursors[i] = resourceCursor(drawCursorNumber(i), state_.PaletteColors[i]);
        state_.PaintCursors[i] = resourceCursor(paintCursorNumber(i), state_.PaletteColors[i]);
    }
    state_.HandCursor = resourceCursor(QStringLiteral("HANDY"));
    state_.EraserCursor = resourceCursor(QStringLiteral("ERASER"));
}

void ToolBox::cmdCOLOR_MouseDown(int Index) {
    ImageControl* slot = c_.cmdCOLOR->at(Index);
    c_.canvas->ForeColor = slot->Tag.toUInt();
    c_.canvas->FillColor = slot->Tag.toUInt();
    state_.ToolArmed = true;
    const auto& cursors =
        state_.ToolKind == ToolKinds::DrawMode ? state_.DrawCursors : state_.PaintCursors;
    SetCustomPointer(c_.window, cursors[Index]);
    c_.imgNONE->move(slot->x(), c_.imgNONE->y());
    c_.imgNONE->setVisible(true);
    c_.imgNONE->raise();
    c_.cmdERASER_OFF->setVisible(false);
    state_.EraserOn = false;
}

void ToolBox::cmdDRAW_Click() {
    chooseMode(ToolKinds::DrawMode);
}

void ToolBox::cmdPAINT_Click() {
    chooseMode(ToolKinds::PaintMode);
}

// Either mode starts with every tool back in the box.
void ToolBox::chooseMode(ToolKinds kind) {
    state_.ToolKind = kind;
    c_.imgCRAYONS->setVisible(kind == ToolKinds::DrawMode);
    c_.imgBRUSHES->setVisible(kind == ToolKinds::PaintMode);
    c_.imgNONE->setVisible(false);
    c_.cmdERASER_OFF->setVisible(false);
    SetCustomPointer(c_.window, state_.HandCursor);
    state_.EraserOn = false;
    state_.ToolArmed = false;
}

void ToolBox::cmdERASER_MouseDown() {
    state_.EraserOn = true;
    state_.ToolArmed = true;
    c_.canvas->FillColor = kWhite;
    c_.canvas->ForeColor = kWhite;
    c_.cmdERASER_OFF->setVisible(true);
    c_.cmdERASER_OFF->raise();
    c_.imgNONE->setVisible(false);
    SetCustomPointer(c_.window, state_.EraserCursor);
}

void ToolBox::cmdERASER_OFF_MouseDown() {
    c_.cmdERASER_OFF->setVisible(false);
    state_.EraserOn = false;
    state_.ToolArmed = false;
    SetCustomPointer(c_.window, state_.HandCursor);
}

void ToolBox::imgNONE_MouseDown() {
    c_.imgNONE->setVisible(false);
    state_.ToolArmed = false;
    SetCustomPointer(c_.window, state_.HandCursor);
}

void SetCustomPointer(QObject* target, const QCursor& cursor) {
    target->setProperty("MousePointer", kCustomPointer);
    target->setProperty("MouseIcon", QVariant::fromValue(cursor));
}
