// Golfer maintenance and the golfer name dialog driven as a user would:
// clicks, typing, Tab and Enter, with the dialog handing each golfer back
// through its OkPressed box when golfer maintenance becomes active again, and
// the score files on disk following every add, rename and delete.

#include "FormTest.h"
#include "SaveFailures.h"
#include "data/Backups.h"

#include "forms/GolferMaintenanceWindow.h"
#include "forms/GolferNameDialog.h"
#include "forms/MainWindow.h"
#include "widgets/Program.h"

#include <QAction>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>

using tb::GNameForm;
using tb::Dialogs::Answer;

namespace tbtest {
namespace {

const char* const ThreeGolfers = "ADAMS, AL~ADAMS~0~\r\n"
                                 "JONES, ANN~JONES~1~\r\n"
                                 "SMITH, JOHN~SMITH~0~\r\n";

const QString SaveQuestion = "Save changes made to golfers?";

class GolferMaintenanceTest : public FormTest {
protected:
    // Three golfers, each with a score file of its own.
    void WriteThreeGolfers() {
        dir.Write("golfers.vxc", ThreeGolfers);
        dir.Write("ADAMS.vxp", "adams\r\n");
        dir.Write("JONES.vxp", "jones\r\n");
        dir.Write("SMITH.VXP", "smith\r\n");
    }
    tb::TGMaintForm* Open() {
        Click(tb::MainForm->EditGolferButton);
        Settle();
        return tb::GMaintForm;
    }
    static QStringList Lines(tb::TGMaintForm* form) {
        QStringList lines;
        for (int i = 0; i < form->GolferListBox->count(); ++i)
            lines << form->GolferListBox->item(i)->text();
        return lines;
    }
    // Opens the dialog with Add and checks it is ready for typing.
    void StartAdd(tb::TGMaintForm* form) {
        Click(form->AddButton);
        Settle();
        ASSERT_TRUE(GNameForm->isVisible());
        ASSERT_EQ(QApplication::focusWidget(), GNameForm->LongName);
    }
    // Deletes the first golfer with Yes: a change to save or lose.
    void MakeChange(tb::TGMaintForm* form) {
        tb::Dialogs::QueueAnswer(Answer::Yes);
        Click(form->DeleteButton);
        tb::Dialogs::ClearShown();
        ASSERT_TRUE(form->Modified());
    }
    // Lets a closed window's deferred deletion happen.
    static void Flush() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Settle();
    }
};

TEST_F(GolferMaintenanceTest, AddingProposesTheShortNameCreatesTheScoreFileAndSaves) {
    WriteThreeGolfers();
    tb::TGMaintForm* form = Open();
    ASSERT_TRUE(form);
    EXPECT_EQ(Lines(form), (QStringList{"ADAMS, AL", "JONES, ANN", "SMITH, JOHN"}));
    EXPECT_FALSE(form->SaveButton->isEnabled());

    StartAdd(form);
    EXPECT_EQ(GNameForm->Mode, 'A');
    EXPECT_EQ(GNameForm->SexRadio->ItemIndex(), 0);
    Type(GNameForm->LongName, "Mary O'Neil");
    Tab();
    EXPECT_EQ(GNameForm->ShortName->text(), "MARY_O_N");
    EXPECT_EQ(QApplication::focusWidget(), GNameForm->ShortName);
    EXPECT_FALSE(dir.Exists("MARY_O_N.vxp")) << "the file comes with OK";
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), GNameForm->SexRadio->Item(0));
    GNameForm->SexRadio->Item(1)->click();
    GNameForm->OKButton->setFocus();
    Press(GNameForm->OKButton, Qt::Key_Return);
    Settle();

    EXPECT_FALSE(GNameForm->isVisible());
    EXPECT_EQ(GNameForm->OkPressed->text(), "0") << "taken over once";
    EXPECT_TRUE(dir.Exists("MARY_O_N.vxp"));
    EXPECT_EQ(dir.Read("MARY_O_N.vxp"), "");
    EXPECT_EQ(Lines(form), (QStringList{"ADAMS, AL", "JONES, ANN", "Mary O'Neil", "SMITH, JOHN"}));
    EXPECT_EQ(form->CurrentGolfer(), 4);
    EXPECT_EQ(form->GolferListBox->currentRow(), 3) << "the selection follows the position";
    EXPECT_TRUE(form->SaveButton->isEnabled());
    EXPECT_EQ(dir.Read("golfers.vxc"), ThreeGolfers) << "the list file waits for Save";

    Click(form->SaveButton);
    EXPECT_EQ(dir.Read("golfers.vxc"), "ADAMS, AL~ADAMS~0~\r\nJONES, ANN~JONES~1~\r\n"
                                       "Mary O'Neil~MARY_O_N~1~\r\nSMITH, JOHN~SMITH~0~\r\n");
    EXPECT_FALSE(form->SaveButton->isEnabled());
    EXPECT_FALSE(dir.Exists("SMITH.vxp")) << "SMITH.VXP serves as SMITH's score file";
    EXPECT_TRUE(Shown().empty());
}

