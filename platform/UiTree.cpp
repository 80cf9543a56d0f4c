#include "UiTree.h"

#include "Exceptions.h"

#include <QXmlStreamReader>

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


namespace {

struct TNamedColor
{
    const char* Name;
    TColor Value;
};
constexpr TNamedColor NamedColors[] = {
    {"clBlack", clBlack},         {"clGray", clGray},           {"clSilver", clSilver},
    {"clWhite", clWhite},         {"clRed", clRed},             {"clLime", clLime},
    {"clNavy", clNavy},           {"clWindowText", clWindowText}, {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow}, {"clBtnHighlight", clBtnHighlight},
};

} // namespace

bool ColorFromText(const QString& text, TColor& color)
{
    for (const TNamedColor& c : NamedColors) {
        if (text == QLatin1String(c.Name)) {
            color = c.Value;
            return true;
        }
    }
    bool ok = false;
    const qulonglong v = text.toULongLong(&ok, 0);
    if (!ok || v > 0xFFFFFFFFull)
        return false;
    color = static_cast<TColor>(v);
    return true;
}

QString WithoutScope(const QString& key)
{
    const qsizetype at = key.lastIndexOf(QLatin1String("::"));
    return at < 0 ? key : key.mid(at + 2);
}

// Point sizes are read at the 96 dots per inch the windows were designed
// for, as pixel sizes (8 points are 11 pixels), so that text keeps its size
// whatever the screen reports.
QFont FontFrom(const TUiNode& node, QFont font)
{
    const QString family = node.ChildText("family");
    if (!family.isEmpty())
        font.setFamily(family);
    bool ok = false;
    if (const int pt = node.ChildText("pointsize").toInt(&ok); ok && pt > 0)
        font.setPixelSize((pt * 96 + 36) / 72);
    if (const int px = node.ChildText("pixelsize").toInt(&ok); ok && px > 0)
        font.setPixelSize(px);
    if (node.Child("bold"))
        font.setBold(node.ChildText("bold") == QLatin1String("true"));
    if (node.Child("italic"))
        font.setItalic(node.ChildText("italic") == QLatin1String("true"));
    if (node.Child("underline"))
        font.setUnderline(node.ChildText("underline") == QLatin1String("true"));
    return font;
}

