// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The coil winding window driven as a user drives it: opened from the main
// window's File menu, following the calculator's L, refusing bad values
// with a message, keeping its values while closed.
#include "AppWindows.h"
#include "CoilWinding.h"
#include "NumIO.h"
#include "NumLab.h"
#include "u_frmCoil.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTest>

#include <gtest/gtest.h>

using namespace vorn;

namespace {

class CoilWindow : public AppWindows
{
protected:
    void SetUp() override
    {
        AppWindows::SetUp();
        FItem = AddCoilWindingItem(frmMain);
    }

    // Opens the window as a user does: the menu item's key in the main window.
    void Open()
    {
        frmMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
        QTest::keySequence(frmMain->btnExit, FItem->shortcut());
        ASSERT_NE(frmCoil, nullptr) << (Reports().empty() ? std::string() : Reports().front().toStdString());
        ASSERT_TRUE(frmCoil->isVisible());
    }

    // Empties a field with Backspace and types `text` into it.
    static void Type(TNumIO2* field, const QString& text)
    {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->property("LeftSpace").toInt() + 10, field->height() / 2));
        QTest::keyClick(field, Qt::Key_End);
        for (qsizetype n = field->Text().size(); n > 0; --n)
            QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        ASSERT_EQ(field->Text(), text);
    }

    static std::vector<TNumLab*> ReadOuts()
    {
        return {frmCoil->nlTurns, frmCoil->nlWholeTurns, frmCoil->nlWholeL, frmCoil->nlLength,
                frmCoil->nlWire,  frmCoil->nlShape,      frmCoil->nlNagaoka, frmCoil->nlWheeler};
    }

    static double Shown(TNumLab* label) { return label->DisplayText().toDouble(); }

    QAction* FItem = nullptr;
};

TEST_F(CoilWindow, FileMenuHasCoilWindingAboveExitOnAKeyOfItsOwn)
{
    EXPECT_EQ(frmMain->File1->actions(), (QList<QAction*>{FItem, frmMain->Exit1}));
    EXPECT_EQ(FItem->text(), "Coil winding...");
    // No other key of the main window is the same.
    std::vector<QKeySequence> others;
    for (QAction* a : frmMain->findChildren<QAction*>())
        if (a != FItem && !a->shortcut().isEmpty())
            others.push_back(a->shortcut());
    for (QShortcut* s : frmMain->findChildren<QShortcut*>())
        others.push_back(s->key());
    EXPECT_EQ(others.size(), 3u); // Alt+1 .. Alt+3 of the fields
    for (const QKeySequence& k : others)
        EXPECT_NE(k, FItem->shortcut()) << k.toString().toStdString();
    EXPECT_EQ(frmCoil, nullptr); // made on first use
}

// The close-wound coil of 0.5 mm wire (0.55 mm insulated) on a 20 mm former
// for the calculator's 8.451 uH: the turns shown give 8.451 uH within 0.1 %.
TEST_F(CoilWindow, OpensFromTheMenuWithTheCalculatorsL)
{
    Open();
    EXPECT_EQ(frmCoil->windowTitle(), "Coil winding");
    EXPECT_FALSE(frmCoil->isModal());
    EXPECT_EQ(frmCoil->nioL->Text(), "8.451");
    EXPECT_TRUE(frmCoil->cbFollow->isChecked());
    EXPECT_TRUE(frmCoil->cbCloseWound->isChecked());
    EXPECT_EQ(frmCoil->nioPitch->Text(), "0.550");
    EXPECT_EQ(frmCoil->lblStatus->text(), "");
    const double turns = Shown(frmCoil->nlTurns);
    const coil::TCoilShape shape{20, 0.5, 0.55, 0.55};
    EXPECT_NEAR(coil::CoilInductance(shape, turns) / 8.451, 1, 1e-3) << turns;
    EXPECT_EQ(Shown(frmCoil->nlWholeTurns), std::ceil(turns));
    EXPECT_GE(Shown(frmCoil->nlWholeL), 8.451);
    // The main window stays usable, and the menu opens the same window again.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    TfrmCoil* first = frmCoil;
    frmMain->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
    FItem->trigger();
    EXPECT_EQ(frmCoil, first);
    EXPECT_TRUE(Reports().empty());
}

TEST_F(CoilWindow, TurnsFollowTheFrequencyTypedInTheCalculator)
{
    Open();
    const double before = Shown(frmCoil->nlTurns);
    Type(frmMain->nioFreq, "14.2");
    EXPECT_EQ(frmMain->nioL->Text(), "4.225");
    EXPECT_EQ(frmCoil->nioL->Text(), "4.225");
    const double after = Shown(frmCoil->nlTurns);
    EXPECT_LT(after, before);
    EXPECT_NEAR(coil::CoilInductance({20, 0.5, 0.55, 0.55}, after) / 4.225, 1, 1e-3);
    EXPECT_TRUE(Reports().empty());
}

// An L typed in the window is the user's own until "Follow" is ticked again.
TEST_F(CoilWindow, TypedLStaysUntilFollowingIsTickedAgain)
{
    Open();
    Type(frmCoil->nioL, "10");
    EXPECT_FALSE(frmCoil->cbFollow->isChecked());
    Type(frmMain->nioFreq, "14.2");
    EXPECT_EQ(frmCoil->nioL->Text(), "10");
    QTest::mouseClick(frmCoil->cbFollow, Qt::LeftButton, {}, QPoint(6, frmCoil->cbFollow->height() / 2));
    EXPECT_TRUE(frmCoil->cbFollow->isChecked());
    EXPECT_EQ(frmCoil->nioL->Text(), "4.225");
}

