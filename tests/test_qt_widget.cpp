// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The controls as Qt widgets: each control's size hint shows all of its
// picture, its minimum size hint at least its value, and a field in a form
// layout gets its whole box; Enabled and Visible follow QWidget's state both
// ways; a control class adds to QWidget only pointers to its data and the
// events a program assigns.
#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"
#include "TestSupport.h"
#include "vornbase_p.h"

#include <QFormLayout>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace vorn;

namespace {

// A shown window for the controls under test, large enough for all of them.
struct Stage {
    QWidget top;
    Stage()
    {
        top.resize(700, 500);
        top.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&top));
    }
};

// The picture of a control composed at size s.
QImage PictureAt(TSurface& c, QSize s)
{
    c.resize(s);
    c.Paint();
    return c.Picture().copy();
}

// Pixels in colour c (or, with `in` false, not in c) in a rectangle.
int Count(const QImage& img, TColor c, const QRect& r, bool in = true)
{
    return in ? CountColor(img, c, r.left(), r.top(), r.right() + 1, r.bottom() + 1)
              : CountNot(img, c, r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

TEST(QtWidget, FieldInAFormLayoutShowsItsWholeBox)
{
    QWidget form;
    auto* layout = new QFormLayout(&form);
    auto* field = new TNumIO2;
    field->SetLeftText("f");
    field->SetRightText("MHz");
    field->SetButVis(true);
    field->SetNioValue(7.1);
    layout->addRow("Frequency", field);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const int LS = field->LeftSpace(), TBW = field->TextBoxWidth();
    const int bx = LS + TBW + field->ButSpace(), BW = field->ButWidth();
    EXPECT_EQ(field->height(), field->sizeHint().height());
    EXPECT_GE(field->width(), bx + BW + 2);
    // The box's ring on both sides, the buttons' shadow column, the value.
    const QImage& pic = field->Picture();
    ASSERT_EQ(pic.size(), field->size());
    EXPECT_EQ(At(pic, LS, 5), clGray);
    EXPECT_EQ(At(pic, LS + TBW + 1, 5), clGray);
    EXPECT_EQ(At(pic, bx + BW + 1, 5), clBlack);
    EXPECT_GT(Count(pic, clWhite, QRect(LS + 3, 2, TBW - 4, field->height() - 5), false), 20);
}

// A field at its size hint shows every element: widening it only adds surround
// on the right. At its minimum size hint the box holds all of the value's
// ink and its right end is the field's last column.
TEST(QtWidget, FieldAtItsSizeHintShowsEveryPart)
{
    const struct {
        const char* name;
        std::function<void(TNumIO2&)> setup;
    } rows[] = {
        {"plain", [](TNumIO2&) {}},
        {"captions", [](TNumIO2& f) { f.SetLeftText("f"), f.SetRightText("MHz"); }},
        {"buttons", [](TNumIO2& f) { f.SetButVis(true), f.SetButWidth(30), f.SetRightText("ohm"); }},
        {"gauge", [](TNumIO2& f) { f.SetGaugeVisib(true), f.SetGaugeWidth(120), f.SetGaugeFrameStyle(fsRaised); }},
        {"buttons and gauge", [](TNumIO2& f) { f.SetButVis(true), f.SetGaugeVisib(true), f.SetRightText("uH"); }},
        {"automatic height", [](TNumIO2& f) { f.SetAutoSize(true), f.SetRightText("pF"); }},
        {"flat box", [](TNumIO2& f) { f.SetFrameStyle(fsSimple), f.SetLeftSpace(5), f.SetTextBoxWidth(120); }},
        {"bigger font", [](TNumIO2& f) { f.setFont(QFont("DejaVu Sans", 20)), f.SetRightText("MHz"); }},
    };
    for (const auto& row : rows) {
        Stage s;
        TNumIO2 f(&s.top);
        f.show();
        f.SetReadonly(true); // no caret
        row.setup(f);
        // "$" reaches above and below the digits.
        f.SetInFormatType(itDynamic);
        f.SetNioText("$8F"); // 143, in the range
        const QSize hint = f.sizeHint(), least = f.minimumSizeHint();
        ASSERT_TRUE(hint.isValid() && least.isValid()) << row.name;
        EXPECT_LE(least.width(), hint.width()) << row.name;
        EXPECT_LE(least.height(), hint.height()) << row.name;

        const QImage atHint = PictureAt(f, hint);
        EXPECT_EQ(f.size(), hint) << row.name;
        const QImage wider = PictureAt(f, hint + QSize(40, 0));
        EXPECT_EQ(wider.copy(0, 0, hint.width(), hint.height()), atHint) << row.name;
        const TColor surround = At(wider, 0, 0);
        EXPECT_EQ(Count(wider, surround, QRect(hint.width(), 0, 40, hint.height()), false), 0) << row.name;

        const QImage atLeast = PictureAt(f, least);
        // The value's ink in the box's clip, (LS + 3, 2) - (LS + TBW - 1, ZH - 3).
        const int LS = f.LeftSpace(), TBW = f.TextBoxWidth();
        const int bar = f.GaugeVisible() ? f.GaugeHeight() + f.GaugeTopMargin() + 1 : 0;
        const auto ink = [&](const QImage& p) {
            return Count(p, clWhite, QRect(LS + 3, 2, TBW - 4, p.height() - bar - 5), false);
        };
        EXPECT_GT(ink(atHint), 20) << row.name;
        EXPECT_EQ(ink(atLeast), ink(atHint)) << row.name;
        EXPECT_GT(Count(atLeast, surround, QRect(least.width() - 1, 0, 1, least.height()), false), 0) << row.name;
    }
}

TEST(QtWidget, LabelAtItsSizeHintShowsEveryPart)
{
    const struct {
        const char* name;
        std::function<void(TNumLab&)> setup;
    } rows[] = {
        {"plain", [](TNumLab&) {}},
        {"captions", [](TNumLab& l) { l.SetLeftText("C ="), l.SetRightText("pF"); }},
        {"wide box, no frame", [](TNumLab& l) { l.SetLabWidth(150), l.SetFrameStyle(fsNone), l.SetRightText("x"); }},
        {"bigger font", [](TNumLab& l) { l.setFont(QFont("DejaVu Sans", 20)), l.SetRightText("pF"); }},
    };
    for (const auto& row : rows) {
        Stage s;
        TNumLab l(&s.top);
        l.show();
        l.SetColorLabBakG(clWhite);
        row.setup(l);
        // Glyphs that reach as high and low as the font's line does.
        l.SetDisplayType(dtState);
        l.SetStateText(TextHeightProbe);
        const QSize hint = l.sizeHint(), least = l.minimumSizeHint();
        ASSERT_TRUE(hint.isValid() && least.isValid()) << row.name;
        EXPECT_LE(least.width(), hint.width()) << row.name;

        const QImage atHint = PictureAt(l, hint);
        const QImage wider = PictureAt(l, hint + QSize(40, 0));
        EXPECT_EQ(wider.copy(0, 0, hint.width(), hint.height()), atHint) << row.name;
        const TColor surround = At(wider, 0, 0);
        EXPECT_EQ(Count(wider, surround, QRect(hint.width(), 0, 40, hint.height()), false), 0) << row.name;

        const QImage atLeast = PictureAt(l, least);
        // The value's ink in the box's clip, (L + 3, 2) - (L + B - 1, H - 3).
        const int L = l.LeftSpace(), B = l.LabelWidth();
        const auto ink = [&](const QImage& p) {
            return Count(p, clWhite, QRect(L + 3, 2, B - 4, p.height() - 5), false);
        };
        EXPECT_GT(ink(atHint), 20) << row.name;
        EXPECT_EQ(ink(atLeast), ink(atHint)) << row.name;
        EXPECT_GT(Count(atLeast, surround, QRect(least.width() - 1, 0, 1, least.height()), false), 0) << row.name;
    }
}

// Every lit dot of the text shows at the size hint, none under the frame.
TEST(QtWidget, DotMatrixAtItsSizeHintShowsEveryDot)
{
    const struct {
        const char* name;
        std::function<void(TRasterLab&)> setup;
    } rows[] = {
        {"default", [](TRasterLab&) {}},
        {"long text", [](TRasterLab& l) { l.SetLabText("Korvel Tuning Coil Calculator"); }},
        {"big dots", [](TRasterLab& l) { l.SetDotSize(5), l.SetDotSpacing(2); }},
        {"touching dots, embossed", [](TRasterLab& l) { l.SetDotSpacing(0), l.SetFrameStyle(fsEmbossed); }},
        {"no frame", [](TRasterLab& l) { l.SetFrameStyle(fsNone), l.SetCharBlockMode(rdbmOff); }},
        {"moved", [](TRasterLab& l) { l.SetXPos(12), l.SetYPos(7); }},
        {"fixed width", [](TRasterLab& l) { l.SetProportional(false), l.SetLabText("Wi"); }},
        {"centred", [](TRasterLab& l) { l.SetAutoCenter(true), l.SetFrameStyle(fsEngraved); }},
        {"automatic height", [](TRasterLab& l) { l.SetAutoHeight(true), l.SetYPos(0); }},
        {"rendered font", [](TRasterLab& l) { l.setFont(QFont("DejaVu Sans", 9)), l.SetDotSize(1); }},
    };
    for (const auto& row : rows) {
        Stage s;
        TRasterLab l(&s.top);
        l.show();
        row.setup(l);
        // AutoCenter places the text for the size it has when it is set.
        const auto litAt = [&](QSize size) {
            l.resize(size);
            if (l.AutoCenter()) {
                l.SetAutoCenter(false);
                l.SetAutoCenter(true);
            }
            return CountColor(PictureAt(l, size), clLime);
        };
        const QSize hint = l.sizeHint();
        ASSERT_TRUE(hint.isValid()) << row.name;
        EXPECT_EQ(l.minimumSizeHint(), hint) << row.name;
        // AutoHeight has made the label as high as the hint.
        if (l.AutoHeight()) {
            EXPECT_EQ(l.height(), hint.height()) << row.name;
        }
        const int lit = litAt(hint);
        EXPECT_GT(lit, 20) << row.name;
        EXPECT_EQ(lit, litAt(hint + QSize(60, 60))) << row.name;
    }
}

TEST(QtWidget, DotMatrixHintFollowsTheTextAndTheScrolling)
{
    TRasterLab l;
    int last = 0;
    for (const char* text : {"", "I", "It", "Its", "Its text", "Its text grows"}) {
        l.SetLabText(text);
        EXPECT_GT(l.sizeHint().width(), last) << text;
        last = l.sizeHint().width();
    }
    // Scrolling sideways, one character cell and the frame will do.
    EXPECT_EQ(l.minimumSizeHint(), l.sizeHint());
    l.SetScrollMode(rdsmLeft);
    EXPECT_LT(l.minimumSizeHint().width(), l.sizeHint().width() / 4);
    EXPECT_GE(l.minimumSizeHint().width(), 4 * l.CharMatrix().FontWidth); // a cell at pitch 4
    EXPECT_EQ(l.minimumSizeHint().height(), l.sizeHint().height());
    l.SetScrollMode(rdsmUp);
    EXPECT_EQ(l.minimumSizeHint(), l.sizeHint());
}

// The turned caption's ink is all inside the frame at the size hint.
TEST(QtWidget, RotatedLabelAtItsSizeHintShowsTheWholeText)
{
    const struct {
        int angle;
        TAlignment alignment;
        bool centred;
    } rows[] = {
        {0, taCenter, true},       {30, taCenter, true},       {90, taCenter, true},  {200, taCenter, true},
        {-45, taLeftJustify, true}, {30, taRightJustify, true}, {0, taLeftJustify, false},
        {30, taLeftJustify, false}, {-90, taLeftJustify, false},
    };
    for (const auto& row : rows) {
        Stage s;
        TRotLab l(&s.top);
        l.show();
        l.SetTransparent(false);
        l.SetColor(clWhite);
        l.SetAutoCenter(row.centred);
        l.SetTextPosX(70);
        l.SetTextPosY(90);
        l.SetAlignment(row.alignment);
        l.SetTextAngle(row.angle);
        l.SetCaption("Program made by");
        const QSize hint = l.sizeHint();
        ASSERT_TRUE(hint.isValid()) << row.angle;
        EXPECT_EQ(l.minimumSizeHint(), hint);
        // Ink: what is neither the white background nor in the frame's rings.
        const auto ink = [&](QSize size) {
            const QImage p = PictureAt(l, size);
            return Count(p, clWhite, QRect(2, 2, size.width() - 4, size.height() - 4), false);
        };
        const int atHint = ink(hint);
        EXPECT_GT(atHint, 50) << row.angle;
        EXPECT_EQ(atHint, ink(hint + QSize(80, 80))) << row.angle << " " << int(row.alignment);
    }
}

// ------------------------------------------------------- palette

// System colours come from the control's own palette, as a Qt widget's do,
// and a new palette on it or a parent repaints it: the background
// (clBtnFace, the palette's button colour) of a field, a label and an opaque
// rotated label turns with the window's palette, at (4, 4), clear of frames
// and texts; a control elsewhere keeps the application's.
TEST(QtWidget, SystemColoursFollowTheWidgetsOwnPalette)
{
    Stage stage;
    QWidget other;
    auto* rotated = new TRotLab(&stage.top);
    rotated->SetTransparent(false);
    const std::vector<TSurface*> controls{new TNumIO2(&stage.top), new TNumLab(&stage.top), rotated};
    auto* elsewhere = new TNumLab(&other);
    for (TSurface* c : controls)
        c->show();
    QPalette pal = stage.top.palette();
    pal.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
    stage.top.setPalette(pal);
    for (TSurface* c : controls) {
        EXPECT_EQ(c->grab().toImage().pixel(4, 4), 0xFF123456u) << c->metaObject()->className();
        EXPECT_EQ(c->Picture().pixel(4, 4), 0xFF123456u) << c->metaObject()->className();
    }
    EXPECT_EQ(elsewhere->grab().toImage().pixel(4, 4), TestButtonFace);
}

// ------------------------------------------------------- enabled, visible

// QWidget::setEnabled on a control or on its parent, and the control's own
// writer, keep the Enabled property and the disabled look in step with the
// widget's enabled state.
TEST(QtWidget, EnabledFollowsTheWidgetBothWays)
{
    const struct {
        const char* name;
        std::function<TSurface*(QWidget*)> make;
        std::function<void(TSurface*, bool)> own; // the control's own writer
    } rows[] = {
        {"field",
         [](QWidget* p) {
             auto* f = new TNumIO2(p);
             f->SetReadonly(true);
             f->SetLeftText("f"), f->SetRightText("MHz"), f->SetNioValue(7.1);
             f->SetButVis(true), f->SetGaugeVisib(true);
             return f;
         },
         [](TSurface* c, bool v) { static_cast<TNumIO2*>(c)->SetEnabled(v); }},
        {"label",
         [](QWidget* p) {
             auto* l = new TNumLab(p);
             l->SetLeftText("C ="), l->SetRightText("pF"), l->SetLabValue(33);
             return l;
         },
         [](TSurface* c, bool v) { static_cast<TNumLab*>(c)->SetEnabled(v); }},
        {"rotated label",
         [](QWidget* p) {
             auto* l = new TRotLab(p);
             l->SetTransparent(false), l->SetCaption("Program made by"), l->SetTextAngle(30);
             return l;
         },
         [](TSurface* c, bool v) { c->setEnabled(v); }},
    };
    for (const auto& row : rows) {
        Stage s;
        auto* group = new QWidget(&s.top);
        group->resize(300, 250);
        group->show();
        TSurface* c = row.make(group);
        c->show();
        TSurface* reference = row.make(&s.top);
        reference->show();
        row.own(reference, false);
        const QImage enabled = c->Picture(), disabled = reference->Picture();
        ASSERT_NE(enabled, disabled) << row.name;

        const bool hasProperty = c->metaObject()->indexOfProperty("Enabled") >= 0;
        const struct {
            const char* what;
            std::function<void()> act;
            bool on;
        } steps[] = {
            {"setEnabled(false)", [&] { c->setEnabled(false); }, false},
            {"setEnabled(true)", [&] { c->setEnabled(true); }, true},
            {"parent disabled", [&] { group->setEnabled(false); }, false},
            {"own writer true, parent disabled", [&] { row.own(c, true); }, false},
            {"parent enabled", [&] { group->setEnabled(true); }, true},
            {"own writer false", [&] { row.own(c, false); }, false},
            {"own writer true", [&] { row.own(c, true); }, true},
        };
        for (const auto& step : steps) {
            step.act();
            EXPECT_EQ(c->isEnabled(), step.on) << row.name << ": " << step.what;
            if (hasProperty) {
                EXPECT_EQ(c->property("Enabled").toBool(), step.on) << row.name << ": " << step.what;
            }
            EXPECT_EQ(c->Picture(), step.on ? enabled : disabled) << row.name << ": " << step.what;
        }
    }
}

// Visible is the widget's own shown-or-hidden flag, whichever side sets it;
// a hidden control composes nothing and composes again when shown.
TEST(QtWidget, VisibleFollowsTheWidgetBothWays)
{
    Stage s;
    std::unique_ptr<TSurface> controls[] = {std::make_unique<TNumIO2>(&s.top), std::make_unique<TNumLab>(&s.top),
                                           std::make_unique<TRasterLab>(&s.top), std::make_unique<TRotLab>(&s.top)};
    for (const auto& c : controls) {
        c->show();
        const char* name = c->metaObject()->className();
        const bool hasProperty = c->metaObject()->indexOfProperty("Visible") >= 0;
        const struct {
            std::function<void()> act;
            bool on;
        } steps[] = {
            {[&] { c->hide(); }, false},
            {[&] { c->setVisible(true); }, true},
            {[&] { hasProperty ? void(c->setProperty("Visible", false)) : c->setVisible(false); }, false},
            {[&] { hasProperty ? void(c->setProperty("Visible", true)) : c->show(); }, true},
        };
        for (const auto& step : steps) {
            const qint64 before = c->Picture().cacheKey();
            step.act();
            EXPECT_EQ(c->Visible(), step.on) << name;
            EXPECT_EQ(c->isVisible(), step.on) << name;
            if (hasProperty) {
                EXPECT_EQ(c->property("Visible").toBool(), step.on) << name;
            }
            c->resize(c->width() + 1, c->height());
            c->Paint();
            EXPECT_EQ(c->Picture().cacheKey() != before, step.on) << name << " composed while hidden";
        }
    }
}

} // namespace

// Each control keeps its data behind private pointers, so that the library
// can change what a control holds without breaking programs built against
// it: beside QWidget's own data a control class has its surface's pointer,
// its own, and the public fields a program assigns: the events, and the
// field's ButtonPivots (a reference to the list the field keeps).
TEST(QtWidget, EachControlAddsTwoPointersAndItsPublicFieldsToQWidget)
{
    constexpr size_t twoPointers = 2 * sizeof(void*);
    struct Row {
        const char* control;
        size_t size;
        size_t publicFields;
    };
    const Row rows[] = {
        {"TNumIO2", sizeof(TNumIO2),
         sizeof(TNumIO2::OnChange) + sizeof(TNumIO2::OnGaugeChange) + sizeof(TNumIO2::OnClick) +
             sizeof(TNumIO2::OnDblClick) + sizeof(TNumIO2::OnMouseDown) + sizeof(TNumIO2::OnMouseMove) +
             sizeof(TNumIO2::OnMouseUp) + sizeof(TNumIO2::OnKeyDown) + sizeof(TNumIO2::OnKeyPress) +
             sizeof(TNumIO2::OnKeyUp) + sizeof(TNumIO2::OnEnter) + sizeof(TNumIO2::OnExit) +
             sizeof(std::vector<double>*)},
        {"TNumLab", sizeof(TNumLab),
         sizeof(TNumLab::OnBeforeDisplay) + sizeof(TNumLab::OnClick) + sizeof(TNumLab::OnDblClick) +
             sizeof(TNumLab::OnMouseDown) + sizeof(TNumLab::OnMouseMove) + sizeof(TNumLab::OnMouseUp)},
        {"TRasterLab", sizeof(TRasterLab), sizeof(TRasterLab::OnScrollLoopRestart)},
        {"TRotLab", sizeof(TRotLab), 0},
    };
    for (const Row& r : rows)
        EXPECT_LE(r.size - sizeof(QWidget) - r.publicFields, twoPointers)
            << r.control << ": " << r.size << " bytes, QWidget " << sizeof(QWidget) << ", its public fields "
            << r.publicFields;
}
