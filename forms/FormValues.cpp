// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "FormValues.h"

#include <QMetaEnum>
#include <QMetaProperty>

namespace vorn {

namespace {

struct TNamedColor
{
    const char* Name;
    TColor Value;
};
constexpr TNamedColor NamedColors[] = {
    {"clBlack", clBlack},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clWhite", clWhite},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clNavy", clNavy},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuBar", clMenuBar},
};

bool IsTag(const TUiNode& value, const char* tag)
{
    return value.Tag == QLatin1String(tag);
}

// The message for an element of the wrong kind: what was expected, what came.
TFormValue Wrong(const QString& expected, const TUiNode& value)
{
    return {QVariant(), QStringLiteral("%1 is expected, not <%2> \"%3\"").arg(expected, value.Tag, value.Text.trimmed())};
}

TFormValue Decoded(QVariant value)
{
    return {std::move(value), QString()};
}

// An enumeration key, with or without its scope.
TFormValue DecodeEnum(const QMetaProperty& prop, const TUiNode& value)
{
    const QMetaEnum e = prop.enumerator();
    if (!IsTag(value, "enum") && !IsTag(value, "set"))
        return Wrong(QStringLiteral("a value of %1").arg(QString::fromLatin1(e.enumName())), value);
    const QString text = value.Text.trimmed();
    bool ok = false;
    const int v = e.keyToValue(WithoutScope(text).toLatin1().constData(), &ok);
    if (!ok)
        return {QVariant(), QStringLiteral("unknown value \"%1\"").arg(text)};
    return Decoded(QVariant(v));
}

} // namespace

TFormValue DecodeValue(const QMetaProperty& prop, const TUiNode& value)
{
    if (prop.isEnumType())
        return DecodeEnum(prop, value);
    const QString text = value.Text.trimmed();
    bool ok = false;
    switch (prop.metaType().id()) {
    case QMetaType::QString:
        if (!IsTag(value, "string") && !IsTag(value, "cstring"))
            return Wrong(QStringLiteral("a string"), value);
        return Decoded(QVariant(value.Text)); // kept as written, spaces included
    case QMetaType::Int: {
        const int v = text.toInt(&ok);
        if (!IsTag(value, "number") || !ok)
            return Wrong(QStringLiteral("a whole number"), value);
        return Decoded(QVariant(v));
    }
    case QMetaType::UInt: { // colours: a number or a colour name; Designer saves <UInt>
        const std::optional<TColor> c = ColorFromText(text);
        if ((!IsTag(value, "number") && !IsTag(value, "UInt") && !IsTag(value, "string") && !IsTag(value, "enum")) ||
            !c)
            return Wrong(QStringLiteral("a colour"), value);
        return Decoded(QVariant(static_cast<uint>(*c)));
    }
    case QMetaType::Double: {
        const double v = text.toDouble(&ok);
        if ((!IsTag(value, "double") && !IsTag(value, "number")) || !ok)
            return Wrong(QStringLiteral("a number"), value);
        return Decoded(QVariant(v));
    }
    case QMetaType::Bool: {
        const std::optional<bool> b = BoolFrom(value);
        if (!b)
            return Wrong(QStringLiteral("true or false"), value);
        return Decoded(QVariant(*b));
    }
    default:
        return {QVariant(), QStringLiteral("values of type %1 cannot be described").arg(QString::fromLatin1(prop.typeName()))};
    }
}

std::optional<TColor> ColorFromText(const QString& text)
{
    for (const TNamedColor& c : NamedColors)
        if (text == QLatin1String(c.Name))
            return c.Value;
    bool ok = false;
    const qulonglong v = text.toULongLong(&ok, 0);
    if (!ok || v > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<TColor>(v);
}

QString WithoutScope(const QString& key)
{
    const qsizetype at = key.lastIndexOf(QLatin1String("::"));
    return at < 0 ? key : key.mid(at + 2);
}

// Point sizes are read at the 96 dots per inch the windows were designed
// for, as pixel sizes (8 points are 11 pixels), so that text keeps its size
// whatever the screen reports.
std::optional<QFont> FontFrom(const TUiNode& value, QFont font)
{
    if (!IsTag(value, "font"))
        return std::nullopt;
    const QString family = value.ChildText("family");
    if (!family.isEmpty())
        font.setFamily(family);
    bool ok = false;
    if (const int pt = value.ChildText("pointsize").toInt(&ok); ok && pt > 0)
        font.setPixelSize((pt * 96 + 36) / 72);
    if (const int px = value.ChildText("pixelsize").toInt(&ok); ok && px > 0)
        font.setPixelSize(px);
    if (value.Child("bold"))
        font.setBold(value.ChildText("bold") == QLatin1String("true"));
    if (value.Child("italic"))
        font.setItalic(value.ChildText("italic") == QLatin1String("true"));
    if (value.Child("underline"))
        font.setUnderline(value.ChildText("underline") == QLatin1String("true"));
    return font;
}

std::optional<QRect> RectFrom(const TUiNode& value)
{
    if (!IsTag(value, "rect"))
        return std::nullopt;
    return QRect(value.ChildText("x").toInt(), value.ChildText("y").toInt(), value.ChildText("width").toInt(),
                 value.ChildText("height").toInt());
}

std::optional<int> CountFrom(const TUiNode& value)
{
    bool ok = false;
    const int v = value.Text.trimmed().toInt(&ok);
    if (!IsTag(value, "number") || !ok || v < 0)
        return std::nullopt;
    return v;
}

std::optional<bool> BoolFrom(const TUiNode& value)
{
    const QString text = value.Text.trimmed();
    if (!IsTag(value, "bool") || (text != QLatin1String("true") && text != QLatin1String("false")))
        return std::nullopt;
    return text == QLatin1String("true");
}

std::optional<std::vector<double>> NumbersFrom(const TUiNode& value)
{
    if (!IsTag(value, "string"))
        return std::nullopt;
    std::vector<double> numbers;
    for (const QString& word : value.Text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        numbers.push_back(word.toDouble(&ok));
        if (!ok)
            return std::nullopt;
    }
    return numbers;
}

} // namespace vorn
