#pragma once
// Reading a window description: the element tree of a Qt Designer .ui file
// and the conversions of its values (colour names, enumeration keys, fonts).
#include "Colors.h"

#include <QByteArray>
#include <QFont>
#include <QString>
#include <QXmlStreamAttributes>

#include <vector>

struct TUiNode
{
    QString Tag;
    QXmlStreamAttributes Attributes;
    QString Text;
    std::vector<TUiNode> Children;

    QString Attr(const char* name) const { return Attributes.value(QLatin1String(name)).toString(); }
    const TUiNode* Child(const char* tag) const
    {
        for (const TUiNode& c : Children)
            if (c.Tag == QLatin1String(tag))
                return &c;
        return nullptr;
    }
    QString ChildText(const char* tag) const
    {
        const TUiNode* c = Child(tag);
        return c ? c->Text.trimmed() : QString();
    }
};

// The element tree of `xml`; EReadError naming `source` when it is not
// well-formed XML.
TUiNode ReadUiTree(const QByteArray& xml, const QString& source);

// A colour given by name (clLime, clBtnFace, ...) or as a number (decimal,
// or hexadecimal with 0x); false for anything else.
bool ColorFromText(const QString& text, TColor& color);

// "vornbase::fsLowered" and "fsLowered" name the same value.
QString WithoutScope(const QString& key);

// `font` changed by a <font> element.
QFont FontFrom(const TUiNode& node, QFont font);
