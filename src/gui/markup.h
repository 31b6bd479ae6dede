#pragma once
// The captions of the window are stored in a small inline markup:
// [B]..[/B] bold, [U]..[/U] underline, [COLOR=x]..[/COLOR] text colour
// (a #RRGGBB value or a colour name), [SIZE=n]..[/SIZE] point size, and a
// line break (CR LF, or a lone LF) as a new line. The stored texts close
// their tags out of order ("[/COLOR][/SIZE]"), so each kind of tag keeps
// its own stack instead of the tags forming a tree.

#include <QString>

namespace qor::gui {

// Qt rich text for a stored caption. Anything that is not a known tag is
// shown as written.
QString RichTextFromMarkup(const QString& stored);

}  // namespace qor::gui
