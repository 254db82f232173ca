#include "controls/QtFileDialog.h"

#include "controls/ComDLG.h"
#include "tests/controls/ModalDriver.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QChar NUL(u'\0');

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// The save button's settings, opening in folder.
void prepareSave(ComDLG& dialog, const QString& folder) {
    dialog.setDialogTitle("Save My Picture");
    dialog.setExtension(".bmp");
    dialog.setFileName("MyPicture.bmp");
    dialog.setFilter("Pictures (*.bmp)|*.bmp");
    dialog.setDirectory(folder);
}

TEST(QtNameFilters, PairsBecomeLabelsWithTheirPatternsInParentheses) {
    EXPECT_EQ(qtNameFilters(QString("Pictures (*.bmp)") + NUL + "*.bmp" + NUL),
              QStringList{"Pictures (*.bmp)"});
    EXPECT_EQ(qtNameFilters(QString("Pictures") + NUL + "*.bmp;*.dib" + NUL + "All files" + NUL +
                            "*.*" + NUL),
              QStringList({"Pictures (*.bmp *.dib)", "All files (*.*)"}));
    EXPECT_EQ(qtNameFilters(QString("Pictures (*.bmp;*.dib)") + NUL + "*.bmp;*.dib" + NUL),
              QStringList{"Pictures (*.bmp *.dib)"});
    EXPECT_EQ(qtNameFilters(QString("Unpaired") + NUL), QStringList{});
    EXPECT_EQ(qtNameFilters(""), QStringList{});
}

TEST(SelectionOutcome, OneFileReportsItsNameAndExtensionOffsets) {
    DialogOutcome one = selectionOutcome({"/home/ann/a.bmp"});
    EXPECT_TRUE(one.confirmed);
    EXPECT_EQ(one.lpstrFile, "/home/ann/a.bmp");
    EXPECT_EQ(one.lpstrFileTitle, "a.bmp");
    EXPECT_EQ(one.nFileOffset, 10);
    EXPECT_EQ(one.nFileExtension, 12);

    DialogOutcome root = selectionOutcome({"/a.bmp"});
    EXPECT_EQ(root.nFileOffset, 1);
    EXPECT_EQ(root.nFileExtension, 3);

    // No extension points at the end; a closing dot reports none at all.
    EXPECT_EQ(selectionOutcome({"/home/ann/picture"}).nFileExtension, 17);
    EXPECT_EQ(selectionOutcome({"/home/ann/picture."}).nFileExtension, 0);
    EXPECT_EQ(selectionOutcome({"/home/my.folder/picture"}).nFileExtension, 23);
}

TEST(SelectionOutcome, SeveralFilesComeAsTheFolderAndTheNames) {
    DialogOutcome several = selectionOutcome({"/home/ann/a.bmp", "/home/ann/b.bmp"});
    EXPECT_EQ(several.lpstrFile, QString("/home/ann") + NUL + "a.bmp" + NUL + "b.bmp");
    EXPECT_EQ(several.lpstrFileTitle, "");
    EXPECT_EQ(several.nFileOffset, 10);

    DialogOutcome root = selectionOutcome({"/a.bmp", "/b.bmp"});
    EXPECT_EQ(root.lpstrFile, QString("/") + NUL + "a.bmp" + NUL + "b.bmp");
    EXPECT_EQ(root.nFileOffset, 2);

    DialogOutcome elsewhere = selectionOutcome({"/home/ann/a.bmp", "/tmp/b.bmp"});
    EXPECT_EQ(elsewhere.lpstrFile, QString("/home/ann") + NUL + "a.bmp" + NUL + "/tmp/b.bmp");

    EXPECT_FALSE(selectionOutcome({}).confirmed);
}

TEST(SelectionOutcome, TheBufferMustHoldTheSelectionAndItsClosingNuls) {
    EXPECT_TRUE(fitsFileBuffer(QString(259, u'a'), 261));
    EXPECT_FALSE(fitsFileBuffer(QString(260, u'a'), 261));
    EXPECT_TRUE(fitsFileBuffer(QString(12999, u'a'), 13001));
}

