// Builds the user manual scrivix.pdf from its HTML source at build time.
//
//     scrivix-manual SOURCE.html OUTPUT.pdf

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: scrivix-manual SOURCE.html OUTPUT.pdf\n");
        return 2;
    }
    // Fonts without a display: the build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "scrivix-manual: %s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    QTextDocument manual;
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10.5);
    manual.setDefaultFont(font);
    manual.setHtml(QString::fromUtf8(source.readAll()));

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(QStringLiteral("Scrivix User Manual"));
    pdf.setCreator(QStringLiteral("Scrivix"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                  QPageLayout::Portrait,
                                  QMarginsF(20, 20, 20, 20),
                                  QPageLayout::Millimeter));
    manual.print(&pdf);
    return 0;
}
