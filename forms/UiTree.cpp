// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "UiTree.h"

#include "Exceptions.h"

#include <QXmlStreamReader>

namespace vorn {

TUiNode ReadUiTree(const QByteArray& xml, const QString& source)
{
    QXmlStreamReader reader(xml);
    TUiNode root;
    std::vector<TUiNode*> stack{&root};
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            TUiNode node;
            node.Tag = reader.name().toString();
            node.Attributes = reader.attributes();
            stack.back()->Children.push_back(std::move(node));
            stack.push_back(&stack.back()->Children.back());
        } else if (reader.isEndElement()) {
            stack.pop_back();
        } else if (reader.isCharacters()) {
            stack.back()->Text += reader.text();
        }
    }
    if (reader.hasError())
        throw EReadError(QStringLiteral("Window description \"%1\" is not readable: line %2: %3")
                             .arg(source)
                             .arg(reader.lineNumber())
                             .arg(reader.errorString()));
    return root;
}

void ThrowReadError(const QString& window, const QString& control, const QString& property, const QString& what)
{
    QString where = QStringLiteral("Window \"%1\"").arg(window);
    if (!control.isEmpty())
        where += QStringLiteral(", control \"%1\"").arg(control);
    if (!property.isEmpty())
        where += QStringLiteral(", property \"%1\"").arg(property);
    throw EReadError(where + QStringLiteral(": ") + what);
}

} // namespace vorn
