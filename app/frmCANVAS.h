#pragma once
// The main window: the page being coloured, the page buttons, the tool box
// and the save and send buttons. Loading it runs the whole start-up.
#include "app/BookSettings.h"
#include "app/DataFolder.h"
#include "app/DeferredActions.h"
#include "app/PageBook.h"
#include "app/PageTurn.h"
#include "app/WindowSeams.h"
#include "colouring/AccessSettings.h"
#include "colouring/ProgramState.h"
#include "colouring/UndoHistory.h"
#include "postcard/PostcardSettings.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class AccessOverlay;
class Canvas;
class CanvasLatch;
class CanvasInput;
class ImageControl;
class KeyboardAccess;
class SwitchScanner;
class PageSheet;
class PictureBox;
class frmPostcard;
class ToolBox;
class ucButtonA;

class frmCANVAS : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QCursor MouseIcon READ MouseIcon WRITE setMouseIcon)

public:
    // userFolder takes the working copies when the data folder cannot be
    // written (see chooseProgramFolders).
    explicit frmCANVAS(const QString& programFolder, WindowSeams seams = {},
                       const QString& userFolder = userFolderOfThisProgram());
    ~frmCANVAS() override;

    // The start-up sequence. Throws FileError when a step fails; the window
    // must then not be shown.
    void Form_Load();
    // The desk, the window's background picture, as Form_Load loaded it.
    const QPixmap& desk() const { return desk_; }

    void goPic(int step);
    bool SavePic();
    void AllOff(const QString& except);
    // Take back, or put back, the last step of the page shown.
    void Undo();
    void Redo();

    const ProgramState& state() const { return state_; }
    // Every page's, for the whole run.
    const UndoHistory& history() const { return history_; }
    // Set before Form_Load.
    AccessSettings access;
    BookSettings bookSettings;
    PostcardSettings postcardSettings;
    QPointer<frmPostcard> composer;
    // Each frame of the last page turn.
    using TurnFrame = PageTurn::Frame;
    const std::vector<TurnFrame>& lastTurn() const { return turn_->frames(); }
    int lastTurnFrames() const { return int(lastTurn().size()); }

    Canvas* canvas;
    PictureBox* picOrig;
    PageSheet* imgANIM;
    ucButtonA *cmdSEND, *cmdSAVE, *cmdPAINT, *cmdNEXT, *cmdPREV, *cmdDRAW;
    ucButtonA *cmdUNDO, *cmdREDO, *cmdPRINT;
    ImageControl *Image1, *imgNONE, *cmdERASER_OFF, *cmdERASER, *imgCRAYONS, *imgBRUSHES;
    std::vector<ImageControl*> cmdCOLOR;

    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int value);
    QCursor MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QCursor& cursor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createControls();
    void connectControls();
    void turnPage(int step);
    void applyPointer();
    void showStep(QRect changed);
    void connectKeys();
    void connectCanvas();
    void setUpAccess();
    void nameControls();
    // After a tool is picked or put back: what a reader and the marks show.
    void toolsChanged();
    bool picked(const QWidget* control) const;
    // Runs step; a FileError it throws is shown as text, with the file for
    // %1 and the reason for %2. False when it was.
    bool runOrReport(const std::function<void()>& step, const QString& text);
    void cmdPRINT_Click();
    void cmdSEND_Click();
    void cmdSAVE_Click();
    // The grown-up question, over the book.
    bool grownUpAgrees();

    QString programFolder_;
    QString userFolder_;
    WindowSeams seams_;
    ProgramState state_;
    UndoHistory history_;
    QPixmap desk_;
    PageBook book_{QString(), QString()};
    std::unique_ptr<ToolBox> toolBox_;
    std::unique_ptr<CanvasInput> canvasInput_;
    std::unique_ptr<CanvasLatch> latch_;
    AccessOverlay* overlay_ = nullptr;
    std::unique_ptr<KeyboardAccess> keyboard_;
    std::unique_ptr<SwitchScanner> scanner_;
    int mousePointer_ = 0;
    QCursor mouseIcon_;
    std::unique_ptr<PageTurn> turn_;
    // Waits for the stroke held or the page turning.
    DeferredActions deferred_{[this] { return turn_->running() || history_.isOpen(); }};
};
