// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The calculator driven through its real windows with key and mouse events.
#include "Application.h"
#include "NumIO.h"
#include "NumLab.h"
#include "AppWindows.h"
#include "TestSupport.h"
#include "u_frmInfo.h"
#include "u_frmMain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vorn;

namespace {

class Calculator : public AppWindows
{
protected:
    // Gives the field the focus by clicking into its box, caret to the end.
    static void Focus(TNumIO2* field)
    {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->property("LeftSpace").toInt() + 10, field->height() / 2));
        QTest::keyClick(field, Qt::Key_End);
    }
    // Removes the whole text with Backspace.
    static void Clear(TNumIO2* field)
    {
        Focus(field);
        for (qsizetype n = field->Text().size(); n > 0; --n)
            QTest::keyClick(field, Qt::Key_Backspace);
    }
    // Replaces the text without ever emptying the field: the first character
    // stays while the new text is typed after it, then it is deleted.
    static void Retype(TNumIO2* field, const QString& text)
    {
        Focus(field);
        for (qsizetype n = field->Text().size(); n > 1; --n)
            QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClick(field, Qt::Key_Delete);
        ASSERT_EQ(field->Text(), text);
    }

    // The four values as the window shows them.
    static QStringList Shown()
    {
        return {frmMain->nioFreq->Text(), frmMain->nioL->Text(), frmMain->nioXL->Text(), frmMain->nlC->DisplayText()};
    }
};

TEST_F(Calculator, StartsWithLAndCComputedFromFrequencyAndXL)
{
    EXPECT_EQ(Shown(), (QStringList{"7.100", "8.451", "377.0", "59.459"}));
    EXPECT_EQ(frmMain->windowTitle(), "Korvel Tuning Coil Calculator");
    EXPECT_TRUE(Reports().empty());
}

TEST_F(Calculator, WindowHasFixedClientAreaBelowItsMenuAndNoMaximiseBox)
{
    QWidget* client = frmMain->centralWidget();
    EXPECT_EQ(client->size(), QSize(337, 153));
    EXPECT_EQ(client->y(), frmMain->MainMenu1->height());
    EXPECT_EQ(frmMain->minimumSize(), frmMain->maximumSize());
    EXPECT_EQ(frmMain->height(), 153 + frmMain->MainMenu1->height());
    EXPECT_TRUE(frmMain->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(frmMain->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(frmMain->nioXL->geometry(), QRect(191, 58, 137, 25));
    EXPECT_EQ(frmMain->btnExit->geometry(), QRect(253, 120, 75, 25));
    EXPECT_EQ(frmMain->btnExit->text(), "Exit");
    EXPECT_EQ(frmMain->font().pixelSize(), 11);
}

TEST_F(Calculator, MenuHasFileWithExitAndInfo)
{
    const QList<QAction*> top = frmMain->MainMenu1->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), "File");
    EXPECT_EQ(top[0]->menu(), frmMain->File1);
    EXPECT_EQ(top[1], frmMain->Info1);
    EXPECT_EQ(frmMain->Info1->text(), "Info");
    EXPECT_EQ(frmMain->File1->actions(), QList<QAction*>{frmMain->Exit1});
    EXPECT_EQ(frmMain->Exit1->text(), "Exit");
}

TEST_F(Calculator, FocusStartsOnExitAndTabNeverEntersAField)
{
    frmMain->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
    EXPECT_EQ(QApplication::focusWidget(), frmMain->btnExit);
    QTest::keyClick(frmMain->btnExit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frmMain->btnExit);

    Focus(frmMain->nioL);
    EXPECT_EQ(QApplication::focusWidget(), frmMain->nioL);
    QTest::keyClick(frmMain->nioL, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frmMain->btnExit);
}