TEST_F(GolferMaintenanceTest, ProposalSkipsAScoreFileWithAnUpperCaseExtension) {
    dir.Write("golfers.vxc", "");
    dir.Write("MARY_O_N.VXP", "");
    tb::TGMaintForm* form = Open();
    StartAdd(form);
    Type(GNameForm->LongName, "Mary O'Neil");
    Tab();
    EXPECT_EQ(GNameForm->ShortName->text(), "MARY_O_1");
    Click(GNameForm->OKButton);
    Settle();
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(dir.Exists("MARY_O_1.vxp"));
    ASSERT_EQ(form->Golfers().size(), 1u);
    EXPECT_EQ(form->Golfers()[0].ShortName, "MARY_O_1");
}

TEST_F(GolferMaintenanceTest, TypedShortNameWithAScoreFileAsksWhetherToUseIt) {
    dir.Write("golfers.vxc", "");
    dir.Write("SMITH.VXP", "smith\r\n");
    tb::TGMaintForm* form = Open();
    StartAdd(form);
    Type(GNameForm->LongName, "John Smith");
    Tab();
    Type(GNameForm->ShortName, "smith");
    EXPECT_EQ(GNameForm->ShortName->text(), "SMITH") << "upper case as typed";

    tb::Dialogs::QueueAnswer(Answer::No);
    Click(GNameForm->OKButton);
    Settle();
    const QString question = "A golfer score file with the same name \"SMITH.vxp\" already "
                             "exists.  Use it for this golfer?";
    EXPECT_EQ(Shown(), std::vector<QString>{question});
    EXPECT_TRUE(GNameForm->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), GNameForm->ShortName);
    EXPECT_TRUE(form->Golfers().empty());

    tb::Dialogs::ClearShown();
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(GNameForm->OKButton);
    Settle();
    EXPECT_EQ(Shown(), std::vector<QString>{question});
    EXPECT_FALSE(GNameForm->isVisible());
    ASSERT_EQ(form->Golfers().size(), 1u);
    EXPECT_EQ(form->Golfers()[0].LongName, "John Smith");
    EXPECT_EQ(form->Golfers()[0].ShortName, "SMITH");
    EXPECT_EQ(dir.Read("SMITH.VXP"), "smith\r\n");
    EXPECT_FALSE(dir.Exists("SMITH.vxp")) << "no second file beside the existing one";
}

