// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The calculator's controls through Qt's accessibility interfaces, with an
// observer recording the events they send.
#include "Accessible_p.h"
#include "AppWindows.h"
#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace vorn;

namespace {

struct TRecorded
{
    QAccessible::Event Type;
    QObject* Object;
    QString Text; // inserted or removed text, or the new value
};

std::vector<TRecorded> Recorded;

void Record(QAccessibleEvent* e)
{
    QString text;
    switch (e->type()) {
    case QAccessible::TextInserted: text = static_cast<QAccessibleTextInsertEvent*>(e)->textInserted(); break;
    case QAccessible::TextRemoved: text = static_cast<QAccessibleTextRemoveEvent*>(e)->textRemoved(); break;
    case QAccessible::TextUpdated: text = static_cast<QAccessibleTextUpdateEvent*>(e)->textInserted(); break;
    case QAccessible::ValueChanged: text = static_cast<QAccessibleValueChangeEvent*>(e)->value().toString(); break;
    default: break;
    }
    Recorded.push_back({e->type(), e->object(), text});
}

class Accessibility : public AppWindows
{
protected:
    void SetUp() override
    {
        AppWindows::SetUp();
        // The off-screen platform has no accessibility of its own: the
        // controls' observer sees what Qt's update handler would.
        vornaccess::SetEventObserver(Record);
        Recorded.clear();
    }
    void TearDown() override
    {
        vornaccess::SetEventObserver({});
        AppWindows::TearDown();
    }
    static QAccessibleInterface* Iface(QObject* o)
    {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
        EXPECT_NE(i, nullptr);
        return i;
    }
    static int Count(QObject* o, QAccessible::Event type)
    {
        return static_cast<int>(std::count_if(Recorded.begin(), Recorded.end(),
                                              [&](const TRecorded& r) { return r.Object == o && r.Type == type; }));
    }
};

TEST_F(Accessibility, FieldsReportRoleNameUnitValueAndState)
{
    for (TNumIO2* f : {frmMain->nioFreq, frmMain->nioL, frmMain->nioXL}) {
        SCOPED_TRACE(f->objectName().toStdString());
        QAccessibleInterface* i = Iface(f);
        ASSERT_NE(i, nullptr);
        EXPECT_EQ(i->role(), f->ButVisible() ? QAccessible::SpinBox : QAccessible::EditableText);
        EXPECT_FALSE(f->LeftText().isEmpty());
        EXPECT_EQ(i->text(QAccessible::Name), f->LeftText());
        EXPECT_TRUE(i->text(QAccessible::Description).startsWith(f->RightText()));
        EXPECT_EQ(i->text(QAccessible::Value), f->Text());
        EXPECT_EQ(i->state().readOnly, f->ReadOnly());
        EXPECT_FALSE(i->state().disabled);
        EXPECT_TRUE(i->state().focusable);
        ASSERT_NE(i->textInterface(), nullptr);
        EXPECT_EQ(i->textInterface()->text(0, i->textInterface()->characterCount()), f->Text());
    }
    frmMain->nioL->SetEnabled(false);
    EXPECT_TRUE(Iface(frmMain->nioL)->state().disabled);
    frmMain->nioL->SetReadonly(true);
    EXPECT_TRUE(Iface(frmMain->nioL)->state().readOnly);
}

TEST_F(Accessibility, LabelsAreStaticTextNamedByTheirText)
{
    QAccessibleInterface* c = Iface(frmMain->nlC);
    EXPECT_EQ(c->role(), QAccessible::StaticText);
    EXPECT_EQ(c->text(QAccessible::Name), frmMain->nlC->LeftText());
    EXPECT_EQ(c->text(QAccessible::Description), frmMain->nlC->RightText());
    EXPECT_EQ(c->text(QAccessible::Value), frmMain->nlC->DisplayText());
    EXPECT_FALSE(c->text(QAccessible::Value).isEmpty());

    QAccessibleInterface* rot = Iface(frmInfo->RotLab1);
    QAccessibleInterface* raster = Iface(frmInfo->RasterLab1);
    EXPECT_EQ(rot->role(), QAccessible::StaticText);
    EXPECT_EQ(raster->role(), QAccessible::StaticText);
    EXPECT_FALSE(frmInfo->RotLab1->Caption().isEmpty());
    EXPECT_FALSE(frmInfo->RasterLab1->Text().isEmpty());
    EXPECT_EQ(rot->text(QAccessible::Name), frmInfo->RotLab1->Caption());
    EXPECT_EQ(raster->text(QAccessible::Name), frmInfo->RasterLab1->Text());

    frmInfo->RasterLab1->SetLabText(QStringLiteral("moved on"));
    EXPECT_EQ(raster->text(QAccessible::Name), QStringLiteral("moved on"));
    EXPECT_EQ(Count(frmInfo->RasterLab1, QAccessible::NameChanged), 1);
    frmInfo->RotLab1->SetCaption(QStringLiteral("turned"));
    EXPECT_EQ(rot->text(QAccessible::Name), QStringLiteral("turned"));
    EXPECT_EQ(Count(frmInfo->RotLab1, QAccessible::NameChanged), 1);
}

TEST_F(Accessibility, TypingSendsTextCaretAndValueEvents)
{
    TNumIO2* f = frmMain->nioFreq;
    QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(f->LeftSpace() + 10, f->height() / 2));
    QTest::keyClick(f, Qt::Key_End);
    Recorded.clear();
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClicks(f, "5");
    EXPECT_EQ(f->Text(), QStringLiteral("7.105"));
    EXPECT_EQ(Count(f, QAccessible::TextRemoved), 1);
    EXPECT_EQ(Count(f, QAccessible::TextInserted), 1);
    // "7.10" reads as before: only the typed digit changes the value.
    EXPECT_EQ(Count(f, QAccessible::ValueChanged), 1);
    EXPECT_GE(Count(f, QAccessible::TextCaretMoved), 2);
    const auto ins = std::find_if(Recorded.begin(), Recorded.end(),
                                  [](const TRecorded& r) { return r.Type == QAccessible::TextInserted; });
    ASSERT_NE(ins, Recorded.end());
    EXPECT_EQ(ins->Text, QStringLiteral("5"));
    QAccessibleInterface* i = Iface(f);
    EXPECT_EQ(i->text(QAccessible::Value), QStringLiteral("7.105"));
    EXPECT_DOUBLE_EQ(i->valueInterface()->currentValue().toDouble(), 7.105);
    EXPECT_EQ(i->textInterface()->cursorPosition(), 5);
}

