#include "app/frmCANVAS.h"

#include "app/DataFolder.h"
#include "app/GrownUpQuestion.h"
#include "app/PageSheet.h"
#include "book/BookFacts.h"
#include "book/ControlPlaces.h"
#include "book/DataFiles.h"
#include "colouring/Canvas.h"
#include "colouring/CanvasInput.h"
#include "colouring/PrintButton.h"
#include "colouring/SaveButton.h"
#include "colouring/ToolBox.h"
#include "controls/Cursors.h"
#include "controls/ImageControl.h"
#include "controls/PropertyBag.h"
#include "controls/QtFileDialog.h"
#include "controls/Twips.h"
#include "controls/ucButtonA.h"
#include "pixels/BitmapFile.h"
#include "postcard/frmPostcard.h"
#include "resources/CrispPictures.h"
#include "resources/WindowArtwork.h"

#include <QCloseEvent>
#include <QFile>
#include <QMetaObject>
#include <QPainter>

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

frmCANVAS::frmCANVAS(const QString& programFolder, const QString& userFolder)
    : programFolder_(programFolder), userFolder_(userFolder) {
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
    dialogPlatform = std::make_unique<QtFileDialog>();
    createControls();
    turn_ = std::make_unique<PageTurn>(*canvas, *imgANIM);
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
        ::cmdPRINT_Click(this, canvas->Image(), report);
}

void frmCANVAS::cmdSAVE_Click() {
    if (bookSettings.saveEnabled)
        ::cmdSAVE_Click(this, canvas->Image(), *dialogPlatform, report, bookSettings.saveFolder);
}

void frmCANVAS::Form_Load() {
    state.EraserOn = false;
    state.ToolKind = ToolKinds::DrawMode;
    state.CurrentPage = 1;
    const ProgramFolders folders = chooseProgramFolders(programFolder_, userFolder_);
    state.DataFolder = folders.data;
    state.WorkingFolder = folders.working;
    book_ = PageBook(state.DataFolder, state.WorkingFolder);

    desk_ = deskPicture(state.DataFolder);
    imgCRAYONS->setPicture(dataPicture(state.DataFolder, DataFiles::Crayons));
    imgBRUSHES->setPicture(dataPicture(state.DataFolder, DataFiles::Brushes));

    toolBox_->paletteSetUp();
    connectControls();
    // What the grown-ups switched off is not there at all.
    cmdSEND->setVisible(bookSettings.postcardEnabled);
    cmdSAVE->setVisible(bookSettings.saveEnabled);
    cmdPRINT->setVisible(bookSettings.printEnabled);
    book_.restoreAll(bookSettings.keepBook);
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
    return runOrReport([this] { book_.store(canvas->Image(), state.CurrentPage); },
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
    const int next = state.CurrentPage + step;
    if (next > PageBook::kLastPage) {
        state.CurrentPage = PageBook::kLastPage;
        return;
    }
    if (next < PageBook::kFirstPage) {
        state.CurrentPage = PageBook::kFirstPage;
        return;
    }
    // The page still shown keeps its number until the next one is shown, so
    // that it is never stored under another page's number.
    const QString working = book_.workingCopy(next);
    if (!QFile::exists(working)) {
        //: The page to turn to is missing; %1 is its file's path.
        report(this, QStringLiteral("Vellumix"), tr("Cannot locate file: %1.").arg(working));
        return;
    }
    // The outline first: at start-up the working copy is its copy, and the
    // file to name is the one that came damaged.
    const QString orig = book_.outlineCopy(next);
    const QImage outline =
        QFile::exists(orig) ? PageBook::loadPage(orig, canvas->size()) : QImage();
    const QImage page = PageBook::loadPage(working, canvas->size());
    state.CurrentPage = next;
    if (!outline.isNull())
        picOrig->setPicture(outline);
    turn_->show(step, page, frameIntervalMs);
    imgANIM->hide();
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
                composer, this, state.DataFolder, state.WorkingFolder,
                [this] { return canvas->Image(); }, postcardSettings);
        },
        //: The postcard composer; %1 is the path of the file that failed, %2 the reason.
        tr("The postcard cannot be opened: %1: %2."));
}

bool frmCANVAS::runOrReport(const std::function<void()>& step, const QString& text) {
    try {
        step();
        return true;
    } catch (const FileError& e) {
        report(this, QStringLiteral("Vellumix"), text.arg(e.path(), e.reason()));
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
        picture = QPixmap::fromImage(loadPicture(state.DataFolder + DataFiles::PostcardBackground));
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