TEST_F(GolferMaintenanceTest, EmptyOrInvalidShortNameKeepsTheDialogOpen) {
    dir.Write("golfers.vxc", "");
    tb::TGMaintForm* form = Open();
    StartAdd(form);
    Tab();
    EXPECT_EQ(GNameForm->ShortName->text(), "");
    Click(GNameForm->OKButton);
    EXPECT_EQ(Shown(), std::vector<QString>{"You must enter a value in the short name field."});
    EXPECT_EQ(QApplication::focusWidget(), GNameForm->ShortName);

    const QString badCharacters = "The short golfer name can only contain the letters A - Z, "
                                  "numbers, dashes and underlines.";
    for (const QString& typed : {QString("A B"), QString("A.B")}) {
        tb::Dialogs::ClearShown();
        GNameForm->ShortName->selectAll();
        Type(GNameForm->ShortName, typed);
        Click(GNameForm->OKButton);
        EXPECT_EQ(Shown(), std::vector<QString>{badCharacters}) << typed.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), GNameForm->ShortName);
        EXPECT_TRUE(GNameForm->isVisible());
    }
    EXPECT_EQ(GNameForm->OkPressed->text(), "0");
    EXPECT_TRUE(form->Golfers().empty());
    EXPECT_FALSE(dir.Exists("A B.vxp"));
}

TEST_F(GolferMaintenanceTest, TheKeyboardSetsTheSexAndEnterPressesOK) {
    dir.Write("golfers.vxc", "");
    tb::TGMaintForm* form = Open();
    for (int sex : {1, 0}) {
        StartAdd(form);
        Type(GNameForm->LongName, sex ? "Anna Schmidt" : "Bert Schmidt");
        Tab();
        Tab();
        EXPECT_EQ(QApplication::focusWidget(), GNameForm->SexRadio->Item(0)) << "the checked one";
        if (sex == 1) Press(GNameForm->SexRadio->Item(0), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), GNameForm->SexRadio->Item(sex));
        GNameForm->ShortName->setText(sex ? "" : "BERT");
        Click(GNameForm->LongName);
        Press(GNameForm->LongName, Qt::Key_Return);
        Settle();
    }
    ASSERT_EQ(form->Golfers().size(), 2u);
    EXPECT_EQ(form->Golfers()[0].ShortName.str(), "ANNA_SCH") << "proposed on leaving the box";
    EXPECT_EQ(form->Golfers()[0].Sex, 1);
}

TEST_F(GolferMaintenanceTest, UnstorableCharactersCannotBeTyped) {
    dir.Write("golfers.vxc", "");
    StartAdd(Open());
    Type(GNameForm->LongName, "Al~Bo");
    // A letter beyond Latin-1, as a keyboard layout would deliver it.
    QKeyEvent beyondLatin1(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                           QString(QChar(0x0141)));
    QApplication::sendEvent(GNameForm->LongName, &beyondLatin1);
    EXPECT_EQ(GNameForm->LongName->text(), "AlBo");
    Type(GNameForm->LongName, QString(50, 'x'));
    EXPECT_EQ(GNameForm->LongName->text().size(), 40);
    Tab();
    GNameForm->ShortName->selectAll();
    Type(GNameForm->ShortName, "abcdefghijk");
    EXPECT_EQ(GNameForm->ShortName->text(), "ABCDEFGH");
}

TEST_F(GolferMaintenanceTest, EmptyLongNameTakesTheTypedShortName) {
    dir.Write("golfers.vxc", "");
    tb::TGMaintForm* form = Open();
    StartAdd(form);
    Tab();
    Type(GNameForm->ShortName, "doe");
    Tab();
    EXPECT_EQ(GNameForm->LongName->text(), "DOE");
    Click(GNameForm->OKButton);
    Settle();
    EXPECT_EQ(Lines(form), QStringList{"DOE"});
    EXPECT_TRUE(dir.Exists("DOE.vxp"));
}

