// SPDX-License-Identifier: GPL-3.0-or-later
// The text box rules of the optional features, DTMF and FM windows without a window,
// and the hidden service-mode gesture.
#include "image/ChannelEditRules.h"
#include "image/FieldRules.h"
#include "image/RadioModel.h"
#include "image/ServiceModeGesture.h"
#include <QtTest>
#include <set>

using namespace kt913;

namespace {
BandState band(int index)
{
    RadioModel m;
    m.selectBandQuietly(index);
    return m.band();
}

QString typed(KeyFilter filter, int maxLength, const QString &before, const QString &after)
{
    return applyTypedEdit(before, after, filter, maxLength).text;
}

// Types `keys` one by one into an empty box, as a user would.
QString typeKeys(KeyFilter filter, int maxLength, const QString &keys)
{
    QString box;
    for (QChar k : keys)
        box = typed(filter, maxLength, box, box + k);
    return box;
}
} // namespace

Q_DECLARE_METATYPE(FmEntry::Outcome)

class TstFieldRules : public QObject {
    Q_OBJECT
private slots:
    // --- key filters and lengths ---
    void digitBoxes()
    {
        QCOMPARE(typeKeys(digitKey, kChannelNumberBoxLength, "0a7.-9"), QStringLiteral("079"));
        QCOMPARE(typeKeys(digitKey, kChannelNumberBoxLength, "1234"), QStringLiteral("123"));
        QCOMPARE(typeKeys(digitKey, kPasswordBoxLength, "12 3456"), QStringLiteral("1234"));
        QCOMPARE(typeKeys(digitKey, kPasswordBoxLength, QStringLiteral("١٢")), QString()); // other scripts' digits
    }

    void powerOnText()
    {
        auto box = [](const QString &keys) { return typeKeys(powerOnTextKey, kPowerOnTextBoxLength, keys); };
        QCOMPARE(box("abc-1"), QStringLiteral("ABC-1"));
        QCOMPARE(box("AB C"), QStringLiteral("ABC")); // a space is refused
        QCOMPARE(box("A@B"), QStringLiteral("AB"));   // so is an at sign
        QCOMPARE(box("*#z9"), QStringLiteral("*#Z9"));
        QCOMPARE(box("a.b_c+d"), QStringLiteral("ABCD"));
        QCOMPARE(box("abcdefg"), QStringLiteral("ABCDEF")); // a seventh cannot be typed
        QCOMPARE(box(QStringLiteral("é")), QString());
        // A pasted text passes the same filter.
        QCOMPARE(typed(powerOnTextKey, kPowerOnTextBoxLength, "", "hi there!"), QStringLiteral("HITHER"));
    }

    void dtmfCodes()
    {
        auto box = [](const QString &keys, int length = kDtmfCodeBoxLength) { return typeKeys(dtmfKey, length, keys); };
        QCOMPARE(box("abcd*#e1"), QStringLiteral("ABCD*#1"));
        QCOMPARE(box("EFZ-."), QString());
        QCOMPARE(box("0123456789ABCDEF*#"), QStringLiteral("0123456789ABCD*#"));
        const QString full = QStringLiteral("1234567890ABCD*#");
        QCOMPARE(full.size(), 16);
        QCOMPARE(box(full + "5"), full); // the 17th character is refused
        QCOMPARE(typed(dtmfKey, kDtmfCodeBoxLength, full, full + "5"), full);
        QCOMPARE(box("123456789", kDtmfOwnCodeBoxLength), QStringLiteral("12345678"));
    }

