#pragma once
// What a paste into an edit box or a memo keeps. The data files hold 8-bit
// text on one line per record, with "~" between fields: a character beyond
// Latin-1 becomes "?", a line break or a tab becomes a space, and a text
// holding a "~" is refused whole. Whatever changes, the user is told once
// per paste, so that nothing pasted vanishes without a word.

#include <QString>

class QWidget;

namespace tb {

// The message for a pasted "~".
extern const char* const TildeRefusedText;
// The message for a paste whose characters beyond Latin-1 became "?".
extern const char* const PasteReplacedText;
// The message for a paste cut to the room left in its box.
QString PasteCutText(int maxLength);

struct CleanedPaste {
    QString text;
    bool refused = false;  // it holds a "~": nothing is pasted
    bool replaced = false; // characters beyond Latin-1 became "?"
};
CleanedPaste CleanPaste(const QString& pasted);

// Cleans `pasted` and cuts it to `room` characters, telling the user over
// `box` what was refused, replaced or cut. Gives the text to insert, empty
// when nothing is to be pasted.
QString PreparePaste(QWidget* box, const QString& pasted, int room, int maxLength);

} // namespace tb