TEST_F(GolferMaintenanceTest, ChangedShortNameRenamesTheScoreFile) {
    WriteThreeGolfers();
    tb::TGMaintForm* form = Open();
    form->GolferListBox->setCurrentRow(2);
    Click(form->ModifyButton);
    Settle();
    ASSERT_TRUE(GNameForm->isVisible());
    EXPECT_EQ(GNameForm->Mode, 'E');
    EXPECT_EQ(GNameForm->LongName->text(), "SMITH, JOHN");
    EXPECT_EQ(GNameForm->ShortName->text(), "SMITH");
    EXPECT_EQ(QApplication::focusWidget(), GNameForm->LongName);
    Tab();
    EXPECT_EQ(GNameForm->ShortName->text(), "SMITH") << "a typed short name stays";
    Type(GNameForm->ShortName, "smithj");
    Click(GNameForm->OKButton);
    Settle();

    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(form->Golfers()[2].ShortName, "SMITHJ");
    EXPECT_TRUE(form->SaveButton->isEnabled());
    // The file follows the name when the list that names it is saved.
    EXPECT_TRUE(dir.Exists("SMITH.VXP"));
    Click(form->SaveButton);
    EXPECT_FALSE(dir.Exists("SMITH.VXP"));
    EXPECT_EQ(dir.Read("SMITHJ.vxp"), "smith\r\n");
}

TEST_F(GolferMaintenanceTest, RenameOntoAnExistingFileKeepsTheOldShortName) {
    WriteThreeGolfers();
    tb::TGMaintForm* form = Open();
    form->GolferListBox->setCurrentRow(2);
    Click(form->ModifyButton);
    Settle();
    GNameForm->LongName->selectAll();
    Type(GNameForm->LongName, "SMITH, JOHN R");
    Tab();
    Type(GNameForm->ShortName, "JONES");
    GNameForm->SexRadio->Item(1)->click();
    Click(GNameForm->OKButton);
    Settle();

    EXPECT_EQ(Shown(),
              std::vector<QString>{"ERROR: Unable to rename golfer file!  Try a different name."});
    EXPECT_EQ(GNameForm->ShortName->text(), "SMITH");
    const tb::GolferRec& golfer = form->Golfers()[2];
    EXPECT_EQ(golfer.LongName, "SMITH, JOHN R");
    EXPECT_EQ(golfer.ShortName, "SMITH");
    EXPECT_EQ(golfer.Sex, 1);
    EXPECT_EQ(dir.Read("SMITH.VXP"), "smith\r\n");
    EXPECT_EQ(dir.Read("JONES.vxp"), "jones\r\n");
    EXPECT_TRUE(form->SaveButton->isEnabled());
}

TEST_F(GolferMaintenanceTest, ProposalWhileChangingIsTheBaseEvenWithItsFilePresent) {
    dir.Write("golfers.vxc", "Jones~JONES~1~\r\n");
    dir.Write("JONES.vxp", "");
    tb::TGMaintForm* form = Open();
    Click(form->ModifyButton);
    Settle();
    EXPECT_EQ(GNameForm->SexRadio->ItemIndex(), 1);
    Tab();
    Press(GNameForm->ShortName, Qt::Key_Backspace);
    QTest::keyClick(GNameForm->ShortName, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), GNameForm->LongName);
    Tab();
    EXPECT_EQ(GNameForm->ShortName->text(), "JONES");

    // Add then starts from an empty male golfer.
    Click(GNameForm->CancelButton);
    Settle();
    StartAdd(form);
    EXPECT_EQ(GNameForm->SexRadio->ItemIndex(), 0);
    EXPECT_EQ(GNameForm->LongName->text(), "");
    EXPECT_EQ(GNameForm->ShortName->text(), "");
}

TEST_F(GolferMaintenanceTest, RenameOfAMissingScoreFileFails) {
    dir.Write("golfers.vxc", "Al Bo~ALBO~0~\r\n");
    tb::TGMaintForm* form = Open();
    Click(form->ModifyButton);
    Settle();
    Tab();
    Type(GNameForm->ShortName, "BO");
    Click(GNameForm->OKButton);
    Settle();
    EXPECT_EQ(Shown(),
              std::vector<QString>{"ERROR: Unable to rename golfer file!  Try a different name."});
    EXPECT_EQ(form->Golfers()[0].ShortName, "ALBO");
    EXPECT_FALSE(dir.Exists("BO.vxp"));
}

