#pragma once
// The main window: the page being coloured, the page buttons, the tool box
// and the save and send buttons. Loading it runs the whole start-up.
#include "app/DataFolder.h"
#include "app/PageBook.h"
#include "colouring/UndoHistory.h"
#include "controls/MessageReport.h"
#include "postcard/PostcardSettings.h"
#include "state/ProgramState.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class Canvas;
class CanvasInput;
class FileDialogPlatform;
class ImageControl;
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
    explicit frmCANVAS(const QString& programFolder,
                       const QString& userFolder = userFolderOfThisProgram());
    ~frmCANVAS() override;

    // The start-up sequence. Throws FileError when a step fails; the window
    // must then not be shown.
    void Form_Load();

    void goPic(int step);
    bool SavePic();
    void AllOff(const QString& except);
    // Take back, or put back, the last step of the page shown.
    void Undo();
    void Redo();

    ProgramState state;
    UndoHistory history;                // every page's, for the whole run
    MessageReport report = showWarning; // tests replace it to read what would be shown
    // The pause after each frame of a page turn.
    static constexpr int kFramePauseMs = 10;
    int frameIntervalMs = kFramePauseMs;
    std::unique_ptr<FileDialogPlatform> dialogPlatform; // the save dialog
    PostcardSettings postcardSettings;
    QPointer<frmPostcard> composer;
    // Each frame of the last page turn: where the sheet stood, and how long
    // the pause after it lasted.
    struct TurnFrame {
        QPoint sheet;
        qint64 pauseNs;
    };
    const std::vector<TurnFrame>& lastTurn() const { return lastTurn_; }
    int lastTurnFrames() const { return int(lastTurn_.size()); }

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

private:
    void createControls();
    void connectControls();
    void turnForward(const QImage& newPage);
    void turnBackward(const QImage& newPage);
    void showFrame(int sheetLeft);
    void turnPage(int step);
    void applyPointer();
    void showStep(QRect changed);
    void connectKeys();
    // Runs action now, or once the stroke held or the page turning is over.
    void whenIdle(std::function<void()> action);
    void runDeferred();
    void cmdPRINT_Click();
    void cmdSEND_Click();

    QString programFolder_;
    QString userFolder_;
    QPixmap background_;
    PageBook book_{QString(), QString()};
    std::unique_ptr<ToolBox> toolBox_;
    std::unique_ptr<CanvasInput> canvasInput_;
    int mousePointer_ = 0;
    QCursor mouseIcon_;
    std::vector<TurnFrame> lastTurn_;
    bool turning_ = false;
    std::vector<std::function<void()>> deferred_;
};
