#include "app/frmCANVAS.h"

#include "app/DataFolder.h"
#include "app/PageSheet.h"
#include "colouring/Canvas.h"
#include "colouring/CanvasInput.h"
#include "colouring/PrintButton.h"
#include "colouring/SaveButton.h"
#include "colouring/ToolBox.h"
#include "controls/Cursors.h"
#include "controls/ImageControl.h"
#include "controls/QtFileDialog.h"
#include "controls/Twips.h"
#include "controls/ucButtonA.h"
#include "pixels/BitmapFile.h"
#include "postcard/frmPostcard.h"
#include "state/BookFacts.h"
#include "state/ControlPlaces.h"
#include "state/DataFiles.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaObject>
#include <QPainter>
#include <QScopeGuard>
#include <QShortcut>
#include <chrono>
#include <thread>

namespace {

constexpr int kSheetStep = 20; // pixels a frame

QPixmap layoutPicture(const QString& name) {
    return QPixmap(QStringLiteral(":/layout/") + name + QStringLiteral(".jpg"));
}

// The three pictures of each image button live in the window's stored
// layout, under lower-case keys.
PropertyBag storedButton(const QString& name) {
    PropertyBag bag;
    const QString base = QStringLiteral(":/buttons/") + name;
    bag.WriteProperty(QStringLiteral("img_down"), QPixmap(base + QStringLiteral("_down.jpg")));
    bag.WriteProperty(QStringLiteral("img_roll"), QPixmap(base + QStringLiteral("_roll.jpg")));
    bag.WriteProperty(QStringLiteral("img_norm"), QPixmap(base + QStringLiteral("_norm.jpg")));
    return bag;
}

ucButtonA* imageButton(QWidget* window, const QString& name, QRect place) {
    auto* button = new ucButtonA(window);
    button->setObjectName(name);
    button->ReadProperties(storedButton(name));
    button->setGeometry(place);
    return button;
}

// Pages are drawn unscaled and the canvas never changes size, so a page of
// any other size would leave the canvas partly unbacked or spill past it.
QImage loadPage(const QString& path, QSize canvasSize) {
    QImage page = loadPicture(path);
    if (page.size() != canvasSize)
        throw FileError(path, QStringLiteral("the page is %1 x %2 pixels instead of %3 x %4")
                                  .arg(page.width())
                                  .arg(page.height())
                                  .arg(canvasSize.width())
                                  .arg(canvasSize.height()));
    return page;
}

// The platform's bindings for key; redo also answers to both keys children
// know from other programs, which a bare X11 session would leave out.
QList<QKeySequence> keysFor(QKeySequence::StandardKey key) {
    QList<QKeySequence> sequences = QKeySequence::keyBindings(key);
    if (key == QKeySequence::Redo)
        for (const QKeySequence& known :
             {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
            if (!sequences.contains(known)) // a sequence bound twice would never fire
                sequences << known;
    return sequences;
}

} // namespace

frmCANVAS::frmCANVAS(const QString& programFolder, const QString& userFolder)
    : programFolder_(programFolder), userFolder_(userFolder) {
    setObjectName(QStringLiteral("frmCANVAS"));
    setWindowTitle(QLatin1String(kProgramTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kWindowSize);
    setMouseTracking(true);
    QIcon icon(QStringLiteral(":/icons/icon32.png"));
    icon.addFile(QStringLiteral(":/icons/icon16.png"));
    setWindowIcon(icon);
    dialogPlatform = std::make_unique<QtFileDialog>();
    createControls();
    // The stored layout's pointer is the hand.
    SetCustomPointer(this, resourceCursor(QStringLiteral("HANDY")));
    toolBox_ = std::make_unique<ToolBox>(state, ToolBoxControls{this, canvas, &cmdCOLOR, imgNONE,
                                                                cmdERASER, cmdERASER_OFF,
                                                                imgCRAYONS, imgBRUSHES});
    canvasInput_ = std::make_unique<CanvasInput>(state, *canvas, *picOrig, history,
                                                 [this](const QString& except) { AllOff(except); });
}

frmCANVAS::~frmCANVAS() = default;

void frmCANVAS::createControls() {
    // Created from the bottom of the stack up, so that each lies over the ones before.
    imgBRUSHES = new ImageControl(this, "imgBRUSHES", controlRect("imgBRUSHES"));
    imgCRAYONS = new ImageControl(this, "imgCRAYONS", controlRect("imgCRAYONS"));
    cmdERASER =
        new ImageControl(this, "cmdERASER", controlRect("cmdERASER"), layoutPicture("cmdERASER"));
    cmdERASER_OFF = new ImageControl(this, "cmdERASER_OFF", controlRect("cmdERASER_OFF"),
                                     layoutPicture("cmdERASER_OFF"));
    cmdERASER_OFF->hide();
    cmdCOLOR = {new ImageControl(this, "cmdCOLOR", controlRect("cmdCOLOR"))};
    cmdCOLOR[0]->setProperty("Index", 0);
    imgNONE = new ImageControl(this, "imgNONE", controlRect("imgNONE"), layoutPicture("imgNONE"));
    imgNONE->hide();
    Image1 = new ImageControl(this, "Image1", controlRect("Image1"), layoutPicture("Image1"));
    picOrig = new PictureBox(this, "picOrig", controlRect("picOrig"), 0);
    picOrig->hide();
    cmdDRAW = imageButton(this, "cmdDRAW", controlRect("cmdDRAW"));
    cmdPREV = imageButton(this, "cmdPREV", controlRect("cmdPREV"));
    cmdNEXT = imageButton(this, "cmdNEXT", controlRect("cmdNEXT"));
    cmdPAINT = imageButton(this, "cmdPAINT", controlRect("cmdPAINT"));
    cmdSAVE = imageButton(this, "cmdSAVE", controlRect("cmdSAVE"));
    cmdSEND = imageButton(this, "cmdSEND", controlRect("cmdSEND"));
    cmdUNDO = imageButton(this, "cmdUNDO", controlRect("cmdUNDO"));
    cmdREDO = imageButton(this, "cmdREDO", controlRect("cmdREDO"));
    cmdPRINT = imageButton(this, "cmdPRINT", controlRect("cmdPRINT"));
    canvas = new Canvas(this, controlRect("canvas"));
    imgANIM = new PageSheet(canvas->clientArea());
}

void frmCANVAS::connectControls() {
    connect(canvas, &Canvas::MouseDown, this,
            [this](int b, int s, float x, float y) { canvasInput_->canvas_MouseDown(b, s, x, y); });
    connect(canvas, &Canvas::MouseMove, this,
            [this](int b, int s, float x, float y) { canvasInput_->canvas_MouseMove(b, s, x, y); });
    connect(canvas, &Canvas::MouseUp, this,
            [this](int b, int s, float x, float y) { canvasInput_->canvas_MouseUp(b, s, x, y); });
    for (int i = 0; i < int(cmdCOLOR.size()); ++i)
        connect(cmdCOLOR[i], &ImageControl::MouseDown, this,
                [this, i](int) { toolBox_->cmdCOLOR_MouseDown(i); });
    connect(cmdERASER, &ImageControl::MouseDown, this,
            [this](int) { toolBox_->cmdERASER_MouseDown(); });
    connect(cmdERASER_OFF, &ImageControl::MouseDown, this,
            [this](int) { toolBox_->cmdERASER_OFF_MouseDown(); });
    connect(imgNONE, &ImageControl::MouseDown, this,
            [this](int) { toolBox_->imgNONE_MouseDown(); });
    connect(cmdDRAW, &ucButtonA::Click, this, [this] { toolBox_->cmdDRAW_Click(); });
    connect(cmdPAINT, &ucButtonA::Click, this, [this] { toolBox_->cmdPAINT_Click(); });
    connect(cmdNEXT, &ucButtonA::Click, this, [this] { turnPage(+1); });
    connect(cmdPREV, &ucButtonA::Click, this, [this] { turnPage(-1); });
    connect(cmdSAVE, &ucButtonA::Click, this,
            [this] { cmdSAVE_Click(this, canvas->Image(), *dialogPlatform, report); });
    connect(cmdSEND, &ucButtonA::Click, this, &frmCANVAS::cmdSEND_Click);
    connect(cmdUNDO, &ucButtonA::Click, this, [this] { whenIdle([this] { Undo(); }); });
    connect(cmdREDO, &ucButtonA::Click, this, [this] { whenIdle([this] { Redo(); }); });
    connect(cmdPRINT, &ucButtonA::Click, this, [this] { whenIdle([this] { cmdPRINT_Click(); }); });
    for (ucButtonA* button : {cmdDRAW, cmdPAINT, cmdSAVE, cmdSEND, cmdUNDO, cmdREDO, cmdPRINT})
        connect(button, &ucButtonA::MouseMove, this,
                [this, button] { AllOff(button->objectName()); });
    // A stroke's release closes its undo step; what waited for it runs then.
    connect(canvas, &Canvas::MouseUp, this, &frmCANVAS::runDeferred);
    connectKeys();
}

void frmCANVAS::connectKeys() {
    const std::pair<QKeySequence::StandardKey, std::function<void()>> keys[] = {
        {QKeySequence::Undo, [this] { Undo(); }},
        {QKeySequence::Redo, [this] { Redo(); }},
        {QKeySequence::Print, [this] { cmdPRINT_Click(); }},
    };
    for (const auto& [key, action] : keys)
        for (const QKeySequence& sequence : keysFor(key))
            connect(new QShortcut(sequence, this), &QShortcut::activated, this,
                    [this, action] { whenIdle(action); });
}

void frmCANVAS::whenIdle(std::function<void()> action) {
    if (turning_ || history.isOpen())
        deferred_.push_back(std::move(action));
    else
        action();
}

void frmCANVAS::runDeferred() {
    if (turning_ || history.isOpen())
        return;
    const auto actions = std::exchange(deferred_, {});
    for (const auto& action : actions)
        action();
}

void frmCANVAS::cmdPRINT_Click() {
    ::cmdPRINT_Click(this, canvas->Image(), report);
}

void frmCANVAS::Form_Load() {
    state.EraserOn = false;
    state.ToolKind = ToolKinds::DrawMode;
    state.CurrentPage = 1;
    const ProgramFolders folders = chooseProgramFolders(programFolder_, userFolder_);
    state.DataFolder = folders.data;
    state.WorkingFolder = folders.working;
    book_ = PageBook(state.DataFolder, state.WorkingFolder);

    background_ = loadPicture(state.DataFolder + DataFiles::WindowBackground);
    imgCRAYONS->setPicture(QPixmap::fromImage(loadPicture(state.DataFolder + DataFiles::Crayons)));
    imgBRUSHES->setPicture(QPixmap::fromImage(loadPicture(state.DataFolder + DataFiles::Brushes)));

    toolBox_->paletteSetUp();
    connectControls();
    book_.restoreAll();
    goPic(0);
    toolBox_->cmdPAINT_Click();
}

void frmCANVAS::AllOff(const QString& except) {
    for (ucButtonA* button :
         {cmdNEXT, cmdPREV, cmdSAVE, cmdSEND, cmdPAINT, cmdDRAW, cmdUNDO, cmdREDO, cmdPRINT})
        if (button->objectName() != except)
            QMetaObject::invokeMethod(button, "Reset");
}

void frmCANVAS::Undo() {
    showStep(history.undo(state.CurrentPage, canvas->Image()));
}

void frmCANVAS::Redo() {
    showStep(history.redo(state.CurrentPage, canvas->Image()));
}

void frmCANVAS::showStep(QRect changed) {
    if (!changed.isEmpty())
        canvas->refresh(changed);
}

bool frmCANVAS::SavePic() {
    try {
        book_.store(canvas->Image(), state.CurrentPage);
        return true;
    } catch (const FileError& e) {
        report(this, QStringLiteral("Vellumix"),
               QStringLiteral("The page could not be stored in %1: %2.").arg(e.path(), e.reason()));
        return false;
    }
}

void frmCANVAS::turnPage(int step) {
    turning_ = true;
    const auto idle = qScopeGuard([this] {
        turning_ = false;
        runDeferred();
    });
    // A page left unstored would come back without its colouring: stay on
    // it, already told why, and let the next press try again.
    if (!SavePic())
        return;
    try {
        goPic(step);
    } catch (const FileError& e) {
        report(this, QStringLiteral("Vellumix"),
               QStringLiteral("The page %1 could not be shown: %2.").arg(e.path(), e.reason()));
    }
}

void frmCANVAS::goPic(int step) {
    lastTurn_.clear();
    const int shown = state.CurrentPage;
    state.CurrentPage += step;
    if (state.CurrentPage > PageBook::kLastPage) {
        state.CurrentPage = PageBook::kLastPage;
        return;
    }
    if (state.CurrentPage < PageBook::kFirstPage) {
        state.CurrentPage = PageBook::kFirstPage;
        return;
    }
    const QString working = book_.workingCopy(state.CurrentPage);
    if (!QFile::exists(working)) {
        // Stay on the page still shown, so that it is never stored under
        // another page's number.
        state.CurrentPage = shown;
        report(this, QStringLiteral("Vellumix"),
               QStringLiteral("Cannot locate file: ") + working + ".");
        return;
    }
    QImage page, outline;
    try {
        // The outline first: at start-up the working copy is its copy, and
        // the file to name is the one that came damaged.
        if (const QString orig = book_.outlineCopy(state.CurrentPage); QFile::exists(orig))
            outline = loadPage(orig, canvas->size());
        page = loadPage(working, canvas->size());
    } catch (const FileError&) {
        state.CurrentPage = shown;
        throw;
    }
    if (!outline.isNull())
        picOrig->setPicture(outline);
    if (step > 0)
        turnForward(page);
    else if (step == 0)
        canvas->setPicture(page);
    else
        turnBackward(page);
    imgANIM->hide();
}

// Each frame is painted at once, then the thread pauses for the full
// interval, measured on a clock: a slow frame makes the turn longer, never
// its pause shorter.
void frmCANVAS::showFrame(int sheetLeft) {
    imgANIM->move(sheetLeft, imgANIM->y());
    canvas->repaint();
    QElapsedTimer pause;
    pause.start();
    const qint64 intervalNs = qint64(frameIntervalMs) * 1000000;
    for (qint64 left = intervalNs; left > 0; left = intervalNs - pause.nsecsElapsed())
        std::this_thread::sleep_for(std::chrono::nanoseconds(left));
    lastTurn_.push_back({imgANIM->pos(), pause.nsecsElapsed()});
}

void frmCANVAS::turnForward(const QImage& newPage) {
    imgANIM->prepare(newPage);
    int left = canvas->width();
    do {
        left -= kSheetStep;
        showFrame(left);
    } while (left > 0);
    canvas->setPicture(imgANIM->picture());
}

void frmCANVAS::turnBackward(const QImage& newPage) {
    imgANIM->prepare(canvas->Image());
    canvas->setPicture(newPage);
    int left = 0;
    do {
        left += kSheetStep;
        showFrame(left);
    } while (left < canvas->width());
}

void frmCANVAS::cmdSEND_Click() {
    try {
        showPostcardComposer(
            composer, this, state.DataFolder, state.WorkingFolder,
            [this] { return canvas->Image(); }, postcardSettings);
    } catch (const FileError& e) {
        report(this, QStringLiteral("Vellumix"),
               QStringLiteral("The postcard cannot be opened: %1: %2.").arg(e.path(), e.reason()));
    }
}

void frmCANVAS::setMousePointer(int value) {
    mousePointer_ = value;
    applyPointer();
}

void frmCANVAS::setMouseIcon(const QCursor& cursor) {
    mouseIcon_ = cursor;
    applyPointer();
}

void frmCANVAS::applyPointer() {
    if (mousePointer_ == kCustomPointer)
        setCursor(mouseIcon_);
    else
        unsetCursor();
}

void frmCANVAS::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, background_);
}

void frmCANVAS::mouseMoveEvent(QMouseEvent*) {
    AllOff(QString());
}

void frmCANVAS::closeEvent(QCloseEvent* event) {
    // Closing is never refused; the page shown is stored first.
    SavePic();
    event->accept();
}