TEST_F(GolferMaintenanceTest, ChangedGolferMovesButTheSelectionKeepsItsPosition) {
    WriteThreeGolfers();
    tb::TGMaintForm* form = Open();
    // A double-click as the platform delivers it: a click, then the double-click.
    QWidget* viewport = form->GolferListBox->viewport();
    const QPoint first = form->GolferListBox->visualItemRect(form->GolferListBox->item(0)).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, first);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, first);
    Settle();
    ASSERT_TRUE(GNameForm->isVisible()) << "double-click is Modify";
    EXPECT_EQ(GNameForm->LongName->text(), "ADAMS, AL");
    GNameForm->LongName->selectAll();
    Type(GNameForm->LongName, "ZED, AL");
    Click(GNameForm->OKButton);
    Settle();
    EXPECT_EQ(Lines(form), (QStringList{"JONES, ANN", "SMITH, JOHN", "ZED, AL"}));
    EXPECT_EQ(form->GolferListBox->currentRow(), 0);
    EXPECT_EQ(form->Golfers()[2].ShortName, "ADAMS");
    EXPECT_EQ(form->Golfers()[0].Sex, 1) << "JONES keeps her sex";
}

TEST_F(GolferMaintenanceTest, DeleteAsksAndRemovesTheLineTheScoreFileGoesWithTheSave) {
    WriteThreeGolfers();
    tb::TGMaintForm* form = Open();
    form->GolferListBox->setCurrentRow(2);
    tb::Dialogs::QueueAnswer(Answer::No);
    Click(form->DeleteButton);
    const QString question =
        "Are you sure you want to delete this golfer along with score file \"SMITH.vxp\"?";
    EXPECT_EQ(Shown(), std::vector<QString>{question});
    EXPECT_TRUE(dir.Exists("SMITH.VXP"));
    EXPECT_EQ(Lines(form).size(), 3);
    EXPECT_FALSE(form->SaveButton->isEnabled());

    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(form->DeleteButton);
    EXPECT_TRUE(dir.Exists("SMITH.VXP")) << "kept until the list is saved";
    EXPECT_EQ(Lines(form), (QStringList{"ADAMS, AL", "JONES, ANN"}));
    EXPECT_EQ(form->GolferListBox->currentRow(), 1) << "the new last golfer";
    EXPECT_TRUE(form->SaveButton->isEnabled());
    EXPECT_EQ(dir.Read("golfers.vxc"), ThreeGolfers);

    form->GolferListBox->setCurrentRow(0);
    tb::Dialogs::QueueAnswer(Answer::Yes);
    form->DeleteGolfer1->trigger();
    EXPECT_EQ(Lines(form), QStringList{"JONES, ANN"});
    EXPECT_EQ(form->GolferListBox->currentRow(), 0) << "the golfer that took its place";
    Click(form->SaveButton);
    EXPECT_EQ(DataFiles(), (std::vector<std::string>{"JONES.vxp", "backups", "golfers.vxc"}));
    EXPECT_EQ(tb::FilesWithBackups(dir.path()),
              (std::vector<std::string>{"ADAMS.vxp", "SMITH.VXP", "golfers.vxc"}))
        << "the deleted golfers' rounds are kept";
}