TEST(QtFileDialogWidget, TheSaveDialogShowsTheRecordsSettings) {
    QTemporaryDir folder;
    QtFileDialog platform;
    ComDLG dialog(platform);
    prepareSave(dialog, folder.path());
    whenModal<QFileDialog>([&](QFileDialog* shown) {
        EXPECT_EQ(shown->windowTitle(), "Save My Picture");
        EXPECT_EQ(shown->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(shown->fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(shown->nameFilters(), QStringList{"Pictures (*.bmp)"});
        EXPECT_EQ(shown->defaultSuffix(), "bmp");
        EXPECT_EQ(QDir(shown->directory()), QDir(folder.path()));
        EXPECT_FALSE(shown->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(shown->findChild<QCheckBox*>("readOnlyBox"), nullptr);
        auto* edit = shown->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), "MyPicture.bmp");
        confirm(shown);
    });
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName(), folder.filePath("MyPicture.bmp"));
    EXPECT_EQ(dialog.FileTitle(), "MyPicture.bmp");
    EXPECT_EQ(dialog.Directory(), folder.path());
    EXPECT_EQ(dialog.Extension(), "bmp");
    EXPECT_EQ(dialog.FilterIndex(), 1);
}

// A name typed into the save dialog opened in a scratch folder, or in the
// root folder, and the file and extension it comes back as.
struct TypedNameRow {
    const char* why;
    const char* typed;
    bool inRoot;
    const char* chosen;
    const char* extension;
};

class TypedName : public ::testing::TestWithParam<TypedNameRow> {};

TEST_P(TypedName, ComesBackAsTheFileInTheFolder) {
    const TypedNameRow& row = GetParam();
    QTemporaryDir scratch;
    const QString folder = row.inRoot ? QStringLiteral("/") : scratch.path();
    QtFileDialog platform;
    ComDLG dialog(platform);
    prepareSave(dialog, folder);
    whenModal<QFileDialog>([&](QFileDialog* shown) {
        typeName(shown, row.typed);
        confirm(shown);
    });
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName(), QDir(folder).filePath(row.chosen));
    EXPECT_EQ(dialog.Extension(), row.extension);
    EXPECT_EQ(dialog.Directory(), folder);
    EXPECT_EQ(dialog.FileTitles(), QStringList{row.chosen});
}

INSTANTIATE_TEST_SUITE_P(QtFileDialogWidget, TypedName,
                         ::testing::Values(TypedNameRow{"WithoutExtensionGetsTheDefaultOne",
                                                        "drawing", false, "drawing.bmp", "bmp"},
                                           TypedNameRow{"WithAnotherExtensionKeepsIt",
                                                        "drawing.png", false, "drawing.png", "png"},
                                           TypedNameRow{"InTheRootFolderGivesTheRootAsDirectory",
                                                        "/a.bmp", true, "a.bmp", "bmp"}),
                         [](const auto& info) { return std::string(info.param.why); });

TEST(QtFileDialogWidget, AnExistingFileIsOnlyChosenAfterTheUserAgreesToReplaceIt) {
    QTemporaryDir folder;
    touch(folder.filePath("old.bmp"));
    QtFileDialog platform;
    ComDLG dialog(platform);
    prepareSave(dialog, folder.path());
    int questions = 0;
    auto answer = [&](QMessageBox::StandardButton button) {
        whenModal<QMessageBox>([&, button](QMessageBox* box) {
            ++questions;
            EXPECT_TRUE(box->text().contains("old.bmp")) << box->text().toStdString();
            QAbstractButton* choice = box->button(button);
            ASSERT_NE(choice, nullptr);
            choice->click();
        });
    };
    whenModal<QFileDialog>([&](QFileDialog* shown) {
        typeName(shown, "old.bmp");
        answer(QMessageBox::No);
        confirm(shown);
        EXPECT_TRUE(shown->isVisible());
        answer(QMessageBox::Yes);
        confirm(shown);
    });
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(dialog.FileName(), folder.filePath("old.bmp"));
}

// A name the dialog refuses with a warning, staying open; the name is made
// from the scratch folder's path.
struct RefusedNameRow {
    const char* why;
    QString (*name)(const QTemporaryDir& folder);
    const char* warning;
};

class RefusedName : public ::testing::TestWithParam<RefusedNameRow> {};

