// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Accessibility of the four controls. The field offers Qt's text,
// editable-text and value interfaces; an edit made through them passes the
// check a typed edit passes and is reported as a user edit. The labels are
// static text named by what they show.
#include "Accessible_p.h"

#include "Application.h"
#include "NumIO_p.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>

#include <algorithm>
#include <limits>

namespace vorn {

namespace vornaccess {

// The field's private caret and selection, for the interface only: the
// field's core sets them.
class FieldAccess
{
public:
    static void SetCaret(TNumIO2* f, int pos) { f->d->core.SetCaretAt(pos); }
    // An edit made as a typed one: the text, the caret after the edit, the
    // change signals, OnChange, the picture.
    static void Edit(TNumIO2* f, const QString& text, int caret) { f->d->core.EditAsTyped(text, caret); }
    static void SetSelection(TNumIO2* f, int begin, int end) { f->d->core.SetSelectionAt(begin, end); }
};

namespace {

// What was last told of a field: its text, caret and selection.
struct TFieldState
{
    QString Text;
    int Caret = 0;
    int SelBegin = -1; // -1: no selection
    int SelEnd = -1;
    bool Warned = false; // the warning colours show ("out of range")
};

QHash<const QObject*, TFieldState>& FieldStates()
{
    static QHash<const QObject*, TFieldState> states;
    return states;
}

std::function<void(QAccessibleEvent*)>& Observer()
{
    static std::function<void(QAccessibleEvent*)> observer;
    return observer;
}

bool Active()
{
    return QAccessible::isActive() || Observer();
}

void Send(QAccessibleEvent& ev)
{
    if (Observer())
        Observer()(&ev);
    QAccessible::updateAccessibility(&ev);
}

// The stretch between two offsets, in either order, kept within a text of
// n characters.
struct TRange
{
    int Begin, End;
};
TRange Within(int a, int b, int n)
{
    return {std::clamp(qMin(a, b), 0, n), std::clamp(qMax(a, b), 0, n)};
}

// The characters from start to end of t, as the text interface hands them
// out: offsets beyond the text are cut to it.
QString Slice(const QString& t, int start, int end)
{
    const TRange r = Within(start, qMax(start, end), static_cast<int>(t.size()));
    return t.mid(r.Begin, r.End - r.Begin);
}

class TNumIO2Accessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface,
                          public QAccessibleValueInterface
{
public:
    explicit TNumIO2Accessible(TNumIO2* w) : QAccessibleWidget(w, QAccessible::EditableText) {}

    TNumIO2* field() const { return static_cast<TNumIO2*>(widget()); }

    QAccessible::Role role() const override
    {
        return field()->ButVisible() ? QAccessible::SpinBox : QAccessible::EditableText;
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return field()->LeftText();
        case QAccessible::Description: {
            QString d = field()->RightText();
            if (field()->OutOfRange())
                d = d.isEmpty() ? QStringLiteral("out of range") : d + QStringLiteral(", out of range");
            return d;
        }
        case QAccessible::Value: return field()->Text();
        // Qt's AT-SPI bridge gives it as the key binding of the field's actions.
        case QAccessible::Accelerator: return field()->FocusShortcut().toString(QKeySequence::NativeText);
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !field()->ReadOnly();
        s.readOnly = field()->ReadOnly();
        s.disabled = !field()->isEnabled() || !field()->Enabled();
        s.focusable = true;
        s.selectableText = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        switch (t) {
        case QAccessible::TextInterface: return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface: return static_cast<QAccessibleEditableTextInterface*>(this);
        case QAccessible::ValueInterface: return static_cast<QAccessibleValueInterface*>(this);
        default: return QAccessibleWidget::interface_cast(t);
        }
    }

    // --- Text ------------------------------------------------------------
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || field()->SelBegin() >= field()->SelEnd())
            return;
        *startOffset = field()->SelBegin();
        *endOffset = field()->SelEnd();
    }
    int selectionCount() const override { return field()->SelBegin() < field()->SelEnd() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            FieldAccess::SetCaret(field(), field()->CaretPos());
        CaretMoved(field());
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        const TRange r = Within(startOffset, endOffset, characterCount());
        FieldAccess::SetSelection(field(), r.Begin, r.End);
        CaretMoved(field());
    }
    int cursorPosition() const override { return field()->CaretPos(); }
    void setCursorPosition(int position) override
    {
        FieldAccess::SetCaret(field(), std::clamp(position, 0, characterCount()));
        CaretMoved(field());
    }
    QString text(int startOffset, int endOffset) const override
    {
        return Slice(field()->Text(), startOffset, endOffset);
    }
    int characterCount() const override { return static_cast<int>(field()->Text().size()); }
    QRect characterRect(int offset) const override
    {
        const int x0 = field()->CharPosToXCoords(offset);
        const int x1 = field()->CharPosToXCoords(offset + 1);
        return QRect(field()->mapToGlobal(QPoint(x0, 0)), QSize(qMax(1, x1 - x0), field()->height()));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return field()->XCoordsToCharPos(field()->mapFromGlobal(point).x());
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

    // --- Editable text ---------------------------------------------------
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        TNumIO2* f = field();
        if (f->ReadOnly() || !f->Enabled())
            return;
        const QString old = f->Text();
        const TRange r = Within(startOffset, endOffset, static_cast<int>(old.size()));
        const QString next = old.left(r.Begin) + text + old.mid(r.End);
        // The typed-edit rule: the empty text and a lone sign pass.
        const bool fresh = next.isEmpty() || next == u"-" || next == u"+";
        if (next == old || (!fresh && !f->CheckValidity(next)))
            return;
        // Called by the platform's accessibility code: an error of the
        // change handler goes to the error report, as from a typed edit.
        GuardedCall(f, [&] {
            FieldAccess::Edit(f, next, r.Begin + static_cast<int>(text.size()));
            CaretMoved(f);
        });
    }