TEST_F(GolferMaintenanceTest, ExitWithChangesFollowsTheAnswer) {
    const std::string saved = "JONES, ANN~JONES~1~\r\nSMITH, JOHN~SMITH~0~\r\n";
    struct Case {
        Answer answer;
        std::string listFile;
        bool staysOpen;
    };
    for (const Case& c : {Case{Answer::Yes, saved, false}, Case{Answer::No, ThreeGolfers, false},
                          Case{Answer::Cancel, ThreeGolfers, true}}) {
        WriteThreeGolfers();
        QPointer<tb::TGMaintForm> form = Open();
        MakeChange(form);
        tb::Dialogs::QueueAnswer(c.answer);
        Click(form->ExitButton);
        Flush();
        EXPECT_EQ(Shown(), std::vector<QString>{SaveQuestion});
        EXPECT_EQ(dir.Read("golfers.vxc"), c.listFile);
        EXPECT_EQ(dir.Exists("ADAMS.vxp"), c.answer != Answer::Yes)
            << "the deleted golfer's file goes with the saved list only";
        ASSERT_EQ(!form.isNull(), c.staysOpen);
        if (form) {
            EXPECT_TRUE(form->isVisible());
            EXPECT_TRUE(form->SaveButton->isEnabled());
        }
        tb::Dialogs::ClearShown();
    }
}

TEST_F(GolferMaintenanceTest, GolferLeftWithoutScoreFileGetsAnEmptyOneAtTheNextSave) {
    WriteThreeGolfers();
    std::filesystem::remove(dir / "ADAMS.vxp");
    tb::TGMaintForm* next = Open();
    EXPECT_EQ(Lines(next).size(), 3);
    next->Save1->trigger();
    EXPECT_TRUE(dir.Exists("ADAMS.vxp"));
    EXPECT_EQ(dir.Read("ADAMS.vxp"), "");
    EXPECT_EQ(dir.Read("golfers.vxc"), ThreeGolfers);
}

// Save with a golfer added (the name dialog's OK made its score file), one
// deleted (its file goes with the save) and one listed without a score file
// (the save makes it): whatever fails, golfers.vxc and the folder stay as
// they were, the window keeps the changes, and the next Save stores them.
TEST_F(GolferMaintenanceTest, FailedSaveKeepsTheFilesAndTheChanges) {
    WriteThreeGolfers();
    dir.Write("golfers.vxc", std::string(ThreeGolfers) + "BAKER, BO~BAKER~0~\r\n");
    tb::TGMaintForm* form = Open();
    ASSERT_TRUE(form);
    StartAdd(form);
    Type(GNameForm->LongName, "Mary O'Neil");
    Tab();
    Click(GNameForm->OKButton);
    Settle();
    ASSERT_TRUE(dir.Exists("MARY_O_N.vxp"));
    form->GolferListBox->setCurrentRow(2);
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(form->DeleteButton);
    ASSERT_TRUE(dir.Exists("JONES.vxp"));
    const QStringList edited{"ADAMS, AL", "BAKER, BO", "Mary O'Neil", "SMITH, JOHN"};
    ASSERT_EQ(Lines(form), edited);
    tb::Dialogs::ClearShown();

    SaveUnderEveryFailure(
        dir, "golfers.vxc",
        "ADAMS, AL~ADAMS~0~\r\nBAKER, BO~BAKER~0~\r\nMary O'Neil~MARY_O_N~0~\r\n"
        "SMITH, JOHN~SMITH~0~\r\n",
        [&] { Click(form->SaveButton); },
        [&] {
            EXPECT_TRUE(form->Modified());
            EXPECT_TRUE(form->SaveButton->isEnabled());
            EXPECT_EQ(Lines(form), edited);
            EXPECT_EQ(form->Golfers().size(), 4u);
        });

    EXPECT_EQ(dir.Read("BAKER.vxp"), "") << "made by the save";
    EXPECT_EQ(DataFiles(), (std::vector<std::string>{"ADAMS.vxp", "BAKER.vxp", "MARY_O_N.vxp",
                                                     "SMITH.VXP", "backups", "golfers.vxc"}));
    EXPECT_FALSE(form->Modified());
    EXPECT_FALSE(form->SaveButton->isEnabled());
    EXPECT_TRUE(Shown().empty());
}

