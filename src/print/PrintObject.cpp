#include "print/PrintObject.h"

#include "data/Errors.h"
#include "widgets/Latin1.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace tb {

TPrintObject::TPrintObject(QPrinter& printer) : printer_(printer) {}

void TPrintObject::Start() {
    if (!painter_.begin(&printer_)) throw InOutError("Unable to start printing");
    automaticNewPage_ = true;
    font_ = painter_.font();
    Measure();
    SetMargins(
        BorderInches(topBorder_, pixelsPerInchV_), BorderInches(bottomBorder_, pixelsPerInchV_),
        BorderInches(leftBorder_, pixelsPerInchH_), BorderInches(rightBorder_, pixelsPerInchH_));
    currentLine_ = 0;
}

int TPrintObject::InchesToPixels(float inches, int pixelsPerInch) {
    // Truncated toward zero; a position off any page stays a whole number.
    const long double pixels = std::trunc(static_cast<long double>(inches) * pixelsPerInch);
    if (!(pixels > INT_MIN)) return INT_MIN;
    if (!(pixels < INT_MAX)) return INT_MAX;
    return static_cast<int>(pixels);
}

float TPrintObject::PixelsToInches(int pixels, int pixelsPerInch) const {
    return pixelsPerInch > 0 ? static_cast<float>(pixels) / static_cast<float>(pixelsPerInch) : 0;
}

float TPrintObject::BorderInches(int border, int pixelsPerInch) const {
    return PixelsToInches(border, pixelsPerInch);
}

float TPrintObject::LineHeightInches() const {
    return PixelsToInches(lineHeight_, pixelsPerInchV_);
}

void TPrintObject::Measure() {
    const QFontMetrics metrics = painter_.fontMetrics();
    lineHeight_ = metrics.height() + metrics.leading();
    ascent_ = metrics.ascent();
    pixelsPerInchH_ = printer_.logicalDpiX();
    pixelsPerInchV_ = printer_.logicalDpiY();
    const QPageLayout layout = printer_.pageLayout();
    const QRect paper = layout.fullRectPixels(printer_.resolution());
    const QRect printable = layout.paintRectPixels(printer_.resolution());
    paperWidth_ = paper.width();
    paperHeight_ = paper.height();
    leftBorder_ = printable.left() - paper.left();
    topBorder_ = printable.top() - paper.top();
    printableWidth_ = printable.width();
    printableHeight_ = printable.height();
    rightBorder_ = paperWidth_ - leftBorder_ - printableWidth_;
    bottomBorder_ = paperHeight_ - topBorder_ - printableHeight_;
    paperWidthInches_ = PixelsToInches(paperWidth_, pixelsPerInchH_);
    paperHeightInches_ = PixelsToInches(paperHeight_, pixelsPerInchV_);
    topMargin_ = std::max(topMargin_, topBorder_);
    bottomMargin_ = std::max(bottomMargin_, bottomBorder_);
    leftMargin_ = std::max(leftMargin_, leftBorder_);
    rightMargin_ = std::max(rightMargin_, rightBorder_);
}

void TPrintObject::SetMargins(float top, float bottom, float left, float right) {
    const float leftBorder = BorderInches(leftBorder_, pixelsPerInchH_);
    const float rightBorder = BorderInches(rightBorder_, pixelsPerInchH_);
    const float topBorder = BorderInches(topBorder_, pixelsPerInchV_);
    const float bottomBorder = BorderInches(bottomBorder_, pixelsPerInchV_);
    if (left + right >= paperWidthInches_) left = leftBorder, right = rightBorder;
    if (left <= 0) left = leftBorder;
    if (right <= 0) right = rightBorder;
    if (top + bottom >= paperHeightInches_) top = topBorder, bottom = bottomBorder;
    if (top <= 0) top = topBorder;
    if (bottom <= 0) bottom = bottomBorder;
    topMargin_ = std::max(InchesToPixels(top, pixelsPerInchV_), topBorder_);
    bottomMargin_ = std::max(InchesToPixels(bottom, pixelsPerInchV_), bottomBorder_);
    leftMargin_ = std::max(InchesToPixels(left, pixelsPerInchH_), leftBorder_);
    rightMargin_ = std::max(InchesToPixels(right, pixelsPerInchH_), rightBorder_);
}

void TPrintObject::SetDetailArea(float top, float bottom) {
    detailTop_ = top;
    // On paper shorter than the area (A5, a page turned to landscape) the
    // area ends at the bottom margin: no line is printed off the paper.
    detailBottom_ = std::min(bottom, PixelsToInches(paperHeight_ - bottomMargin_, pixelsPerInchV_));
    currentLine_ = top - LineHeightInches();
}

void TPrintObject::SetFont(const QString& name, int size, bool bold, bool italic) {
    // Courier is rarely installed under that name, and the system's stand-in
    // differs from one machine to the next (Nimbus Mono PS here, with fewer
    // lines to a page). Liberation Mono, which the program's package
    // installs, has Courier's widths and stands in for it everywhere.
    static const bool courierSubstituted =
        (QFont::insertSubstitution("Courier", "Liberation Mono"), true);
    (void)courierSubstituted;
    QFont font(name, size, bold ? QFont::Bold : QFont::Normal, italic);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // A report lines its columns up with spaces: never a proportional font.
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(size);
        font.setBold(bold);
        font.setItalic(italic);
    }
    font_ = font;
    painter_.setFont(font_);
    Measure();
}

QSize TPrintObject::GetPixelsPerInch() const {
    return {pixelsPerInchH_, pixelsPerInchV_};
}

QSize TPrintObject::GetPrintableSize() const {
    return {paperWidth_ - leftBorder_ - rightBorder_, paperHeight_ - topBorder_ - bottomBorder_};
}

QMargins TPrintObject::GetBorders() const {
    return {leftBorder_, topBorder_, rightBorder_, bottomBorder_};
}

void TPrintObject::TopOfDetail() {
    currentLine_ = detailTop_;
}

void TPrintObject::NewPage() {
    currentLine_ = detailTop_ - LineHeightInches();
    printer_.newPage();
}

void TPrintObject::PrintText(const std::string& text, float x, float y) {
    int column = x >= 0 ? InchesToPixels(x, pixelsPerInchH_) : leftMargin_;
    column = std::max(column, leftBorder_);
    int line = 0;
    if (y > -0.01f) {
        line = std::max(InchesToPixels(y, pixelsPerInchV_), topBorder_);
        if (line > paperHeight_) line = paperHeight_ - bottomBorder_;
        currentLine_ = y;
    } else if (y == NextLine) {
        if (automaticNewPage_ && currentLine_ + LineHeightInches() > detailBottom_) NewPage();
        currentLine_ += LineHeightInches();
        line = InchesToPixels(currentLine_, pixelsPerInchV_);
    } else if (y == SameLine) {
        line = InchesToPixels(currentLine_, pixelsPerInchV_);
    } else {
        return; // no report asks for another position
    }
    if (text.empty()) return;
    // The text's top-left corner at the position; the painter's origin is
    // the printable area's corner.
    painter_.drawText(column - leftBorder_, line - topBorder_ + ascent_, ToQt(text));
}

void TPrintObject::Finish() {
    if (!painter_.end()) throw InOutError("Unable to finish printing");
}

} // namespace tb