    // --- channel numbers ---
    void channelNumberWhileTyping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("65 at the second digit") << "65" << "64";
        QTest::newRow("64 stays") << "64" << "64";
        QTest::newRow("a leading zero and 65") << "065" << "64";
        QTest::newRow("999") << "999" << "64";
        QTest::newRow("a lone zero is not disturbed") << "0" << "0";
        QTest::newRow("leading zeros are kept while typing") << "007" << "007";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("6 on the way to 65") << "6" << "6";
    }
    void channelNumberWhileTyping()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(kt913::channelNumberWhileTyping(text), shown);
    }

    void channelNumberOnLeave_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("left");
        QTest::newRow("0 empties") << "0" << "";
        QTest::newRow("empty stays empty") << "" << "";
        QTest::newRow("000 empties") << "000" << "";
        QTest::newRow("007 is 7") << "007" << "7";
        QTest::newRow("1") << "1" << "1";
        QTest::newRow("064") << "064" << "64";
        QTest::newRow("a decimal keeps its integer part") << "12.9" << "12";
        QTest::newRow("a fraction below 1 empties") << "0.9" << "";
        QTest::newRow("leading number of junk") << "5x" << "5";
        QTest::newRow("no number at all") << "x5" << "";
        QTest::newRow("above 64 from elsewhere") << "200" << "64";
    }
    void channelNumberOnLeave()
    {
        QFETCH(QString, text);
        QFETCH(QString, left);
        QCOMPARE(kt913::channelNumberOnLeave(text), left);
    }

    // --- VFO frequency and offset ---
    void vfoFrequency_data()
    {
        QTest::addColumn<int>("bandIndex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("left");
        QTest::newRow("snapped onto the raster") << 0 << "145.12345" << "145.12000";
        QTest::newRow("6.25 kHz point stays") << 0 << "145.00625" << "145.00625";
        QTest::newRow("upper limit excluded") << 0 << "174" << "136.00000";
        QTest::newRow("just below the upper limit") << 0 << "173.99999" << "173.99500";
        QTest::newRow("lower limit included") << 0 << "136" << "136.00000";
        QTest::newRow("below the lower limit") << 0 << "135.99999" << "136.00000";
        QTest::newRow("group B's band in VFO A") << 0 << "435" << "435.00000";
        QTest::newRow("second upper limit excluded") << 0 << "470" << "136.00000";
        QTest::newRow("second band of band 1") << 1 << "470" << "470.00000";
        QTest::newRow("band 2 below its range") << 2 << "143.5" << "136.00000";
        QTest::newRow("band 2 between its ranges") << 2 << "200" << "136.00000";
        QTest::newRow("band 2 inside") << 2 << "146.01100" << "146.01000";
        QTest::newRow("band 3 second range") << 3 << "247.5" << "247.50000";
        QTest::newRow("empty counts as 0") << 0 << "" << "136.00000";
        QTest::newRow("a lone point counts as 0") << 0 << "." << "136.00000";
        QTest::newRow("two points: the leading number") << 0 << "145.5.1" << "145.50000";
        QTest::newRow("short text") << 0 << "150.1" << "150.10000";
        // Rounding to five decimals may not carry a text onto the excluded limit.
        QTest::newRow("rounds up onto the limit") << 0 << "173.999996" << "136.00000";
    }
    void vfoFrequency()
    {
        QFETCH(int, bandIndex);
        QFETCH(QString, text);
        QFETCH(QString, left);
        QCOMPARE(vfoFrequencyOnLeave(text, band(bandIndex)), left);
    }

    void offset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("left");
        QTest::newRow("above the highest") << "123.456" << "99.99500";
        QTest::newRow("the highest itself") << "99.995" << "99.99500";
        QTest::newRow("just above") << "99.9951" << "99.99500";
        QTest::newRow("just below is snapped") << "99.9949" << "99.99375";
        QTest::newRow("no leading zeros") << "5" << "5.00000";
        QTest::newRow("leading zeros go") << "005.6" << "5.60000";
        QTest::newRow("snapped to 5 kHz") << "0.6012" << "0.60000";
        QTest::newRow("6.25 kHz point stays") << "7.60625" << "7.60625";
        QTest::newRow("empty") << "" << "0.00000";
        QTest::newRow("junk") << "abc" << "0.00000";
        QTest::newRow("negative from elsewhere") << "-5" << "0.00000";
    }
    void offset()
    {
        QFETCH(QString, text);
        QFETCH(QString, left);
        QCOMPARE(offsetOnLeave(text), left);
    }

    // --- FM frequencies ---
    void fmFrequency_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FmEntry::Outcome>("outcome");
        QTest::addColumn<QString>("shown");
        QTest::newRow("87") << "87" << FmEntry::Accepted << "87.00";
        QTest::newRow("98.5") << "98.5" << FmEntry::Accepted << "98.50";
        QTest::newRow("107.9") << "107.9" << FmEntry::Accepted << "107.90";
        QTest::newRow("107.90") << "107.90" << FmEntry::Accepted << "107.90";
        QTest::newRow("98.12 down") << "98.12" << FmEntry::Accepted << "98.10";
        QTest::newRow("98.17 to 5") << "98.17" << FmEntry::Accepted << "98.15";
        QTest::newRow("trailing point") << "100." << FmEntry::Accepted << "100.00";
        QTest::newRow("86.9") << "86.9" << FmEntry::OutOfRange << "";
        QTest::newRow("86.99") << "86.99" << FmEntry::OutOfRange << "";
        QTest::newRow("108") << "108" << FmEntry::OutOfRange << "";
        QTest::newRow("107.95") << "107.95" << FmEntry::OutOfRange << "";
        QTest::newRow("107.91") << "107.91" << FmEntry::OutOfRange << "";
        QTest::newRow("0") << "0" << FmEntry::OutOfRange << "";
        QTest::newRow("two points") << "1..2" << FmEntry::NotANumber << "";
        QTest::newRow("98.1.5") << "98.1.5" << FmEntry::NotANumber << "";
        QTest::newRow("a lone point") << "." << FmEntry::NotANumber << "";
        QTest::newRow("empty") << "" << FmEntry::Empty << "";
    }
    void fmFrequency()
    {
        QFETCH(QString, text);
        QFETCH(FmEntry::Outcome, outcome);
        QFETCH(QString, shown);
        const FmEntry e = fmFrequencyOnLeave(text);
        QCOMPARE(e.outcome, outcome);
        QCOMPARE(e.text, shown);
    }

    void presentChannel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<int>("channel");
        QTest::newRow("16") << "16" << true << 16;
        QTest::newRow("1") << "1" << true << 1;
        QTest::newRow("25") << "25" << true << 25;
        QTest::newRow("outside 1..25 passes: 0") << "0" << true << 0;
        QTest::newRow("outside 1..25 passes: 40") << "40" << true << 40;
        QTest::newRow("negative passes") << "-3" << true << -3;
        QTest::newRow("blanks around") << " 7 " << true << 7;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("a decimal rounds") << "3.7" << true << 4;
        QTest::newRow("a half goes to even (down)") << "16.5" << true << 16;
        QTest::newRow("a half goes to even (up)") << "17.5" << true << 18;
        QTest::newRow("16 bits: highest") << "32767" << true << 32767;
        QTest::newRow("16 bits: lowest") << "-32768" << true << -32768;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("x") << "x" << false << 0;
        QTest::newRow("number then junk") << "12x" << false << 0;
        QTest::newRow("two points") << "1..2" << false << 0;
        QTest::newRow("beyond 16 bits") << "32768" << false << 0;
        QTest::newRow("rounds beyond 16 bits") << "32767.5" << false << 0;
        QTest::newRow("far beyond 16 bits") << "123456789012345678901" << false << 0;
    }
    void presentChannel()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(int, channel);
        const std::optional<qint16> c = presentChannelFromText(text);
        QCOMPARE(c.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(int(*c), channel);
    }

    // --- the service-mode gesture ---
    void labelSetsAreDisjointOfThree()
    {
        std::set<QString> all;
        for (const GestureLabels *set : {&kForceWriteLabels, &kDebugLabels})
            for (const char *l : *set)
                all.insert(QString::fromLatin1(l));
        QCOMPARE(int(all.size()), 6);
    }

    void threeClicksInTimeSwitchOn()
    {
        ServiceModeGesture g(kForceWriteLabels);
        QCOMPARE(g.click(kForceWriteLabels[1], 1000), GestureResult::Counting);
        QCOMPARE(g.click(kForceWriteLabels[0], 1003), GestureResult::Counting);
        QVERIFY(!g.allSet());
        QCOMPARE(g.click(kForceWriteLabels[2], 1005), GestureResult::On); // 5 s is still in time
        QVERIFY(g.allSet());
        // While all three are set, a further click in the window applies the effect again.
        QCOMPARE(g.click(kForceWriteLabels[0], 1005), GestureResult::On);
    }

    void repeatedClicksOnOneLabelDoNotCount()
    {
        ServiceModeGesture g(kDebugLabels);
        for (int t = 0; t < 4; ++t)
            QCOMPARE(g.click(kDebugLabels[0], 500 + t), GestureResult::Counting);
        QCOMPARE(g.click(kDebugLabels[1], 504), GestureResult::Counting);
        QVERIFY(!g.allSet());
    }

    void aLateThirdClickStartsOver()
    {
        ServiceModeGesture g(kForceWriteLabels);
        g.click(kForceWriteLabels[0], 1000);
        g.click(kForceWriteLabels[1], 1002);
        QCOMPARE(g.click(kForceWriteLabels[2], 1006), GestureResult::Restarted);
        QVERIFY(!g.allSet());
        // The new attempt began with that click at 1006: the other two must follow it.
        QCOMPARE(g.click(kForceWriteLabels[0], 1008), GestureResult::Counting);
        QCOMPARE(g.click(kForceWriteLabels[1], 1011), GestureResult::On);
    }

    void theModeIsNotReappliedOutsideTheWindow()
    {
        ServiceModeGesture g(kDebugLabels);
        g.click(kDebugLabels[0], 10);
        g.click(kDebugLabels[1], 11);
        QCOMPARE(g.click(kDebugLabels[2], 12), GestureResult::On);
        QCOMPARE(g.click(kDebugLabels[1], 20), GestureResult::Restarted);
        QVERIFY(!g.allSet());
    }

    void otherLabelsAreNotMine()
    {
        ServiceModeGesture force(kForceWriteLabels), debug(kDebugLabels);
        force.click(kForceWriteLabels[0], 100);
        force.click(kForceWriteLabels[1], 101);
        // The other mode's label, an unrelated label and a near-miss name leave it alone.
        for (const QString &l : {QString::fromLatin1(kDebugLabels[0]), QStringLiteral("Label1"),
                                 QStringLiteral("label20"), QString()})
            QCOMPARE(force.click(l, 102), GestureResult::NotMine);
        QCOMPARE(force.click(kForceWriteLabels[2], 103), GestureResult::On);
        QCOMPARE(debug.click(kForceWriteLabels[0], 103), GestureResult::NotMine);
        QVERIFY(!debug.allSet());
    }

    void acrossMidnight()
    {
        ServiceModeGesture g(kDebugLabels);
        QCOMPARE(g.click(kDebugLabels[0], 86398), GestureResult::Counting);
        QCOMPARE(g.click(kDebugLabels[1], 86399), GestureResult::Counting);
        QCOMPARE(g.click(kDebugLabels[2], 2), GestureResult::On);

        // An attempt left unfinished before midnight is stale long after it.
        ServiceModeGesture late(kDebugLabels);
        late.click(kDebugLabels[0], 86390);
        late.click(kDebugLabels[1], 86391);
        QCOMPARE(late.click(kDebugLabels[2], 100), GestureResult::Restarted);
        QVERIFY(!late.allSet());
        // Just too late across midnight: 86398 to 4 is 6 seconds.
        ServiceModeGesture six(kDebugLabels);
        six.click(kDebugLabels[0], 86398);
        six.click(kDebugLabels[1], 86399);
        QCOMPARE(six.click(kDebugLabels[2], 4), GestureResult::Restarted);
    }

    void clearStartsOver()
    {
        ServiceModeGesture g(kForceWriteLabels);
        g.click(kForceWriteLabels[0], 200);
        g.click(kForceWriteLabels[1], 201);
        g.click(kForceWriteLabels[2], 202);
        QVERIFY(g.allSet());
        g.clear();
        QVERIFY(!g.allSet());
        // The first click after clear() begins a new attempt, even long after the old one.
        QCOMPARE(g.click(kForceWriteLabels[2], 5000), GestureResult::Counting);
        QCOMPARE(g.click(kForceWriteLabels[0], 5004), GestureResult::Counting);
        QCOMPARE(g.click(kForceWriteLabels[1], 5005), GestureResult::On);
    }
};

QTEST_GUILESS_MAIN(TstFieldRules)
#include "tst_field_rules.moc"