TEST_F(GolferMaintenanceTest, ExitWithoutChangesAsksNothing) {
    WriteThreeGolfers();
    QPointer<tb::TGMaintForm> form = Open();
    Click(form->ExitButton);
    Flush();
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(form.isNull());
}

TEST_F(GolferMaintenanceTest, TitleBarCloseAsksAboutUnsavedChanges) {
    WriteThreeGolfers();
    QPointer<tb::TGMaintForm> form = Open();
    MakeChange(form);
    tb::Dialogs::QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(Shown(), std::vector<QString>{SaveQuestion});
    EXPECT_TRUE(form->isVisible());

    tb::Dialogs::QueueAnswer(Answer::Yes);
    EXPECT_TRUE(form->close());
    Flush();
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(dir.Read("golfers.vxc"), "JONES, ANN~JONES~1~\r\nSMITH, JOHN~SMITH~0~\r\n");
}

TEST_F(GolferMaintenanceTest, NameDialogTitleBarCloseActsAsCancel) {
    dir.Write("golfers.vxc", "");
    tb::TGMaintForm* form = Open();
    StartAdd(form);
    Type(GNameForm->LongName, "Mary O'Neil");
    Tab();
    EXPECT_FALSE(GNameForm->close());
    Settle();
    EXPECT_FALSE(GNameForm->isVisible());
    EXPECT_EQ(GNameForm->OkPressed->text(), "0");
    EXPECT_EQ(QApplication::activeWindow(), form) << "handed back to the opener";
    EXPECT_TRUE(form->Golfers().empty());
    EXPECT_FALSE(form->SaveButton->isEnabled());
    EXPECT_FALSE(dir.Exists("MARY_O_N.vxp"));

    StartAdd(form);
    Click(GNameForm->CancelButton);
    Settle();
    EXPECT_FALSE(GNameForm->isVisible());
    EXPECT_TRUE(form->Golfers().empty());
}

TEST_F(GolferMaintenanceTest, FullListRefusesAnotherGolfer) {
    std::string lines;
    for (int i = 0; i < 300; ++i)
        lines += "G" + std::to_string(1000 + i) + "~G" + std::to_string(1000 + i) + "~0~\r\n";
    dir.Write("golfers.vxc", lines);
    tb::TGMaintForm* form = Open();
    ASSERT_EQ(form->Golfers().size(), 300u);
    Click(form->AddButton);
    Settle();
    ASSERT_EQ(tb::Dialogs::ShownDialogs().size(), 1u);
    EXPECT_EQ(tb::Dialogs::ShownDialogs()[0].kind, tb::Dialogs::Kind::Warning);
    EXPECT_EQ(Shown()[0], "You have reached the maximum allowed number of golfers.  If possible, "
                          "delete some golfers that are inactive.  Then, you can enter more new "
                          "ones.");
    EXPECT_FALSE(GNameForm->isVisible());
}

TEST_F(GolferMaintenanceTest, EmptyListModifyAndDeleteDoNothing) {
    dir.Write("golfers.vxc", "");
    tb::TGMaintForm* form = Open();
    Click(form->ModifyButton);
    Click(form->DeleteButton);
    Settle();
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(GNameForm->isVisible());
    EXPECT_FALSE(form->Modified());
}

TEST_F(GolferMaintenanceTest, TwoWindowsKeepTheirOwnLists) {
    WriteThreeGolfers();
    QPointer<tb::TGMaintForm> first = Open();
    QPointer<tb::TGMaintForm> second = Open();
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_EQ(tb::GMaintForm, second);
    MakeChange(second);
    EXPECT_EQ(Lines(second).size(), 2);
    Activate(first);
    EXPECT_EQ(Lines(first).size(), 3);
    EXPECT_TRUE(first->isVisible() && second->isVisible());
    EXPECT_FALSE(first->Modified());
}