    // --- Value -----------------------------------------------------------
    QVariant currentValue() const override { return field()->GetNioValue(); }
    void setCurrentValue(const QVariant& value) override
    {
        if (!field()->ReadOnly() && field()->Enabled())
            GuardedCall(field(), [&] { field()->SetNioValue(value.toDouble()); });
    }
    QVariant maximumValue() const override { return field()->RangeHigh(); }
    QVariant minimumValue() const override { return field()->RangeLow(); }
    QVariant minimumStepSize() const override { return field()->ButIncrem(); }
};

// The label reads like a read-only text: its value is the text it shows,
// also offered through the text interface (what AT-SPI readers speak) and,
// as a number, through the value interface.
class TNumLabAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleValueInterface
{
public:
    explicit TNumLabAccessible(TNumLab* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    TNumLab* label() const { return static_cast<TNumLab*>(widget()); }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return label()->LeftText();
        case QAccessible::Description: return label()->RightText();
        case QAccessible::Value: return label()->ShownText();
        default: return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        switch (t) {
        case QAccessible::TextInterface: return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::ValueInterface: return static_cast<QAccessibleValueInterface*>(this);
        default: return QAccessibleWidget::interface_cast(t);
        }
    }

    // --- Text: read only, no caret, no selection --------------------------
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return Slice(label()->ShownText(), startOffset, endOffset);
    }
    int characterCount() const override { return static_cast<int>(label()->ShownText().size()); }
    // Like a line edit, the label hands out no character rectangles.
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

    // --- Value: read only, unbounded --------------------------------------
    QVariant currentValue() const override { return label()->Value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return std::numeric_limits<double>::max(); }
    QVariant minimumValue() const override { return std::numeric_limits<double>::lowest(); }
    QVariant minimumStepSize() const override { return 0.0; }
};

class TRasterLabAccessible : public QAccessibleWidget
{
public:
    explicit TRasterLabAccessible(TRasterLab* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<TRasterLab*>(widget())->Text();
        return QAccessibleWidget::text(t);
    }
};

