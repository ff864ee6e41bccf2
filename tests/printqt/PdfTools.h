#pragma once
// What a printed PDF file holds, read with poppler's command-line tools: page count, title,
// text (per page, laid out), fonts, and the boxes of its words.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace pdf {

inline QString Run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString Info(const QString& file, const QString& field) {
    const QRegularExpression re("^" + field + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return re.match(Run("pdfinfo", {file})).captured(1).trimmed();
}

inline int Pages(const QString& file) { return Info(file, "Pages").toInt(); }

// The text of page `page` (all pages when 0), laid out as printed, one line a printed row;
// trailing blanks and empty lines at the end removed.
inline QStringList Text(const QString& file, int page = 0) {
    QStringList args{"-layout", "-nopgbrk"};
    if (page > 0) args << "-f" << QString::number(page) << "-l" << QString::number(page);
    QStringList lines = Run("pdftotext", args << file << "-").split('\n');
    for (QString& l : lines) {
        while (l.endsWith(' ')) l.chop(1);
    }
    while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// The rows of a page without the layout's indentation.
inline QStringList Rows(const QString& file, int page) {
    QStringList rows = Text(file, page);
    for (QString& r : rows) r = r.trimmed();
    return rows;
}

inline QString Fonts(const QString& file) { return Run("pdffonts", {file}); }

// The lowest bottom edge of any word, in points from the top of its page.
inline double LowestWord(const QString& file) {
    const QString html = Run("pdftotext", {"-bbox", file, "-"});
    double lowest = 0;
    static const QRegularExpression re("yMax=\"([0-9.]+)\"");
    for (auto it = re.globalMatch(html); it.hasNext();) lowest = std::max(lowest, it.next().captured(1).toDouble());
    return lowest;
}

}  // namespace pdf
