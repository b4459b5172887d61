// SPDX-License-Identifier: GPL-3.0-or-later
// The channel report: what it says in both languages, how it falls onto pages, and that
// no text leaves its cell or reaches the paper as garbage.
#include "image/FormDescriptions.h"
#include "image/ImageCodec.h"
#include "windows/PrintPreview.h"
#include "report/PrintContent.h"
#include "report/ReportDrawing.h"
#include "report/ReportLayout.h"
#include "report/ReportPdf.h"
#include "support/SampleRadio.h"
#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace kt913;

namespace {

void loadSample(RadioModel &m, Language lang)
{
    m.setLanguage(lang);
    m.setMemoryImage(test::sampleImage());
    DecodeImage(m);
}

// The report in short: "row:a|b" for a two-cell row, "grid:N", "title:..", ...
QStringList describe(const ReportWriter &w)
{
    QStringList out;
    QStringList cells;
    for (const ReportOp &op : w.operations()) {
        switch (op.kind) {
        case ReportOp::BeginReport: out << "begin"; break;
        case ReportOp::NewPage: out << "page"; break;
        case ReportOp::ReportTitle: out << "title:" + op.text; break;
        case ReportOp::SectionHeading: out << "heading:" + op.text; break;
        case ReportOp::BlankLine: out << "blank"; break;
        case ReportOp::AddCell: cells << op.text; break;
        case ReportOp::EndRow: out << "row:" + cells.join('|'); cells.clear(); break;
        case ReportOp::PrintGrid: out << QStringLiteral("grid:%1").arg(op.table); break;
        case ReportOp::EndReport: out << "end"; break;
        }
    }
    return out;
}

QStringList expectedEnglish()
{
    QStringList e{"begin", "page", "title:KT-913 Interphone programming data are printed", "blank",
                  "heading:Function set", "blank"};
    e << "row:B Channel Number:|3" << "row:A Channel Number:|2" << "row:A Display Mode:|Fre And Channel"
      << "row:A Step Frequency:|25K" << "row:A Squelch Level:|3" << "row:Beep:|On" << "row:Battery Save:|On"
      << "row:Key Lock:|Off" << "row:TDR Mode:|On" << "row:A Self-Regard Channel:|On" << "row:Time-out Timer:|1 Minute"
      << "row:Display Character:|KT913" << "row:Scan Mode:|Time";
    e << "page" << "blank" << "heading:The whole frequency frequently" << "blank";
    e << "row:Frequency:|145.00000" << "row:Offset Data:|0.60000" << "row:QT/DQT Dec:|Off" << "row:QT/DQT Enc:|88.5"
      << "row:Power:|High" << "row:BusyChannel Lock:|Off" << "row:Add Scan:|On" << "row:Band:|Wide"
      << "row:TX Stop:|Off" << "row:Companding:|On" << "row:Off Set Frequency:|Minus";
    e << "blank" << "heading:VOX(Voice control launches)" << "blank";
    e << "row:VOX Gain Level:|4" << "row:VOX Delay Time(s):|3" << "row:WhetherAllow to Cancel Operating|No";
    e << "blank" << "heading:Debug information" << "blank";
    e << "row:High Power Grades High Sect|215" << "row:High Power Grades Mid Sect|212"
      << "row:High Power Grades Low Sect|209";
    e << "page" << "title:A Channel data" << "grid:0" << "blank" << "title:B Channel data" << "grid:1" << "blank"
      << "end";
    return e;
}

// A4 at the PDF writer's resolution, the paper the command line uses.
struct Paper {
    QBuffer buffer;
    QPdfWriter pdf{&buffer};
    QSizeF size;
    Paper()
    {
        buffer.open(QIODevice::WriteOnly);
        pdf.setPageLayout(reportPageLayout());
        size = pdf.pageLayout().paintRectPixels(pdf.logicalDpiX()).size();
    }
    std::vector<LaidOutPage> layout(const ReportWriter &w) { return layoutReport(w, ReportFonts::standard(), &pdf, size); }
};

// Every line of every text fits the box it is drawn in.
void verifyTextsFit(const std::vector<LaidOutPage> &pages, QPaintDevice *device)
{
    const ReportFonts fonts = ReportFonts::standard();
    for (const LaidOutPage &p : pages)
        for (const LaidOutItem &item : p.items) {
            const QFontMetricsF fm(fonts.font(item.font), device);
            for (const QString &line : item.text.split('\n'))
                QVERIFY2(fm.horizontalAdvance(line) <= item.textBox.width() + 0.01, qPrintable(line));
            QVERIFY(item.box.contains(item.textBox));
        }
}

} // namespace

