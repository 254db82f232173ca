#include "app/frmCANVAS.h"

#include "app/AccessibleControls.h"
#include "app/DataFolder.h"
#include "app/GrownUpQuestion.h"
#include "app/KeyboardAccess.h"
#include "app/PageSheet.h"
#include "app/SwitchScanner.h"
#include "book/BookFacts.h"
#include "book/ControlPlaces.h"
#include "book/DataFiles.h"
#include "book/PaletteTable.h"
#include "colouring/AccessOverlay.h"
#include "colouring/Canvas.h"
#include "colouring/CanvasInput.h"
#include "colouring/CanvasLatch.h"
#include "colouring/PrintButton.h"
#include "colouring/SaveButton.h"
#include "colouring/ToolBox.h"
#include "controls/Cursors.h"
#include "controls/ImageControl.h"
#include "controls/PropertyBag.h"
#include "controls/Twips.h"
#include "controls/ucButtonA.h"
#include "pixels/BitmapFile.h"
#include "postcard/frmPostcard.h"
#include "resources/CrispPictures.h"
#include "resources/WindowArtwork.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMetaObject>
#include <QPainter>
#include <algorithm>

namespace {

ucButtonA* imageButton(QWidget* window, const QString& name, QRect place) {
    auto* button = new ucButtonA(window);
    button->setObjectName(name);
    PropertyBag stored;
    for (const auto& [key, picture] : storedButton(name))
        stored.WriteProperty(key, picture);
    button->ReadProperties(stored);
    button->setGeometry(place);
    return button;
}

} // namespace