TEST_F(GolferMaintenanceTest, CaptionsMenusTabOrderAndPlacement) {
    WriteThreeGolfers();
    tb::TGMaintForm* form = Open();
    EXPECT_EQ(form->windowTitle(), "Golfer Maintenance");
    EXPECT_EQ(GNameForm->windowTitle(), "Golfer Name");
    QStringList menus;
    for (QAction* menu : form->menuBar()->actions()) {
        menus << menu->text();
        for (QAction* item : menu->menu()->actions())
            menus << item->text();
    }
    EXPECT_EQ(menus, (QStringList{"&File", "&Save", "&Exit", "&Edit", "&Add Golfer",
                                  "&Modify Golfer", "&Delete Golfer"}));
    EXPECT_EQ(form->size(), QSize(552, 383));
    EXPECT_EQ(form->pos(), QPoint(122, 115));

    MakeChange(form);
    form->GolferListBox->setFocus();
    std::vector<QWidget*> order{form->GolferListBox};
    for (int i = 0; i < 5; ++i) {
        Tab();
        order.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(order,
              (std::vector<QWidget*>{form->GolferListBox, form->AddButton, form->ModifyButton,
                                     form->DeleteButton, form->ExitButton, form->SaveButton}));
}

TEST_F(GolferMaintenanceTest, NameDialogIsFixedAndTabsThroughItsFields) {
    dir.Write("golfers.vxc", "");
    StartAdd(Open());
    EXPECT_EQ(GNameForm->minimumSize(), GNameForm->maximumSize());
    EXPECT_EQ(GNameForm->LongName->toolTip(), "Long name for Golfer");
    EXPECT_EQ(GNameForm->ShortName->toolTip(), "8 character name used for Golfer file");
    EXPECT_FALSE(GNameForm->OkPressed->isVisible());
    std::vector<QWidget*> order{QApplication::focusWidget()};
    for (int i = 0; i < 4; ++i) {
        Tab();
        order.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(order, (std::vector<QWidget*>{GNameForm->LongName, GNameForm->ShortName,
                                            GNameForm->SexRadio->Item(0), GNameForm->OKButton,
                                            GNameForm->CancelButton}));
}

TEST_F(GolferMaintenanceTest, ChangeIsStoredOnTheEditedGolferAfterADeleteMeanwhile) {
    WriteThreeGolfers();
    tb::TGMaintForm* form = Open();
    form->GolferListBox->setCurrentRow(2);
    form->ModifyGolfer1->trigger();
    Settle();
    Activate(form);
    form->GolferListBox->setCurrentRow(0);
    tb::Dialogs::QueueAnswer(Answer::Yes);
    Click(form->DeleteButton);
    Activate(GNameForm.Get());
    Tab();
    Type(GNameForm->ShortName, "SMITHJ");
    Click(GNameForm->OKButton);
    Settle();
    EXPECT_EQ(Lines(form), (QStringList{"JONES, ANN", "SMITH, JOHN"}));
    EXPECT_EQ(form->Golfers()[0].ShortName, "JONES");
    EXPECT_EQ(form->Golfers()[1].ShortName, "SMITHJ");
    Click(form->SaveButton);
    EXPECT_EQ(DataFiles(),
              (std::vector<std::string>{"JONES.vxp", "SMITHJ.vxp", "backups", "golfers.vxc"}));
    EXPECT_EQ(dir.Read("SMITHJ.vxp"), "smith\r\n");
}

TEST_F(GolferMaintenanceTest, ResultForAClosedWindowIsNotTakenByAnother) {
    WriteThreeGolfers();
    tb::TGMaintForm* other = Open();
    tb::TGMaintForm* opener = Open();
    StartAdd(opener);
    Click(opener->ExitButton);
    Flush();
    Activate(GNameForm.Get());
    Type(GNameForm->LongName, "Mary O'Neil");
    Click(GNameForm->OKButton);
    Settle();
    Activate(other);
    EXPECT_EQ(Lines(other).size(), 3);
    EXPECT_FALSE(other->Modified());
}

} // namespace
} // namespace tbtest
