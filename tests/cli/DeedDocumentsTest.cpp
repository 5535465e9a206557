// The deeds end to end: answer files through scrivix-cli assemble, the
// documents rendered by LibreOffice and read back as text.

#include "QtPrinters.h"
#include "cli/CliRun.h"
#include "template/PdfConverter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scrivix;

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

const QString kChecked = QString(QChar(0x2612));
const QString kEmpty = QString(QChar(0x2610));

// The document of a page as LibreOffice reads it, from answers set through the tool.
QString renderedText(const QTemporaryDir& dir, int pageNo, const QStringList& assignments)
{
    const QString scx = dir.filePath(QStringLiteral("client.scx"));
    const QString rtf = dir.filePath(QStringLiteral("deed.rtf"));
    const QString txt = dir.filePath(QStringLiteral("deed.txt"));
    const QString page = QString::number(pageNo);
    CliRun run = cli(QStringList({QStringLiteral("set"), scx, page}) + assignments);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    run = cli({QStringLiteral("assemble"),
               scx,
               page,
               QStringLiteral("-o"),
               rtf,
               QStringLiteral("--templates"),
               QStringLiteral(SCRIVIX_TEMPLATES_DIR)});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray document = contentsOf(rtf);
    for (const char byte : document)
        EXPECT_LT(static_cast<unsigned char>(byte), 0x80) << "the document is not 7-bit ASCII";
    const QString problem = PdfConverter::convert(rtf, QStringLiteral("txt:Text (encoded):UTF8"), txt);
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    return QString::fromUtf8(contentsOf(txt)).simplified();
}

} // namespace

TEST(DeedDocuments, ExecutorsDeedPrintsTheExecutrixAndHerGrantees)
{
    QTemporaryDir dir;
    const QString text = renderedText(dir,
                                      0,
                                      {s("6=Mar\u00eda Jos\u00e9 Garc\u00eda"),
                                       s("70=Mar\u00eda Jos\u00e9 Garc\u00eda"),
                                       s("71=F"),
                                       s("7=Robert Smith"),
                                       s("21=12500"),
                                       s("23=Carl Buyer and Dora Buyer"),
                                       s("130=Carl Buyer"),
                                       s("133=Dora Buyer"),
                                       s("34=Lot 42 of Riverside Estates"),
                                       s("48=X"),
                                       s("50="),
                                       s("63=Nora Public")});
    for (const char* expected : {"Mar\u00eda Jos\u00e9 Garc\u00eda",
                                 "MAR\u00cdA JOS\u00c9 GARC\u00cdA",
                                 "Executrix",
                                 "EXECUTRIX",
                                 "her hand",
                                 "Robert Smith",
                                 "Twelve Thousand Five Hundred and 00/100",
                                 "12,500.00",
                                 "Carl Buyer and Dora Buyer",
                                 "Grantees",
                                 "Lot 42 of Riverside Estates.",
                                 "NORA PUBLIC"})
        EXPECT_TRUE(text.contains(s(expected))) << expected << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains(kChecked)) << text.toStdString();
    EXPECT_TRUE(text.contains(kEmpty)) << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1String("/*"))) << "an answer variable was left unmerged";
}

TEST(DeedDocuments, FiduciarysDeedPrintsTwoGrantorsAndTheirSignatureLines)
{
    QTemporaryDir dir;
    const QString text = renderedText(dir,
                                      1,
                                      {s("1=Ann Able and Bob Baker"),
                                       s("70=Ann Able"),
                                       s("71=F"),
                                       s("73=Bob Baker"),
                                       s("74=M"),
                                       s("3=Trustees"),
                                       s("5=$99,000.50"),
                                       s("7=Carl Buyer"),
                                       s("17=Lot 7 of Maple Grove"),
                                       s("45=X"),
                                       s("37=Nora Public")});
    for (const char* expected : {"Ann Able and Bob Baker",
                                 "Grantors",
                                 "their hands",
                                 "grant",
                                 "Ninety Nine Thousand and 50/100",
                                 "99,000.50",
                                 "ANN ABLE",
                                 "BOB BAKER",
                                 "Carl Buyer",
                                 "Lot 7 of Maple Grove",
                                 "NORA PUBLIC",
                                 "GRANTORS"})
        EXPECT_TRUE(text.contains(s(expected))) << expected << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains(kChecked) && text.contains(kEmpty)) << text.toStdString();
    EXPECT_TRUE(text.contains(QString(33, QLatin1Char('_'))));
}