frmCANVAS::frmCANVAS(const QString& programFolder, WindowSeams seams, const QString& userFolder)
    : programFolder_(programFolder), userFolder_(userFolder), seams_(std::move(seams)) {
    setObjectName(QStringLiteral("frmCANVAS"));
    setWindowTitle(QLatin1String(kProgramTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kWindowSize);
    setMouseTracking(true);
    startDrawingWindowArtwork(devicePixelRatioF());
    QIcon icon(QStringLiteral(":/icons/icon32.png"));
    icon.addFile(QStringLiteral(":/icons/icon16.png"));
    setWindowIcon(icon);
    createControls();
    turn_ = std::make_unique<PageTurn>(*canvas, *imgANIM);
    // The stored layout's pointer is the hand.
    SetCustomPointer(this, resourceCursor(QStringLiteral("HANDY")));
    toolBox_ = std::make_unique<ToolBox>(state_, ToolBoxControls{this, canvas, &cmdCOLOR, imgNONE,
                                                                 cmdERASER, cmdERASER_OFF,
                                                                 imgCRAYONS, imgBRUSHES});
    canvasInput_ = std::make_unique<CanvasInput>(state_, *canvas, *picOrig, history_,
                                                 [this](const QString& except) { AllOff(except); });
    latch_ = std::make_unique<CanvasLatch>(state_, *canvas, *canvasInput_);
    overlay_ = new AccessOverlay(this);
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

// A stroke the latch holds follows the mouse, and a click lifts it; with
// click_to_draw a click in draw mode puts the crayon down the same way.
void frmCANVAS::connectCanvas() {
    const auto pixelOf = [this](float x, float y) {
        return QPoint(roundHalfEven(x / screenTwipsPerPixelX(canvas)),
                      roundHalfEven(y / screenTwipsPerPixelY(canvas)));
    };
    connect(canvas, &Canvas::MouseDown, this, [this, pixelOf](int b, int s, float x, float y) {
        if (b == 1 && (latch_->down() || (access.clickToDraw && latch_->latches()))) {
            keyboard_->pressPageAt(pixelOf(x, y));
            return;
        }
        canvasInput_->canvas_MouseDown(b, s, x, y);
    });
    connect(canvas, &Canvas::MouseMove, this, [this, pixelOf](int b, int s, float x, float y) {
        if (latch_->down()) {
            latch_->moveTo(pixelOf(x, y));
            return;
        }
        canvasInput_->canvas_MouseMove(b, s, x, y);
    });
    connect(canvas, &Canvas::MouseUp, this, [this](int b, int s, float x, float y) {
        if (!latch_->down())
            canvasInput_->canvas_MouseUp(b, s, x, y);
    });
}

void frmCANVAS::connectControls() {
    connectCanvas();
    // Each tool's handler, then what a reader and the marks show of it.
    const auto tool = [this](auto handler) {
        return [this, handler] {
            handler(*toolBox_);
            toolsChanged();
        };
    };
    for (int i = 0; i < int(cmdCOLOR.size()); ++i)
        connect(cmdCOLOR[i], &ImageControl::MouseDown, this,
                tool([i](ToolBox& box) { box.cmdCOLOR_MouseDown(i); }));
    connect(cmdERASER, &ImageControl::MouseDown, this,
            tool([](ToolBox& box) { box.cmdERASER_MouseDown(); }));
    connect(cmdERASER_OFF, &ImageControl::MouseDown, this,
            tool([](ToolBox& box) { box.cmdERASER_OFF_MouseDown(); }));
    connect(imgNONE, &ImageControl::MouseDown, this,
            tool([](ToolBox& box) { box.imgNONE_MouseDown(); }));
    connect(cmdDRAW, &ucButtonA::Click, this, tool([](ToolBox& box) { box.cmdDRAW_Click(); }));
    connect(cmdPAINT, &ucButtonA::Click, this, tool([](ToolBox& box) { box.cmdPAINT_Click(); }));
    connect(cmdNEXT, &ucButtonA::Click, this, [this] { turnPage(+1); });
    connect(cmdPREV, &ucButtonA::Click, this, [this] { turnPage(-1); });
    connect(cmdSAVE, &ucButtonA::Click, this, &frmCANVAS::cmdSAVE_Click);
    connect(cmdSEND, &ucButtonA::Click, this, &frmCANVAS::cmdSEND_Click);
    connect(cmdUNDO, &ucButtonA::Click, this, [this] { deferred_.whenIdle([this] { Undo(); }); });
    connect(cmdREDO, &ucButtonA::Click, this, [this] { deferred_.whenIdle([this] { Redo(); }); });
    connect(cmdPRINT, &ucButtonA::Click, this,
            [this] { deferred_.whenIdle([this] { cmdPRINT_Click(); }); });
    for (ucButtonA* button : {cmdDRAW, cmdPAINT, cmdSAVE, cmdSEND, cmdUNDO, cmdREDO, cmdPRINT})
        connect(button, &ucButtonA::MouseMove, this,
                [this, button] { AllOff(button->objectName()); });
    // A stroke's release closes its undo step; what waited for it runs then.
    connect(canvas, &Canvas::MouseUp, this, [this] { deferred_.runDeferred(); });
    connectKeys();
}

void frmCANVAS::connectKeys() {
    const std::vector<DeferredActions::KeyAction> keys = {
        {QKeySequence::Undo, [this] { Undo(); }},
        {QKeySequence::Redo, [this] { Redo(); }},
        {QKeySequence::Print, [this] { cmdPRINT_Click(); }},
    };
    deferred_.bindKeys(this, keys);
}

void frmCANVAS::cmdPRINT_Click() {
    if (bookSettings.printEnabled)
        ::cmdPRINT_Click(this, canvas->Image(), seams_.report);
}

void frmCANVAS::cmdSAVE_Click() {
    if (bookSettings.saveEnabled && ::cmdSAVE_Click(this, canvas->Image(), *seams_.saveDialog,
                                                    seams_.report, bookSettings.saveFolder))
        // A reader says the new description: the save is announced.
        cmdSAVE->setAccessibleDescription(tr("Your picture is saved."));
}

void frmCANVAS::Form_Load() {
    state_.EraserOn = false;
    state_.ToolKind = ToolKinds::DrawMode;
    state_.CurrentPage = 1;
    const ProgramFolders folders = chooseProgramFolders(programFolder_, userFolder_);
    state_.DataFolder = folders.data;
    state_.WorkingFolder = folders.working;
    book_ = PageBook(state_.DataFolder, state_.WorkingFolder);

    desk_ = deskPicture(state_.DataFolder);
    imgCRAYONS->setPicture(dataPicture(state_.DataFolder, DataFiles::Crayons));
    imgBRUSHES->setPicture(dataPicture(state_.DataFolder, DataFiles::Brushes));

    toolBox_->paletteSetUp();
    setUpAccess();
    connectControls();
    // What the grown-ups switched off is not there at all.
    cmdSEND->setVisible(bookSettings.postcardEnabled);
    cmdSAVE->setVisible(bookSettings.saveEnabled);
    cmdPRINT->setVisible(bookSettings.printEnabled);
    book_.restoreAll(bookSettings.keepBook);
    goPic(0);
    toolBox_->cmdPAINT_Click();
    toolsChanged();
}

void frmCANVAS::setUpAccess() {
    using Group = FocusGroups::Group;
    keyboard_ = std::make_unique<KeyboardAccess>(
        this,
        FocusGroups({Group{cmdPAINT, cmdDRAW, cmdERASER}, Group(cmdCOLOR.begin(), cmdCOLOR.end()),
                     Group{canvas}, Group{cmdUNDO, cmdREDO}, Group{cmdPREV, cmdNEXT},
                     Group{cmdSAVE, cmdPRINT, cmdSEND}}),
        canvas, *latch_, *overlay_, [this] { deferred_.runDeferred(); });
    overlay_->raise();
    // The window itself holds the keyboard at first, so that no control
    // shows a mark until Tab is pressed, whatever Qt would pick itself.
    setFocusPolicy(Qt::ClickFocus);
    setFocus(Qt::OtherFocusReason);
    // Before any name is given: a name given makes the reader's view of a control.
    installAccessibleControls(this, {[this] {
                                         std::vector<QWidget*> shown;
                                         for (int g = 0;
                                              g < int(keyboard_->groups().groups().size()); ++g)
                                             for (QWidget* control : keyboard_->groups().shown(g))
                                                 shown.push_back(control);
                                         return shown;
                                     },
                                     [this](const QWidget* control) { return picked(control); },
                                     [this](QWidget* control) { keyboard_->press(control); }});
    nameControls();
    scanner_ =
        std::make_unique<SwitchScanner>(access, this, *keyboard_, *overlay_, *canvas, state_);
}

void frmCANVAS::nameControls() {
    for (int i = 0; i < int(cmdCOLOR.size()); ++i) {
        const QString colour = QCoreApplication::translate("Palette", kPaletteColourNames[i]);
        //: %1 is a crayon's colour, from the list of colours.
        cmdCOLOR[i]->setProperty("crayonName", tr("%1 crayon").arg(colour));
        //: %1 is a brush's colour, from the list of colours.
        cmdCOLOR[i]->setProperty("brushName", tr("%1 brush").arg(colour));
    }
    cmdPAINT->setAccessibleName(tr("Paint"));
    cmdPAINT->setAccessibleDescription(tr("Brushes that pour colour into an area"));
    cmdDRAW->setAccessibleName(tr("Draw"));
    cmdDRAW->setAccessibleDescription(tr("Crayons that draw lines"));
    cmdERASER->setAccessibleName(tr("Eraser"));
    cmdUNDO->setAccessibleName(tr("Undo"));
    cmdREDO->setAccessibleName(tr("Redo"));
    cmdNEXT->setAccessibleName(tr("Next page"));
    cmdPREV->setAccessibleName(tr("Previous page"));
    cmdSAVE->setAccessibleName(tr("Save my picture"));
    cmdPRINT->setAccessibleName(tr("Print my picture"));
    cmdSEND->setAccessibleName(tr("Send a postcard"));
    canvas->setAccessibleDescription(
        tr("The arrow keys move the pointer; Space colours where it is."));
}

bool frmCANVAS::picked(const QWidget* control) const {
    if (control == cmdERASER)
        return !cmdERASER_OFF->isHidden();
    return !imgNONE->isHidden() && control->x() == imgNONE->x() &&
           std::find(cmdCOLOR.begin(), cmdCOLOR.end(), control) != cmdCOLOR.end();
}

void frmCANVAS::toolsChanged() {
    const bool crayons = state_.ToolKind == ToolKinds::DrawMode;
    for (ImageControl* slot : cmdCOLOR) {
        slot->setAccessibleName(slot->property(crayons ? "crayonName" : "brushName").toString());
        announceStateChange(slot);
    }
    announceStateChange(cmdERASER);
    keyboard_->showMarks();
}

void frmCANVAS::keyPressEvent(QKeyEvent* event) {
    if (scanner_ && scanner_->keyPress(event))
        return;
    if (keyboard_ && keyboard_->keyPress(event))
        return;
    QWidget::keyPressEvent(event);
}

bool frmCANVAS::focusNextPrevChild(bool next) {
    return keyboard_ ? keyboard_->moveGroup(next) : QWidget::focusNextPrevChild(next);
}

void frmCANVAS::AllOff(const QString& except) {
    for (ucButtonA* button :
         {cmdNEXT, cmdPREV, cmdSAVE, cmdSEND, cmdPAINT, cmdDRAW, cmdUNDO, cmdREDO, cmdPRINT})
        if (button->objectName() != except)
            QMetaObject::invokeMethod(button, "Reset");
}

void frmCANVAS::Undo() {
    showStep(history_.undo(state_.CurrentPage, canvas->Image()));
}

void frmCANVAS::Redo() {
    showStep(history_.redo(state_.CurrentPage, canvas->Image()));
}

void frmCANVAS::showStep(QRect changed) {
    if (!changed.isEmpty())
        canvas->refresh(changed);
}

bool frmCANVAS::SavePic() {
    return runOrReport([this] { book_.store(canvas->Image(), state_.CurrentPage); },
                       //: %1 is the path of the file that failed, %2 the reason.
                       tr("The page could not be stored in %1: %2."));
}

void frmCANVAS::turnPage(int step) {
    turn_->leave(
        step, [this] { return SavePic(); },
        [this](int by) {
            runOrReport([this, by] { goPic(by); },
                        //: %1 is the path of the file that failed, %2 the reason.
                        tr("The page %1 could not be shown: %2."));
        });
    deferred_.runDeferred();
}

void frmCANVAS::goPic(int step) {
    turn_->clearFrames();
    const int next = state_.CurrentPage + step;
    if (next > PageBook::kLastPage) {
        state_.CurrentPage = PageBook::kLastPage;
        return;
    }
    if (next < PageBook::kFirstPage) {
        state_.CurrentPage = PageBook::kFirstPage;
        return;
    }
    // The page still shown keeps its number until the next one is shown, so
    // that it is never stored under another page's number.
    const QString working = book_.workingCopy(next);
    if (!QFile::exists(working)) {
        //: The page to turn to is missing; %1 is its file's path.
        seams_.report(this, QStringLiteral("Vellumix"), tr("Cannot locate file: %1.").arg(working));
        return;
    }
    // The outline first: at start-up the working copy is its copy, and the
    // file to name is the one that came damaged.
    const QString orig = book_.outlineCopy(next);
    const QImage outline =
        QFile::exists(orig) ? PageBook::loadPage(orig, canvas->size()) : QImage();
    const QImage page = PageBook::loadPage(working, canvas->size());
    state_.CurrentPage = next;
    if (!outline.isNull())
        picOrig->setPicture(outline);
    turn_->show(step, page, seams_.framePauseMs);
    imgANIM->hide();
    // A reader says the new name: the page turn is announced.
    canvas->setAccessibleName(tr("Page %1 of %2").arg(state_.CurrentPage).arg(kPageCount));
}

void frmCANVAS::cmdSEND_Click() {
    if (!bookSettings.postcardEnabled)
        return;
    const bool composerShown = composer && composer->isVisible();
    if (bookSettings.askGrownup && !composerShown && !grownUpAgrees())
        return;
    runOrReport(
        [this] {
            showPostcardComposer(
                composer, this, state_.DataFolder, state_.WorkingFolder,
                [this] { return canvas->Image(); }, postcardSettings, seams_.postcard);
        },
        //: The postcard composer; %1 is the path of the file that failed, %2 the reason.
        tr("The postcard cannot be opened: %1: %2."));
}

bool frmCANVAS::runOrReport(const std::function<void()>& step, const QString& text) {
    try {
        step();
        return true;
    } catch (const FileError& e) {
        seams_.report(this, QStringLiteral("Vellumix"), text.arg(e.path(), e.reason()));
        return false;
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
        setCursor(CrispPictures::cursorAt(mouseIcon_, devicePixelRatioF()));
    else
        unsetCursor();
}

void frmCANVAS::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, CrispPictures::at(desk_, devicePixelRatioF()));
}

void frmCANVAS::mouseMoveEvent(QMouseEvent*) {
    AllOff(QString());
}

bool frmCANVAS::grownUpAgrees() {
    QPixmap picture;
    try {
        picture =
            QPixmap::fromImage(loadPicture(state_.DataFolder + DataFiles::PostcardBackground));
    } catch (const FileError&) {
        // The question still shows, on its plain colour.
    }
    return GrownUpQuestion::ask(this, picture);
}

void frmCANVAS::closeEvent(QCloseEvent* event) {
    // In a kiosk only a grown-up closes the book; otherwise closing is never
    // refused. The page shown is stored first.
    if (bookSettings.kiosk && !grownUpAgrees()) {
        event->ignore();
        return;
    }
    SavePic();
    event->accept();
}