TEST_P(RefusedName, IsRefusedAndTheDialogStaysOpen) {
    QTemporaryDir folder;
    QtFileDialog platform;
    ComDLG dialog(platform);
    prepareSave(dialog, folder.path());
    const QString name = GetParam().name(folder);
    bool warned = false;
    whenModal<QFileDialog>([&](QFileDialog* shown) {
        typeName(shown, name);
        whenModal<QMessageBox>([&](QMessageBox* box) {
            warned = true;
            EXPECT_TRUE(box->text().contains(GetParam().warning)) << box->text().toStdString();
            box->accept();
        });
        confirm(shown);
        EXPECT_TRUE(shown->isVisible());
        shown->reject();
    });
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_TRUE(warned);
    EXPECT_EQ(dialog.FileName(), "");
}

QString inAMissingFolder(const QTemporaryDir& folder) {
    return folder.filePath("missing/picture.bmp");
}

// A name the file system takes, in a path longer than the 260-character buffer.
QString tooLongForTheBuffer(const QTemporaryDir& folder) {
    const QString name = QString(240, u'a') + ".bmp";
    EXPECT_GT(folder.filePath(name).size(), 260);
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    QtFileDialogWidget, RefusedName,
    ::testing::Values(RefusedNameRow{"AFileInAMissingFolder", inAMissingFolder, "missing"},
                      RefusedNameRow{"APathTooLongForTheBuffer", tooLongForTheBuffer, "too long"}),
    [](const auto& info) { return std::string(info.param.why); });

TEST(QtFileDialogWidget, TheOpenDialogChoosesSeveralFilesWhenAllowed) {
    QTemporaryDir folder;
    touch(folder.filePath("a.bmp"));
    touch(folder.filePath("b.bmp"));
    QtFileDialog platform;
    ComDLG dialog(platform);
    dialog.setAllowMultiSelect(true);
    dialog.setDirectory(folder.path());
    whenModal<QFileDialog>([](QFileDialog* shown) {
        EXPECT_EQ(shown->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(shown->fileMode(), QFileDialog::ExistingFiles);
        EXPECT_TRUE(shown->testOption(QFileDialog::DontConfirmOverwrite));
        typeName(shown, "\"a.bmp\" \"b.bmp\"");
        confirm(shown);
    });
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName(), "");
    EXPECT_EQ(dialog.Directory(), folder.path());
    EXPECT_EQ(dialog.FileNames(),
              QStringList({folder.filePath("a.bmp"), folder.filePath("b.bmp")}));
    EXPECT_EQ(dialog.FileTitles(), QStringList({"a.bmp", "b.bmp"}));
}

TEST(QtFileDialogWidget, TheReadOnlyBoxShowsTheRecordsStateAndReportsTheUsersChoice) {
    QTemporaryDir folder;
    touch(folder.filePath("a.bmp"));
    QtFileDialog platform;
    ComDLG dialog(platform);
    dialog.setCheckBoxSelected(true);
    dialog.setCheckBoxVisible(false);
    dialog.setDirectory(folder.path());
    whenModal<QFileDialog>([](QFileDialog* shown) {
        auto* box = shown->findChild<QCheckBox*>("readOnlyBox");
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isVisible());
        EXPECT_TRUE(box->isChecked());
        box->setChecked(false);
        typeName(shown, "a.bmp");
        confirm(shown);
    });
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_FALSE(dialog.CheckBoxSelected());
}

TEST(QtFileDialogWidget, TheChosenFilterComesBackAsItsNumber) {
    QTemporaryDir folder;
    QtFileDialog platform;
    ComDLG dialog(platform);
    dialog.setFilter("Pictures|*.bmp|Photos|*.jpg");
    dialog.setFilterIndex(2);
    dialog.setDirectory(folder.path());
    whenModal<QFileDialog>([](QFileDialog* shown) {
        EXPECT_EQ(shown->selectedNameFilter(), "Photos (*.jpg)");
        shown->selectNameFilter("Pictures (*.bmp)");
        typeName(shown, "new.bmp");
        confirm(shown);
    });
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.FilterIndex(), 1);
    EXPECT_EQ(dialog.Filter(), "Pictures|*.bmp");
}

TEST(QtFileDialogWidget, CancellingReportsNothingChosen) {
    QtFileDialog platform;
    ComDLG dialog(platform);
    whenModal<QFileDialog>([](QFileDialog* shown) { shown->reject(); });
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName(), "");
    EXPECT_TRUE(dialog.FileNames().isEmpty());
}

} // namespace