TEST_F(CoilWindow, BadValuesSayWhatIsWrongAndShowNoValues)
{
    Open();
    struct Case
    {
        TNumIO2* TfrmCoil::*Field;
        QString Text;
        QString Message;
    };
    const std::vector<Case> cases{
        {&TfrmCoil::nioFormer, "", "Enter the former's diameter."},
        {&TfrmCoil::nioFormer, "0", "Enter the former's diameter."},
        {&TfrmCoil::nioFormer, "5000", "Former must be 0.1 to 1000 mm."},
        {&TfrmCoil::nioBare, "-", "Enter the bare wire's diameter."},
        {&TfrmCoil::nioInsulated, "0.4", "The insulated wire cannot be thinner than the bare wire."},
        {&TfrmCoil::nioL, "0.01", "One turn already gives 0.052 uH, more than the required L."},
        {&TfrmCoil::nioL, "99999", "That L needs more than 100,000 turns."},
        {&TfrmCoil::nioL, "", "Enter the required L."},
    };
    for (const Case& c : cases) {
        TNumIO2* field = frmCoil->*c.Field;
        const QString good = field->Text();
        Type(field, c.Text);
        EXPECT_EQ(frmCoil->lblStatus->text(), c.Message) << c.Text.toStdString();
        EXPECT_EQ(field->Text(), c.Text); // nothing typed is lost
        for (TNumLab* label : ReadOuts()) {
            EXPECT_TRUE(label->Empty()) << label->objectName().toStdString();
            EXPECT_EQ(label->DisplayText(), "") << label->objectName().toStdString();
        }
        Type(field, good);
        EXPECT_EQ(frmCoil->lblStatus->text(), "");
        EXPECT_FALSE(frmCoil->nlTurns->Empty());
    }
    // A pitch below the wire, once the pitch is the user's to type.
    QTest::mouseClick(frmCoil->cbCloseWound, Qt::LeftButton, {}, QPoint(6, frmCoil->cbCloseWound->height() / 2));
    Type(frmCoil->nioPitch, "0.5");
    EXPECT_EQ(frmCoil->lblStatus->text(), "The pitch cannot be less than the insulated wire.");
    EXPECT_TRUE(Reports().empty());
}

// Close-wound puts the insulated diameter into the pitch and keeps it
// there; unticked, the pitch is typed and changes the winding.
TEST_F(CoilWindow, CloseWoundSetsThePitchToTheInsulatedWire)
{
    Open();
    EXPECT_TRUE(frmCoil->nioPitch->ReadOnly());
    Type(frmCoil->nioInsulated, "0.6");
    EXPECT_EQ(frmCoil->nioPitch->GetNioValue(), 0.6);
    QTest::mouseClick(frmCoil->cbCloseWound, Qt::LeftButton, {}, QPoint(6, frmCoil->cbCloseWound->height() / 2));
    EXPECT_FALSE(frmCoil->nioPitch->ReadOnly());
    const double closeWound = Shown(frmCoil->nlTurns);
    Type(frmCoil->nioPitch, "1.2");
    EXPECT_GT(Shown(frmCoil->nlTurns), closeWound); // spaced turns give less L each
    EXPECT_NEAR(Shown(frmCoil->nlLength), Shown(frmCoil->nlTurns) * 1.2, 0.01);
}

TEST_F(CoilWindow, KeepsItsValuesWhileClosed)
{
    Open();
    Type(frmCoil->nioFormer, "25");
    Type(frmCoil->nioL, "12");
    const QString turns = frmCoil->nlTurns->DisplayText();
    QTest::mouseClick(frmCoil->btnClose, Qt::LeftButton);
    EXPECT_FALSE(frmCoil->isVisible());
    Open();
    EXPECT_EQ(frmCoil->nioFormer->Text(), "25");
    EXPECT_EQ(frmCoil->nioL->Text(), "12");
    EXPECT_EQ(frmCoil->nlTurns->DisplayText(), turns);
}

// Alt+1 .. Alt+5 take the keyboard into the fields, text selected; a screen
// reader hears each field and read-out by its caption.
TEST_F(CoilWindow, KeysAndScreenReaderNames)
{
    Open();
    frmCoil->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == frmCoil; }));
    const std::vector<TNumIO2*> fields{frmCoil->nioFormer, frmCoil->nioBare, frmCoil->nioInsulated, frmCoil->nioPitch,
                                       frmCoil->nioL};
    const QStringList captions{"Former", "Wire, bare", "Insulated", "Pitch", "Required L"};
    for (int i = 0; i < int(fields.size()); ++i) {
        const QString key = QStringLiteral("Alt+%1").arg(i + 1);
        QTest::keySequence(frmCoil->btnClose, QKeySequence(key));
        EXPECT_EQ(QApplication::focusWidget(), fields[i]) << key.toStdString();
        EXPECT_EQ(fields[i]->SelEnd() - fields[i]->SelBegin(), fields[i]->Text().size());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(fields[i]);
        EXPECT_EQ(a->text(QAccessible::Name), captions[i]);
        EXPECT_EQ(a->text(QAccessible::Accelerator), key);
    }
    for (TNumLab* label : ReadOuts())
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), label->LeftText());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(frmCoil->cbFollow)->text(QAccessible::Name),
              "Follow the calculator's L");
}

} // namespace
