// Build-time tool: renders the help document to PDF and draws the main
// window's background picture, so neither is a binary kept in the repository.
//   make_assets help <source.md> <out.pdf>
//   make_assets picture <out.jpg>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

namespace {

int makeHelp(const QString& source, const QString& out)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(source));
        return 1;
    }
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setDefaultStyleSheet(QStringLiteral("h1 { color: #1b4f72; } h2 { color: #1b4f72; } "
                                                 "table { border-collapse: collapse; } td, th { padding: 2px 6px; }"));
    document.setMarkdown(QString::fromUtf8(in.readAll()));
    QPdfWriter writer(out);
    writer.setTitle(QStringLiteral("Revtal 2021 Help"));
    writer.setCreator(QStringLiteral("Revtal"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    document.print(&writer);
    return QFile::exists(out) ? 0 : 1;
}

int makePicture(const QString& out)
{
    QImage image(1600, 1000, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(0x1b, 0x4f, 0x72));
    sky.setColorAt(1, QColor(0x85, 0xc1, 0xe9));
    p.fillRect(image.rect(), sky);
    // A quiet band of rising bars: figures growing year by year.
    for (int i = 0; i < 24; ++i) {
        const int w = image.width() / 24;
        const int h = 80 + (i * 37) % 260 + i * 6;
        p.fillRect(i * w + 6, image.height() - h, w - 12, h, QColor(255, 255, 255, 28));
    }
    p.setPen(QColor(255, 255, 255, 210));
    QFont title(QStringLiteral("DejaVu Sans"), 72, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(0, 300, image.width(), 140), Qt::AlignCenter, QStringLiteral("Revtal 2021"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 26));
    p.setPen(QColor(255, 255, 255, 170));
    p.drawText(QRect(0, 450, image.width(), 60), Qt::AlignCenter,
               QStringLiteral("Salary, tax and finance calculations  ·  1 March 2020 to 28 February 2021"));
    p.end();
    return image.save(out, "JPG", 85) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("help"))
        return makeHelp(args[2], args[3]);
    if (args.size() == 3 && args[1] == QLatin1String("picture"))
        return makePicture(args[2]);
    std::fprintf(stderr, "usage: make_assets help <in.md> <out.pdf> | picture <out.jpg>\n");
    return 2;
}
