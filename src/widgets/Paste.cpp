#include "widgets/Paste.h"

#include "widgets/Dialogs.h"

#include <QStringList>

#include <algorithm>

namespace tb {

const char* const TildeRefusedText =
    "A \"~\" cannot be kept in the data files, which use it between fields.";
const char* const PasteReplacedText = "Characters the data files cannot hold were pasted as \"?\".";

QString PasteCutText(int maxLength) {
    return QString("The pasted text was cut to the %1 characters this box holds.").arg(maxLength);
}

namespace {
bool IsLineBreak(QChar c) {
    return c == QChar('\n') || c == QChar('\r') || c == QChar(0x2028) || c == QChar(0x2029);
}
} // namespace

CleanedPaste CleanPaste(const QString& pasted) {
    CleanedPaste cleaned;
    if (pasted.contains(QChar('~'))) {
        cleaned.refused = true;
        return cleaned;
    }
    for (qsizetype i = 0; i < pasted.size(); ++i) {
        const QChar c = pasted.at(i);
        if (c == QChar('\r') && i + 1 < pasted.size() && pasted.at(i + 1) == QChar('\n'))
            continue; // CR LF is one line break
        if (IsLineBreak(c) || c == QChar('\t')) {
            cleaned.text += QChar(' ');
        } else if (c.unicode() > 0xFF || c.unicode() < 0x20 || c.unicode() == 0x7F) {
            // A character outside the 16-bit range is a pair: one "?" for it.
            if (c.isHighSurrogate() && i + 1 < pasted.size() && pasted.at(i + 1).isLowSurrogate())
                ++i;
            cleaned.text += QChar('?');
            cleaned.replaced = true;
        } else {
            cleaned.text += c;
        }
    }
    return cleaned;
}

QString PreparePaste(QWidget* box, const QString& pasted, int room, int maxLength) {
    const CleanedPaste cleaned = CleanPaste(pasted);
    if (cleaned.refused) {
        Dialogs::Message(box, TildeRefusedText);
        return QString();
    }
    QStringList told;
    if (cleaned.replaced) told << PasteReplacedText;
    const int kept = std::max(room, 0);
    if (cleaned.text.size() > kept) told << PasteCutText(maxLength);
    if (!told.isEmpty()) Dialogs::Message(box, told.join("  "));
    return cleaned.text.left(kept);
}

} // namespace tb