class TstReport : public QObject {
    Q_OBJECT
private slots:
    void englishReportSaysWhatTheWindowsShow()
    {
        RadioModel m;
        loadSample(m, Language::English);
        ReportWriter w;
        PrintContent(m, w);
        QCOMPARE(describe(w), expectedEnglish());
        QVERIFY(w.isFinished());
        for (const ReportOp &op : w.operations())
            if (op.kind == ReportOp::AddCell)
                QCOMPARE(op.widthTwips, 4500);
    }

    void chineseReport()
    {
        RadioModel m;
        loadSample(m, Language::Chinese);
        ReportWriter w;
        PrintContent(m, w);
        const QStringList d = describe(w);
        QCOMPARE(d.size(), expectedEnglish().size());
        QCOMPARE(d[2], QStringLiteral("title:KT-913对讲机编程数据打印"));
        for (const char *h : {"heading:功能设置", "heading:全频频率", "heading:VOX(声控发射)", "heading:调试信息",
                              "title:A组信道数据", "title:B组信道数据"})
            QVERIFY2(d.contains(QString::fromUtf8(h)), h);
        QVERIFY(d.contains(QStringLiteral("row:B组当前频道数:|3")));
        QVERIFY(d.contains(QStringLiteral("row:接收亚音频:|关闭")));
        QVERIFY(d.contains(QStringLiteral("row:异频:|-异频")));
        QVERIFY(d.contains(QStringLiteral("row:是否允许取消操作|否")));
        QVERIFY(d.contains(QStringLiteral("row:高功率等级 中段|212")));
    }

    void checkBoxAndDebugRowsFollowTheModel()
    {
        RadioModel m;
        loadSample(m, Language::English);
        m.options().setChecked("Check12", true);
        QVERIFY(m.setDebugValue(1, 77));
        QVERIFY(m.setDebugValue(3, 11)); // middle grade: not printed
        ReportWriter w;
        PrintContent(m, w);
        const QStringList d = describe(w);
        QVERIFY(d.contains("row:WhetherAllow to Cancel Operating|Yes"));
        QVERIFY(d.contains("row:High Power Grades Mid Sect|77"));
        QVERIFY(!d.join(' ').contains("|11"));
        m.setLanguage(Language::Chinese);
        PrintContent(m, w); // a report built again replaces the first
        QVERIFY(describe(w).contains(QStringLiteral("row:是否允许取消操作|是")));
        QCOMPARE(w.tables().size(), size_t(2));
    }

    void gridsAreTheChannelGridsWithTheirEmptyRows()
    {
        RadioModel m;
        loadSample(m, Language::English);
        const ReportTable a = channelReportTable(m, 1), b = channelReportTable(m, 2);
        QStringList headers = channelGridHeaders(Language::English);
        headers.removeAt(col::Hidden);
        QCOMPARE(a.header, headers);
        QCOMPARE(a.widthsTwips, (std::vector<int>{600, 1100, 1100, 1200, 1200, 600, 1400, 900, 750, 900, 1400}));
        QCOMPARE(a.rows.size(), size_t(64));
        QCOMPARE(b.rows.size(), size_t(64));
        QCOMPARE(a.rows[0], (QStringList{"A1", "145.50000", "145.50000", "Off", "Off", "High", "Off", "On", "wide",
                                         "Off", "CALL2M"}));
        QCOMPARE(a.rows[4], (QStringList{"A5", "", "", "", "", "", "", "", "", "", ""}));
        QCOMPARE(a.rows[63][0], QStringLiteral("A64"));
        QCOMPARE(b.rows[0][0], QStringLiteral("B1"));
        QCOMPARE(b.rows[0][10], QStringLiteral("RPT70"));
        QCOMPARE(b.rows[63][0], QStringLiteral("B64"));
    }

    void gridsBreakAcrossPagesWithTheirHeader()
    {
        RadioModel m;
        loadSample(m, Language::Chinese);
        ReportWriter w;
        PrintContent(m, w);
        Paper paper;
        const std::vector<LaidOutPage> pages = paper.layout(w);
        QVERIFY(pages.size() >= 4);
        QStringList labels;
        int headerRows = 0;
        for (size_t i = 0; i < pages.size(); ++i) {
            const auto &items = pages[i].items;
            QCOMPARE(items.back().text, QStringLiteral("%1 / %2").arg(i + 1).arg(pages.size()));
            bool sawCell = false;
            for (const LaidOutItem &item : items) {
                QVERIFY(item.box.bottom() <= paper.size.height() + 0.01);
                QVERIFY(item.box.right() <= paper.size.width() + 0.01);
                if (item.kind == LaidOutItem::HeaderCell && item.text == QStringLiteral("频道")) {
                    QVERIFY2(!sawCell || items[&item - &items[0] - 1].kind == LaidOutItem::Line,
                             "a header row stands at a page's top or under its title");
                    ++headerRows;
                }
                if (item.kind == LaidOutItem::Cell && item.font == ReportFonts::Grid) {
                    QVERIFY2(headerRows > 0, "grid row before any header");
                    sawCell = true;
                    if (item.box.left() < 1)
                        labels << item.text;
                }
            }
        }
        QStringList expected;
        for (int n = 1; n <= 64; ++n)
            expected << QStringLiteral("A%1").arg(n);
        for (int n = 1; n <= 64; ++n)
            expected << QStringLiteral("B%1").arg(n);
        QCOMPARE(labels, expected);
        QVERIFY2(headerRows > 2, "the header is repeated on the pages a grid goes on to");
        // Each page holding grid rows starts them with a header row.
        for (const LaidOutPage &p : pages) {
            for (const LaidOutItem &item : p.items) {
                if (item.kind == LaidOutItem::HeaderCell)
                    break;
                QVERIFY(!(item.kind == LaidOutItem::Cell && item.font == ReportFonts::Grid));
            }
        }
        verifyTextsFit(pages, &paper.pdf);
    }

