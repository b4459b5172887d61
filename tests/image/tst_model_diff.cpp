// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison of two radios' contents covers every control of every window and
// every channel column, and names each by what the windows call it.
#include "image/ChannelEditRules.h"
#include "image/ImageCodec.h"
#include "image/ModelDiff.h"
#include "support/SampleRadio.h"
#include <QtTest>

using namespace kt913;

namespace {

// A value of `c` other than the one it has, as the window would let the user set it.
void changeControl(FormStore &s, const ControlDescription &c)
{
    switch (c.kind) {
    case ControlKind::List:
    case ControlKind::EditableList:
        s.setIndex(c.name, (qMax(0, s.index(c.name)) + 1) % c.itemCount());
        break;
    case ControlKind::Text: s.setText(c.name, s.text(c.name, Language::English) + QStringLiteral("9"), Language::English); break;
    case ControlKind::Check: s.setChecked(c.name, !s.isChecked(c.name)); break;
    case ControlKind::Slider: s.setValue(c.name, s.value(c.name) == c.maximum ? c.minimum : s.value(c.name) + 1); break;
    }
}

} // namespace

class TstModelDiff : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsComparedAndNamed_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("Chinese") << 0;
    }
    void everyControlIsComparedAndNamed()
    {
        QFETCH(int, language);
        const Language lang = Language(language);
        RadioModel a;
        a.setLanguage(lang);
        test::fillSampleRadio(a);
        QVERIFY(compareModels(a, a, lang).isEmpty());
        QCOMPARE(differenceSummary({}, lang), lang == Language::English ? QStringLiteral("Nothing differs") : QStringLiteral("没有不同"));
        using Store = FormStore &(RadioModel::*)();
        const Store stores[] = {&RadioModel::options, &RadioModel::dtmf, &RadioModel::fmForm, &RadioModel::debug};
        int controls = 0;
        for (auto store : stores) {
            for (const ControlDescription &c : (a.*store)().description().controls) {
                RadioModel b;
                b.setLanguage(lang);
                test::fillSampleRadio(b);
                changeControl((b.*store)(), c);
                const QList<ModelDifference> d = compareModels(a, b, lang);
                QVERIFY2(d.size() == 1, qPrintable(c.name));
                const QString caption = lang == Language::English ? c.captionEn : c.captionZh;
                QVERIFY2(caption.isEmpty() ? d[0].field == c.name : caption.startsWith(d[0].field), qPrintable(c.name + d[0].field));
                QVERIFY(d[0].before != d[0].after);
                ++controls;
            }
        }
        QVERIFY2(controls > 90, qPrintable(QString::number(controls)));
    }

    void channelsFmAndBandAreNamed()
    {
        RadioModel a, b;
        a.setLanguage(Language::English);
        b.setLanguage(Language::English);
        test::fillSampleRadio(a);
        test::fillSampleRadio(b);
        b.channels().setRow(3, commitName(b.channels().row(3), QStringLiteral("NEW")));
        b.channels().setRow(64, commitFrequency(b.channels().row(64), col::Rx, QStringLiteral("145.5"), b.band(), 0, b.language()).row);
        b.setFmGridCell(25, QStringLiteral("101.10"));
        b.selectBandQuietly(1);
        QStringList lines;
        for (const ModelDifference &d : compareModels(a, b, Language::English))
            lines << differenceLine(d, Language::English);
        QCOMPARE(lines.mid(0, 5), QStringList({"Main window, Range: A:136-174MHz B:400-470MHz -> A:136-174MHz B:470-520MHz",
                                               "A3 (3), Channel Name: SIMPLX -> NEW",
                                               "A64 (64), RX Fre: (empty) -> 145.50000",
                                               "A64 (64), TX Fre: (empty) -> 145.50000",
                                               "A64 (64), QT/DQT Dec: (empty) -> Off"}));
        QVERIFY(lines.contains("FM Channel Set, Channel 25: (empty) -> 101.10"));
    }
};

QTEST_GUILESS_MAIN(TstModelDiff)
#include "tst_model_diff.moc"