class TRotLabAccessible : public QAccessibleWidget
{
public:
    explicit TRotLabAccessible(TRotLab* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<TRotLab*>(widget())->Caption();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Factory(const QString& key, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    Q_UNUSED(key);
    if (auto* f = qobject_cast<TNumIO2*>(object))
        return new TNumIO2Accessible(f);
    if (auto* l = qobject_cast<TNumLab*>(object))
        return new TNumLabAccessible(l);
    if (auto* r = qobject_cast<TRasterLab*>(object))
        return new TRasterLabAccessible(r);
    if (auto* r = qobject_cast<TRotLab*>(object))
        return new TRotLabAccessible(r);
    return nullptr;
}

void InstallOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// Tells the change from old to now as the removal and insertion of the
// differing middle stretch.
void TellTextChange(QObject* obj, const QString& old, const QString& now)
{
    const qsizetype n = qMin(old.size(), now.size());
    qsizetype pre = 0;
    while (pre < n && old.at(pre) == now.at(pre))
        ++pre;
    qsizetype post = 0;
    while (post < n - pre && old.at(old.size() - 1 - post) == now.at(now.size() - 1 - post))
        ++post;
    const QString removed = old.mid(pre, old.size() - pre - post);
    const QString inserted = now.mid(pre, now.size() - pre - post);
    const int at = static_cast<int>(pre);
    if (!removed.isEmpty() && !inserted.isEmpty()) {
        QAccessibleTextUpdateEvent ev(obj, at, removed, inserted);
        Send(ev);
    } else if (!removed.isEmpty()) {
        QAccessibleTextRemoveEvent ev(obj, at, removed);
        Send(ev);
    } else if (!inserted.isEmpty()) {
        QAccessibleTextInsertEvent ev(obj, at, inserted);
        Send(ev);
    }
}

void ForgetOnDestroy(QObject* obj)
{
    QObject::connect(obj, &QObject::destroyed, [obj] {
        FieldStates().remove(obj);
    });
}

// The field's description says "out of range" while its warning colours
// show: tells the description change when that turns.
void TellWarning(TNumIO2* field, TFieldState& st)
{
    const bool warned = field->OutOfRange();
    if (warned == st.Warned)
        return;
    st.Warned = warned;
    QAccessibleEvent ev(field, QAccessible::DescriptionChanged);
    Send(ev);
}

} // namespace

void Attach(TNumIO2* field)
{
    InstallOnce();
    FieldStates().insert(field, TFieldState{field->Text(), field->CaretPos(), -1, -1, field->OutOfRange()});
    ForgetOnDestroy(field);
    QObject::connect(field, &TNumIO2::textChanged, [field](const QString& text) {
        TFieldState& st = FieldStates()[field];
        const QString old = st.Text;
        st.Text = text;
        if (Active())
            TellTextChange(field, old, text);
    });
    QObject::connect(field, &TNumIO2::valueChanged, [field](double) {
        if (!Active())
            return;
        QAccessibleValueChangeEvent ev(field, field->GetNioValue());
        Send(ev);
        TellWarning(field, FieldStates()[field]);
    });
}

void Attach(TNumLab*)
{
    // The label tells its own changes from its paints (ShownTextChanged).
    InstallOnce();
}

void ShownTextChanged(TNumLab* label, const QString& before)
{
    if (!Active())
        return;
    const QString now = label->ShownText();
    TellTextChange(label, before, now);
    QAccessibleValueChangeEvent ev(label, now);
    Send(ev);
}

bool Listening()
{
    return Active();
}

void Attach(TRasterLab* label)
{
    InstallOnce();
    QObject::connect(label, &TRasterLab::textChanged, [label](const QString&) {
        if (!Active())
            return;
        QAccessibleEvent ev(label, QAccessible::NameChanged);
        Send(ev);
    });
}

void Attach(TRotLab* label)
{
    InstallOnce();
    QObject::connect(label, &TRotLab::textChanged, [label](const QString&) {
        if (!Active())
            return;
        QAccessibleEvent ev(label, QAccessible::NameChanged);
        Send(ev);
    });
}

void SetEventObserver(std::function<void(QAccessibleEvent*)> observer)
{
    Observer() = std::move(observer);
}

void CaretMoved(TNumIO2* field)
{
    if (!Active())
        return;
    auto it = FieldStates().find(field);
    if (it == FieldStates().end())
        return;
    TFieldState& st = *it;
    const int caret = field->CaretPos();
    // An empty selection is none, wherever it stands.
    const bool any = field->SelBegin() < field->SelEnd();
    const int sb = any ? field->SelBegin() : -1;
    const int se = any ? field->SelEnd() : -1;
    if (sb != st.SelBegin || se != st.SelEnd) {
        st.SelBegin = sb;
        st.SelEnd = se;
        QAccessibleTextSelectionEvent ev(field, sb, se);
        ev.setCursorPosition(caret);
        Send(ev);
    }
    if (caret != st.Caret) {
        st.Caret = caret;
        QAccessibleTextCursorEvent ev(field, caret);
        Send(ev);
    }
}

} // namespace vornaccess

} // namespace vorn