    void longTextsStayInTheirCells()
    {
        ReportWriter w;
        w.BeginReport();
        w.AddCell(1000, QString(200, 'W'));
        w.AddCell(1000, QString(60, QChar(0x6C49)));
        w.EndRow();
        ReportTable t;
        t.header = QStringList{"a very long column header that cannot fit", "x"};
        t.widthsTwips = {300, 300};
        t.rows.push_back({QString(400, 'M'), "y"});
        w.PrintGrid("", t);
        for (int i = 0; i < 200; ++i) {
            w.AddCell(4500, QString::number(i));
            w.EndRow();
        }
        w.EndReport();
        Paper paper;
        const std::vector<LaidOutPage> pages = paper.layout(w);
        QVERIFY(pages.size() > 2);
        verifyTextsFit(pages, &paper.pdf);
        const LaidOutItem &first = pages[0].items[0];
        QVERIFY(first.text.endsWith(QChar(0x2026)));
        QCOMPARE(first.box.width(), 1000 * paper.pdf.logicalDpiX() / 1440.0);
        // Cells of a row stand side by side, never on each other.
        QCOMPARE(pages[0].items[1].box.left(), first.box.right());
        for (const LaidOutPage &p : pages)
            for (const LaidOutItem &item : p.items)
                QVERIFY(item.box.bottom() <= paper.size.height() + 0.01);
    }

    void oddBytesInANamePrintClean()
    {
        RadioModel m;
        loadSample(m, Language::English);
        QString odd = QStringLiteral("A");
        for (char16_t c : {char16_t(0x01), char16_t(0x1B), char16_t(0x7F), char16_t(0x9F), char16_t(0xFF),
                           char16_t(0xFFFD), char16_t(0xD800), char16_t(0xE000)})
            odd += QChar(c);
        m.channels().setName(1, odd);
        m.channels().setCell(1, col::Name, odd);
        ReportWriter w;
        PrintContent(m, w);
        QCOMPARE(w.tables()[0].rows[0][10], odd); // the data stay as they are
        const QString shown = drawableText(odd);
        QCOMPARE(shown, QStringLiteral("A") + QString(8, ' '));
        QCOMPARE(drawableText(QStringLiteral("Café 汉字 \U0001F600")), QStringLiteral("Café 汉字 \U0001F600"));
        Paper paper;
        bool found = false;
        for (const LaidOutPage &p : paper.layout(w))
            for (const LaidOutItem &item : p.items)
                found = found || item.text == shown.trimmed() || item.text == shown;
        QVERIFY(found);
        QVERIFY(drawReport(w, paper.pdf) > 0);
    }

    void previewWindow()
    {
        RadioModel m;
        loadSample(m, Language::English);
        QCoreApplication::setApplicationName("kt913");
        QCOMPARE(PrintPreview::captionFor(Language::Chinese), QStringLiteral("kt913打印预览"));
        PrintPreview preview(m);
        QCOMPARE(preview.windowTitle(), QStringLiteral("kt913 Print preview"));
        QToolBar *bar = preview.findChild<QToolBar *>();
        QVERIFY(bar);
        QVERIFY(bar->actions().contains(preview.exportAction()));
        QCOMPARE(preview.exportAction()->text(), QStringLiteral("Export to PDF"));

        QTemporaryDir dir;
        const QString path = dir.filePath("report.pdf");
        QString error;
        QVERIFY(preview.exportPdf(path, &error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        const QString nowhere = dir.filePath("missing/report.pdf");
        QVERIFY(!preview.exportPdf(nowhere, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(nowhere));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"report.pdf"});
    }
};

QTEST_MAIN(TstReport)
#include "tst_report.moc"