// Alt+1, Alt+2 and Alt+3 take the keyboard into the three fields from
// anywhere in the window, a field included, with the text selected so that
// typing replaces it; a screen reader is told each field's key. Tab still
// reaches only Exit.
TEST_F(Calculator, EachFieldHasAKeyThatPutsTheFocusIntoItReadyForTyping)
{
    frmMain->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
    const std::vector<std::pair<TNumIO2*, QString>> keys{
        {frmMain->nioFreq, "Alt+1"}, {frmMain->nioL, "Alt+2"}, {frmMain->nioXL, "Alt+3"}};
    QWidget* from = frmMain->btnExit;
    for (const auto& [field, key] : keys) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Accelerator), key);
        const QString text = Shown().join(' ');
        QTest::keySequence(from, QKeySequence(key));
        EXPECT_EQ(QApplication::focusWidget(), field) << key.toStdString();
        EXPECT_EQ(field->SelBegin(), 0);
        EXPECT_EQ(field->SelEnd(), field->Text().size());
        EXPECT_EQ(Shown().join(' '), text) << "the key reached a field as typing";
        from = field;
    }
    QTest::keyClick(frmMain->nioXL, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frmMain->btnExit);

    QTest::keySequence(frmMain->btnExit, QKeySequence("Alt+2"));
    QTest::keyClicks(frmMain->nioL, "2");
    EXPECT_EQ(Shown(), (QStringList{"7.100", "2", "89.2", "251.303"}));
    EXPECT_TRUE(Reports().empty());
}

TEST_F(Calculator, NewFrequencyKeepsXLAndRecomputesLAndC)
{
    Retype(frmMain->nioFreq, "14.2");
    EXPECT_EQ(Shown(), (QStringList{"14.2", "4.225", "377.0", "29.730"}));
    EXPECT_TRUE(Reports().empty());
}

TEST_F(Calculator, FrequencyOfZeroOrBelowChangesNothing)
{
    Clear(frmMain->nioFreq);
    const QStringList before = Shown().mid(1);
    for (const char* typed : {"0", "-", "-5", "-0.5"}) {
        Clear(frmMain->nioFreq);
        QTest::keyClicks(frmMain->nioFreq, typed);
        EXPECT_EQ(Shown().mid(1), before) << typed;
    }
    EXPECT_TRUE(Reports().empty());
}

TEST_F(Calculator, NewLRecomputesXLAndCFromXLAsShown)
{
    Retype(frmMain->nioL, "2");
    // 2 pi * 7.1 * 2 = 89.221..., shown as 89.2; C from 89.2 is 251.303
    // (from the unrounded product it would be 251.243).
    EXPECT_EQ(Shown(), (QStringList{"7.100", "2", "89.2", "251.303"}));
    EXPECT_TRUE(Reports().empty());
}

TEST_F(Calculator, NewXLRecomputesLAndC)
{
    Retype(frmMain->nioXL, "200");
    EXPECT_EQ(Shown(), (QStringList{"7.100", "4.483", "200", "112.081"}));
}

// While f, L or XL reads as 0 or less the user is still typing it: the other
// values stay as they were once the field was emptied, no error report
// opens, and every key reaches the field.
TEST_F(Calculator, InputsReadingZeroOrLessWaitWithoutAReport)
{
    const std::vector<std::pair<TNumIO2*, std::vector<QString>>> cases{
        {frmMain->nioL, {"0", "0.", "0.0", "-", "-2"}},
        {frmMain->nioXL, {"0", "0.", "-", "-5"}},
        {frmMain->nioFreq, {"0", "-", "-0.5"}},
    };
    for (const auto& [field, texts] : cases) {
        const int i = field == frmMain->nioFreq ? 0 : field == frmMain->nioL ? 1 : 2;
        Clear(field);
        QStringList before = Shown();
        before.removeAt(i);
        for (const QString& text : texts) {
            Clear(field);
            QTest::keyClicks(field, text);
            EXPECT_EQ(field->Text(), text);
            QStringList others = Shown();
            others.removeAt(i);
            EXPECT_EQ(others.join(' ').toStdString(), before.join(' ').toStdString())
                << field->objectName().toStdString() << " \"" << text.toStdString() << '"';
        }
    }
    EXPECT_TRUE(Reports().empty());
}

