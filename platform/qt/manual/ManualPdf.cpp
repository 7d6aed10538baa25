// Builds the user's manual: the Markdown chapters, in order, laid out by Qt's rich-text engine
// into an A4 PDF in the window's font, each chapter on a new page, screenshots fitted to the
// page width.
//
//   zorvel_manual OUTPUT.pdf CHAPTER.md...
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <cstdio>

#include "platform/qt/MainWindow.h"

namespace {

// Width of the text on the page in the layout's units (1/96 inch): A4 less two 2 cm margins.
constexpr double kTextWidth = (210.0 - 40.0) / 25.4 * 96.0;

bool ReadChapters(int argc, char** argv, QString& markdown) {
    for (int i = 2; i < argc; ++i) {
        QFile f(QString::fromLocal8Bit(argv[i]));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return false;
        }
        markdown += QString::fromUtf8(f.readAll());
        markdown += QStringLiteral("\n\n");
    }
    return true;
}

// Chapters (first-level headings) after the first begin a new page.
void BreakBeforeChapters(QTextDocument& doc) {
    bool first = true;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() != 1) continue;
        if (!std::exchange(first, false)) {
            QTextCursor c(b);
            QTextBlockFormat f = b.blockFormat();
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            c.setBlockFormat(f);
        }
    }
}

// Every image loaded from the chapters' folder and shown at the page's text width (or its own,
// when narrower), aspect kept.
bool FitImages(QTextDocument& doc, const QDir& folder) {
    bool ok = true;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.charFormat().isImageFormat()) continue;
            QTextImageFormat f = frag.charFormat().toImageFormat();
            const QImage image(folder.filePath(f.name()));
            if (image.isNull()) {
                std::fprintf(stderr, "cannot read the image %s\n", qPrintable(f.name()));
                ok = false;
                continue;
            }
            doc.addResource(QTextDocument::ImageResource, QUrl(f.name()), image);
            const double w = std::min<double>(kTextWidth * 0.9, image.width());
            f.setWidth(w);
            f.setHeight(w * image.height() / image.width());
            QTextCursor c(&doc);
            c.setPosition(frag.position());
            c.setPosition(frag.position() + frag.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(f);
        }
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.pdf CHAPTER.md...\n", argv[0]);
        return 2;
    }
    QString markdown;
    if (!ReadChapters(argc, argv, markdown)) return 1;

    QTextDocument doc;
    QFont font = zl::DialogFont();
    font.setPointSizeF(10.5);
    font.setStyleHint(QFont::SansSerif);
    doc.setDefaultFont(font);
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    BreakBeforeChapters(doc);
    // Images are named relative to the chapters' folder.
    if (!FitImages(doc, QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteDir())) return 1;

    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString temp = out + QStringLiteral(".part");
    {
        QPdfWriter writer(temp);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QStringLiteral("Zorvel List 取扱説明書"));
        writer.setCreator(QStringLiteral("Zorvel List"));
        writer.setResolution(300);
        doc.print(&writer);
    }
    QFile::remove(out);
    if (QFileInfo(temp).size() == 0 || !QFile::rename(temp, out)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
