#include "gui/markup.h"

#include <QRegularExpression>
#include <QStringList>

namespace qor::gui {
namespace {

struct Style {
    QStringList colors;  // innermost last
    QStringList sizes;
    int bold = 0;
    int underline = 0;

    QString Css() const {
        QStringList parts;
        if (!colors.isEmpty()) parts << "color:" + colors.last();
        if (!sizes.isEmpty()) parts << "font-size:" + sizes.last() + "pt";
        if (bold > 0) parts << "font-weight:bold";
        if (underline > 0) parts << "text-decoration:underline";
        return parts.join(';');
    }
};

void Close(int& depth) {
    if (depth > 0) --depth;
}

void Close(QStringList& stack) {
    if (!stack.isEmpty()) stack.removeLast();
}

// Applies one tag to the style; false when the text is not a known tag.
bool Apply(const QRegularExpressionMatch& tag, Style& style) {
    static const QRegularExpression digits("^[0-9]{1,3}$");
    const bool closing = !tag.captured(1).isEmpty();
    const QString name = tag.captured(2).toUpper();
    const QString value = tag.captured(3);
    const bool has_value = !value.isEmpty();
    if (closing && has_value) return false;

    if (name == "B" && !has_value) {
        closing ? Close(style.bold) : void(++style.bold);
    } else if (name == "U" && !has_value) {
        closing ? Close(style.underline) : void(++style.underline);
    } else if (name == "COLOR" && (closing || has_value)) {
        closing ? Close(style.colors) : void(style.colors << value);
    } else if (name == "SIZE" && (closing || digits.match(value).hasMatch())) {
        closing ? Close(style.sizes) : void(style.sizes << value);
    } else {
        return false;
    }
    return true;
}

QString Run(const QString& text, const Style& style) {
    QString html = text.toHtmlEscaped();
    html.replace("\r\n", "<br>").replace('\n', "<br>").replace('\r', "<br>");
    const QString css = style.Css();
    return css.isEmpty() ? html : "<span style=\"" + css + "\">" + html + "</span>";
}

}  // namespace

QString RichTextFromMarkup(const QString& stored) {
    // [B] [/B] [U] [/U] [COLOR=x] [/COLOR] [SIZE=n] [/SIZE]; a colour value is
    // a name or #hex only, so nothing from it can leave the style attribute.
    static const QRegularExpression tag(R"(\[(/?)([A-Za-z]+)(?:=(#?[A-Za-z0-9]+))?\])");
    Style style;
    QString html;
    QString pending;
    qsizetype at = 0;
    for (auto it = tag.globalMatch(stored); it.hasNext();) {
        const auto match = it.next();
        pending += stored.mid(at, match.capturedStart() - at);
        at = match.capturedEnd();
        Style next = style;
        if (!Apply(match, next)) {
            pending += match.captured(0);
            continue;
        }
        if (!pending.isEmpty()) html += Run(pending, style);
        pending.clear();
        style = next;
    }
    pending += stored.mid(at);
    if (!pending.isEmpty()) html += Run(pending, style);
    return html;
}

}  // namespace qor::gui