// Typed key by key, L = 0.5 passes through "0" and "0." on its way; the
// result follows from the last key.
TEST_F(Calculator, TypingLKeyByKeyReachesItsValue)
{
    Clear(frmMain->nioL);
    QTest::keyClicks(frmMain->nioL, "0.5");
    // 2 pi * 7.1 * 0.5 = 22.305..., shown as 22.3; C from 22.3 is 1005.210.
    EXPECT_EQ(Shown(), (QStringList{"7.100", "0.5", "22.3", "1005.210"}));
    EXPECT_TRUE(Reports().empty());
}

// An XL with an empty frequency: the frequency is still being typed, so
// nothing follows it either.
TEST_F(Calculator, XLWaitsForAFrequencyAboveZero)
{
    Clear(frmMain->nioFreq);
    const QStringList before = Shown();
    Retype(frmMain->nioXL, "200");
    EXPECT_EQ(Shown(), (QStringList{"", before[1], "200", before[3]}));
    EXPECT_TRUE(Reports().empty());
}

// A result too large for a double is not a zero input: it still reaches
// the error report, and what the handler had not stored stays.
TEST_F(Calculator, OverflowStillReachesTheErrorReport)
{
    frmMain->nioFreq->SetNioValue(1e308);
    Clear(frmMain->nioL); // L's texts on the way overflow too
    ClearReports();
    const QStringList before = Shown();
    QTest::keyClicks(frmMain->nioL, "9"); // XL = 2 pi * 1e308 * 9
    EXPECT_EQ(Reports(), std::vector<QString>{"Floating point overflow"});
    EXPECT_EQ(frmMain->nioXL->Text(), before[2]);
    EXPECT_EQ(frmMain->nlC->DisplayText(), before[3]);
}

TEST_F(Calculator, HandlersNeverTriggerOneAnother)
{
    std::map<TNumIO2*, int> calls;
    for (TNumIO2* field : {frmMain->nioFreq, frmMain->nioL, frmMain->nioXL}) {
        field->OnChange = [field, &calls, handler = field->OnChange](QObject* sender) {
            ++calls[field];
            handler(sender);
        };
    }
    for (TNumIO2* typed : {frmMain->nioFreq, frmMain->nioL, frmMain->nioXL}) {
        calls.clear();
        Focus(typed);
        QTest::keyClicks(typed, "1");
        EXPECT_EQ(calls, (std::map<TNumIO2*, int>{{typed, 1}})) << typed->objectName().toStdString();
    }
    EXPECT_TRUE(Reports().empty());
}

TEST_F(Calculator, InfoOpensModallyCentredOverTheMainWindowEachTime)
{
    for (const QPoint at : {QPoint(200, 200), QPoint(300, 150)}) {
        frmMain->move(at);
        bool checked = false;
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(QApplication::activeModalWidget(), frmInfo);
            const QRect info = frmInfo->frameGeometry(), main = frmMain->frameGeometry();
            EXPECT_EQ(info.topLeft(), main.topLeft() + QPoint((main.width() - info.width()) / 2,
                                                              (main.height() - info.height()) / 2));
            EXPECT_EQ(frmInfo->size(), QSize(362, 253));
            EXPECT_EQ(frmInfo->minimumSize(), frmInfo->maximumSize());
            EXPECT_EQ(frmInfo->windowTitle(), "Info");
            EXPECT_EQ(frmInfo->Label1->text(), "Version 1.1");
            EXPECT_EQ(frmInfo->Label1->pos(), QPoint(8, 232));
            EXPECT_GE(frmInfo->Label1->width(), frmInfo->Label1->fontMetrics().horizontalAdvance("Version 1.1"));
            EXPECT_EQ(frmInfo->Button1->geometry(), QRect(279, 220, 75, 25));
            QTest::keyClick(frmInfo, Qt::Key_Escape); // no cancel button: stays open
            EXPECT_TRUE(frmInfo->isVisible());
            checked = true;
            QTest::mouseClick(frmInfo->Button1, Qt::LeftButton);
        });
        frmMain->Info1->trigger();
        EXPECT_TRUE(checked);
        EXPECT_FALSE(frmInfo->isVisible());
    }
    EXPECT_TRUE(Reports().empty());
}

} // namespace
