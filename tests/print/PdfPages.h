#pragma once
// What a printed report looks like on paper, read back from its PDF with
// pdftotext: each page's lines, top to bottom, with the top of the line's
// first word and its left edge, in points from the paper's top-left corner.

#include <QProcess>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

namespace tbtest {

struct PdfLine {
    double top = 0;
    double left = 0;
    QString text; // the words, joined by single spaces
};
using PdfPage = std::vector<PdfLine>;

// With `joinLines`, the words of one line make one PdfLine; without, each
// word is one.
inline std::vector<PdfPage> ReadPdfPages(const std::filesystem::path& pdf, bool joinLines = true) {
    QProcess process;
    process.start("pdftotext", {"-bbox", QString::fromStdString(pdf.string()), "-"});
    EXPECT_TRUE(process.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    std::vector<PdfPage> words; // per page, in the order pdftotext found them
    static const QRegularExpression tag(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>");
    for (auto match = tag.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        if (m.captured(0) == "<page ")
            words.emplace_back();
        else
            words.back().push_back(
                {m.captured(2).toDouble(), m.captured(1).toDouble(), m.captured(3)});
    }
    std::vector<PdfPage> pages;
    for (PdfPage& page : words) {
        // Top to bottom, then left to right: a line's words together.
        std::stable_sort(page.begin(), page.end(), [](const PdfLine& a, const PdfLine& b) {
            if (std::abs(a.top - b.top) >= 1) return a.top < b.top;
            return a.left < b.left;
        });
        PdfPage& lines = pages.emplace_back();
        for (const PdfLine& word : page) {
            if (joinLines && !lines.empty() && std::abs(lines.back().top - word.top) < 1)
                lines.back().text += " " + word.text;
            else
                lines.push_back(word);
        }
    }
    return pages;
}

inline std::vector<PdfPage> ReadPdfWords(const std::filesystem::path& pdf) {
    return ReadPdfPages(pdf, false);
}

} // namespace tbtest