TEST_F(Accessibility, PastingSendsTheInsertedText)
{
    TNumIO2* f = frmMain->nioFreq;
    QGuiApplication::clipboard()->setText(QStringLiteral("25"));
    QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(f->LeftSpace() + 10, f->height() / 2));
    QTest::keyClick(f, Qt::Key_End);
    Recorded.clear();
    QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f->Text(), QStringLiteral("7.10025"));
    ASSERT_EQ(Count(f, QAccessible::TextInserted), 1);
    const auto ins = std::find_if(Recorded.begin(), Recorded.end(),
                                  [](const TRecorded& r) { return r.Type == QAccessible::TextInserted; });
    EXPECT_EQ(ins->Text, QStringLiteral("25"));
    EXPECT_EQ(Count(f, QAccessible::ValueChanged), 1);
    EXPECT_EQ(Iface(f)->textInterface()->cursorPosition(), 7);
}

TEST_F(Accessibility, EditableTextChecksLikeTypingAndReportsAUserEdit)
{
    TNumIO2* f = frmMain->nioL;
    QAccessibleEditableTextInterface* e = Iface(f)->editableTextInterface();
    ASSERT_NE(e, nullptr);
    QSignalSpy changed(f, &TNumIO2::changed);
    const QString before = f->Text();
    e->insertText(0, QStringLiteral("x"));
    e->insertText(1, QStringLiteral(".."));
    EXPECT_EQ(f->Text(), before);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(Count(f, QAccessible::TextInserted), 0);

    e->replaceText(0, static_cast<int>(before.size()), QStringLiteral("2.5"));
    EXPECT_EQ(f->Text(), QStringLiteral("2.5"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(Count(f, QAccessible::TextUpdated) + Count(f, QAccessible::TextInserted), 1);
    e->deleteText(2, 3);
    EXPECT_EQ(f->Text(), QStringLiteral("2."));
    EXPECT_EQ(Count(f, QAccessible::TextRemoved), 1);
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(Accessibility, TextInterfaceMovesCaretAndSelectionWithEvents)
{
    TNumIO2* f = frmMain->nioFreq;
    QAccessibleTextInterface* t = Iface(f)->textInterface();
    ASSERT_NE(t, nullptr);
    t->setCursorPosition(2);
    EXPECT_EQ(f->CaretPos(), 2);
    EXPECT_EQ(t->cursorPosition(), 2);
    EXPECT_EQ(Count(f, QAccessible::TextCaretMoved), 1);
    t->setSelection(0, 1, 4);
    int b = -1, e = -1;
    t->selection(0, &b, &e);
    EXPECT_EQ(std::pair(b, e), std::pair(1, 4));
    EXPECT_EQ(std::pair(f->SelBegin(), f->SelEnd()), std::pair(1, 4));
    EXPECT_EQ(t->selectionCount(), 1);
    EXPECT_EQ(Count(f, QAccessible::TextSelectionChanged), 1);
    t->removeSelection(0);
    EXPECT_EQ(t->selectionCount(), 0);
    EXPECT_EQ(Count(f, QAccessible::TextSelectionChanged), 2);

    f->SetButVis(true);
    EXPECT_EQ(Iface(f)->role(), QAccessible::SpinBox);
}

TEST_F(Accessibility, EditableTextPassesTheEmptyTextAndALoneSign)
{
    // As in typing, both stand on the way to a number.
    TNumIO2 f;
    f.SetNioText(QStringLiteral("12"));
    QSignalSpy changed(&f, &TNumIO2::changed);
    QAccessibleEditableTextInterface* e = Iface(&f)->editableTextInterface();
    ASSERT_NE(e, nullptr);
    e->deleteText(0, 2);
    EXPECT_EQ(f.Text(), QString());
    e->insertText(0, QStringLiteral("-"));
    EXPECT_EQ(f.Text(), QStringLiteral("-"));
    EXPECT_EQ(Iface(&f)->textInterface()->cursorPosition(), 1);
    e->insertText(1, QStringLiteral("x"));
    EXPECT_EQ(f.Text(), QStringLiteral("-"));
    EXPECT_EQ(changed.count(), 2);
}

// A screen reader's edit or value is applied outside any key or mouse
// handler: an error it causes goes to the error report as a typed one does,
// and never back into the platform's accessibility code.
TEST_F(Accessibility, ErrorsOfEditsAndValuesReachTheErrorReport)
{
    // With f = 1e308 an L of 9 gives an XL beyond the range of a double in
    // the window's handler; XL keeps its text.
    frmMain->nioFreq->SetNioValue(1e308);
    const QString xl = frmMain->nioXL->Text();
    QAccessibleInterface* l = Iface(frmMain->nioL);
    EXPECT_NO_THROW(l->editableTextInterface()->replaceText(0, l->textInterface()->characterCount(), QStringLiteral("9")));
    EXPECT_EQ(frmMain->nioL->Text(), QStringLiteral("9"));
    EXPECT_EQ(frmMain->nioXL->Text(), xl);
    EXPECT_EQ(Reports(), std::vector<QString>{QStringLiteral("Floating point overflow")});

    // An integer field cannot take a value of 2^63 or more.
    ClearReports();
    TNumIO2 f;
    f.SetInFormatType(itInt);
    EXPECT_NO_THROW(Iface(&f)->valueInterface()->setCurrentValue(1e300));
    EXPECT_EQ(f.Text(), QStringLiteral("0"));
    EXPECT_EQ(Reports(), std::vector<QString>{QStringLiteral("Invalid floating point operation")});
}

TEST_F(Accessibility, ValueInterfaceReportsRangeAndWritesTheValue)
{
    TNumIO2* f = frmMain->nioXL;
    QAccessibleValueInterface* v = Iface(f)->valueInterface();
    ASSERT_NE(v, nullptr);
    f->SetRangeLow(10.0);
    f->SetRangeHigh(900.0);
    EXPECT_DOUBLE_EQ(v->minimumValue().toDouble(), 10.0);
    EXPECT_DOUBLE_EQ(v->maximumValue().toDouble(), 900.0);
    v->setCurrentValue(250.0);
    EXPECT_DOUBLE_EQ(f->GetNioValue(), 250.0);
    EXPECT_DOUBLE_EQ(v->currentValue().toDouble(), 250.0);
    EXPECT_FALSE(Iface(f)->text(QAccessible::Description).contains(QStringLiteral("out of range")));
    const int told = Count(f, QAccessible::DescriptionChanged);
    v->setCurrentValue(1000.0);
    EXPECT_TRUE(Iface(f)->text(QAccessible::Description).contains(QStringLiteral("out of range")));
    EXPECT_EQ(Count(f, QAccessible::DescriptionChanged), told + 1);
    v->setCurrentValue(900.0);
    EXPECT_EQ(Count(f, QAccessible::DescriptionChanged), told + 2);
    v->setCurrentValue(800.0);
    EXPECT_EQ(Count(f, QAccessible::DescriptionChanged), told + 2);
}

TEST_F(Accessibility, CLabelAnnouncesEachNewShownValue)
{
    TNumLab* c = frmMain->nlC;
    const struct
    {
        TNumIO2* Field;
        const char* Typed;
    } edits[] = {{frmMain->nioFreq, "3"}, {frmMain->nioL, "2"}, {frmMain->nioXL, "1"}};
    int expected = 0;
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit.Field->objectName().toStdString());
        const QString shown = c->DisplayText();
        QTest::mouseClick(edit.Field, Qt::LeftButton, {}, QPoint(edit.Field->LeftSpace() + 10, edit.Field->height() / 2));
        QTest::keyClick(edit.Field, Qt::Key_End);
        QTest::keyClicks(edit.Field, edit.Typed);
        // The event follows the shown text: one for each edit that changed it.
        if (c->DisplayText() != shown)
            ++expected;
        EXPECT_EQ(Count(c, QAccessible::ValueChanged), expected);
        EXPECT_EQ(Recorded.back().Object == c ? Recorded.back().Text : c->DisplayText(), c->DisplayText());
        EXPECT_EQ(Iface(c)->text(QAccessible::Value), c->DisplayText());
    }
    EXPECT_GE(expected, 2);
}

// The label tells every change of what it shows, also one made by a look
// property, as a text update and a value event, and reads as text; the hook
// still runs once per paint, listener or not.
TEST_F(Accessibility, LabelTellsEveryShownChangeAndRunsTheHookOncePerPaint)
{
    TNumLab* c = frmMain->nlC;
    int hooks = 0;
    c->OnBeforeDisplay = [&](QObject*, QString&) { ++hooks; };
    QAccessibleInterface* i = Iface(c);
    ASSERT_NE(i->textInterface(), nullptr);
    ASSERT_NE(i->valueInterface(), nullptr);

    c->SetDisplayType(dtEEng);
    EXPECT_EQ(hooks, 1);
    EXPECT_EQ(Count(c, QAccessible::ValueChanged), 1);
    EXPECT_EQ(Count(c, QAccessible::TextUpdated), 1);
    EXPECT_EQ(i->textInterface()->text(0, i->textInterface()->characterCount()), c->ShownText());
    EXPECT_EQ(i->text(QAccessible::Value), c->ShownText());

    c->SetLabValue(c->Value() * 3);
    EXPECT_EQ(hooks, 2);
    EXPECT_EQ(Count(c, QAccessible::ValueChanged), 2);
    EXPECT_DOUBLE_EQ(i->valueInterface()->currentValue().toDouble(), c->Value());

    // A paint that shows the same text tells nothing.
    c->Paint();
    EXPECT_EQ(hooks, 3);
    EXPECT_EQ(Count(c, QAccessible::ValueChanged), 2);
}

TEST_F(Accessibility, CalculatorWorksThroughTheInterfacesAlone)
{
    QAccessibleInterface* f = Iface(frmMain->nioFreq);
    QAccessibleEditableTextInterface* e = f->editableTextInterface();
    ASSERT_NE(e, nullptr);
    e->replaceText(0, f->textInterface()->characterCount(), QStringLiteral("14.200"));
    EXPECT_EQ(f->text(QAccessible::Value), QStringLiteral("14.200"));
    const double xl = Iface(frmMain->nioXL)->valueInterface()->currentValue().toDouble();
    const double pi2f = 2.0 * M_PI * 14.2e6;
    EXPECT_NEAR(Iface(frmMain->nlC)->text(QAccessible::Value).toDouble(), 1e12 / (pi2f * xl), 1e-3);
    EXPECT_NEAR(Iface(frmMain->nioL)->text(QAccessible::Value).toDouble(), 1e6 * xl / pi2f, 1e-3);
    EXPECT_EQ(Count(frmMain->nlC, QAccessible::ValueChanged), 1);
}

} // namespace
