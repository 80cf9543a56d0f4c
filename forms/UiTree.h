// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Reading a window description: the element tree of a Qt Designer .ui file,
// and the form of the message that a fault in a description raises.
#include <QByteArray>
#include <QString>
#include <QXmlStreamAttributes>

#include <vector>

namespace vorn {

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

// Throws EReadError for a fault in the description of `window`, naming the
// control and the property when they are not empty:
//   Window "dlgTest", control "nio1", property "Value": <what>
[[noreturn]] void ThrowReadError(const QString& window, const QString& control, const QString& property,
                                 const QString& what);

} // namespace vorn
