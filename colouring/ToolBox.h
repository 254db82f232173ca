#pragma once
// The child's tool box: twelve crayons or brushes, the eraser and the two
// mode buttons. Picking a tool takes it out of the box (its slot shows
// empty), gives the window that tool's pointer and sets the canvas colours.
#include "colouring/ProgramState.h"

#include <QCursor>
#include <vector>

class Canvas;
class ImageControl;
class QObject;
class QWidget;

struct ToolBoxControls {
    QWidget* window;
    Canvas* canvas;
    std::vector<ImageControl*>* cmdCOLOR; // element 0 comes from the layout
    ImageControl* imgNONE;
    ImageControl* cmdERASER;
    ImageControl* cmdERASER_OFF;
    ImageControl* imgCRAYONS;
    ImageControl* imgBRUSHES;
};

class ToolBox {
public:
    ToolBox(ProgramState& state, ToolBoxControls controls);

    void paletteSetUp();
    void cmdCOLOR_MouseDown(int Index);
    void cmdDRAW_Click();
    void cmdPAINT_Click();
    void cmdERASER_MouseDown();
    void cmdERASER_OFF_MouseDown();
    void imgNONE_MouseDown();

private:
    void chooseMode(ToolKinds kind);

    ProgramState& state_;
    ToolBoxControls c_;
};

// Gives target a custom pointer, through its MousePointer and MouseIcon
// properties set by name.
void SetCustomPointer(QObject* target, const QCursor& cursor);

constexpr int kCustomPointer = 99;
