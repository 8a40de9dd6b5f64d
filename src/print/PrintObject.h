#pragma once
// Turns a report into printed pages. A report hands it lines of text with a
// column and a line position in inches; it converts inches to printer
// pixels, keeps track of the current line and starts a new page when the
// next line would pass the bottom of the body area. Each report makes one
// for one print job, on the printer the user picked just before.

#include <QFont>
#include <QPainter>

#include <string>

class QPrinter;

namespace tb {

class TPrintObject {
public:
    // A line request: the line below the current one, or the current one.
    static constexpr float NextLine = -1;
    static constexpr float SameLine = -2;

    explicit TPrintObject(QPrinter& printer);

    // Begins the print job (InOutError when the printer or file cannot be
    // opened); the margins become the unprintable borders.
    void Start();
    void SetMargins(float top, float bottom, float left, float right);
    // The body area, in inches from the top of the paper.
    void SetDetailArea(float top, float bottom);
    // "Courier" resolves to Liberation Mono, and to a fixed-pitch font even
    // where neither is installed.
    void SetFont(const QString& name, int size, bool bold = false, bool italic = false);
    QSize GetPixelsPerInch() const;
    QSize GetPrintableSize() const;
    // Top, bottom, right, left.
    QMargins GetBorders() const;
    void TopOfDetail();
    // `x` in inches, or below 0 for the left margin; `y` in inches from the
    // top of the paper, NextLine or SameLine.
    void PrintText(const std::string& text, float x, float y);
    // Ends the print job: the printer gets the pages.
    void Finish();

    float CurrentLine() const { return currentLine_; }
    float LineHeightInches() const;

private:
    void Measure();
    void NewPage();
    static int InchesToPixels(float inches, int pixelsPerInch);
    float PixelsToInches(int pixels, int pixelsPerInch) const;
    float BorderInches(int border, int pixelsPerInch) const;

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    int topMargin_ = 0, bottomMargin_ = 0, leftMargin_ = 0, rightMargin_ = 0;
    int pixelsPerInchV_ = 0, pixelsPerInchH_ = 0;
    int paperWidth_ = 0, paperHeight_ = 0;
    float paperWidthInches_ = 0, paperHeightInches_ = 0;
    int leftBorder_ = 0, topBorder_ = 0, rightBorder_ = 0, bottomBorder_ = 0;
    int printableWidth_ = 0, printableHeight_ = 0;
    float detailTop_ = 0, detailBottom_ = 0;
    float currentLine_ = 0;
    bool automaticNewPage_ = false;
    int lineHeight_ = 0; // character height plus external leading, in pixels
    int ascent_ = 0;
};

} // namespace tb
