// SPDX-License-Identifier: GPL-3.0-or-later
// A radio whose every setting differs from what "New" gives is read, then written back
// to a second radio: what the second radio ends up holding is exactly what was read.
// Every value travels the whole way: bytes, decoder, window stores, encoder, bytes.
#include "support/TestTime.h"
#include "RadioProcess.h"
#include "image/DatFile.h"
#include "image/FormDescriptions.h"
#include "image/ImageCodec.h"
#include "image/RadioModel.h"
#include "link/Transfer.h"
#include "support/SampleRadio.h"
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kt913;
using namespace kt913::test;
using Ending = Transfer::Ending;

namespace {

// Texts the boxes hold other than their New values, within the boxes' rules.
const QHash<QString, QString> kTexts{
    {"Text6", "12"},         {"Text2", "7"},       {"Text20", "146.52000"}, {"Text3", "438.50000"},
    {"Text21", "0.60000"},   {"Text4", "5.00000"}, {"Text31", "HI-73"},     {"Text1", "4321"},
};

// Hidden settings the memory does not give back: the call tone and the "allow cancel"
// box are never stored, and group A's scramble and companding bits are written from
// their hidden lists but never read. A radio holds them as the program writes them.
const QStringList kNotInMemory{"Check12", "Combo4", "Combo29", "Combo12"};

// Every optional feature off its New value: the next item of each list, the texts
// above, the check boxes the other way round.
void moveEverySetting(FormStore &s)
{
    for (const ControlDescription &c : s.description().controls) {
        if (kNotInMemory.contains(c.name))
            continue;
        switch (c.kind) {
        case ControlKind::List:
        case ControlKind::EditableList: {
            const int start = c.newValue.isNull() ? s.index(c.name) : c.newValue.toInt();
            s.setIndex(c.name, (qMax(0, start) + 1) % c.itemCount());
            break;
        }
        case ControlKind::Text:
            if (kTexts.contains(c.name))
                s.setText(c.name, kTexts[c.name], Language::Chinese);
            break;
        case ControlKind::Check: s.setChecked(c.name, !s.isChecked(c.name)); break;
        case ControlKind::Slider: break;
        }
    }
}

Ending run(Transfer &t, Transfer::Kind kind)
{
    QSignalSpy finished(&t, &Transfer::finished);
    kind == Transfer::Kind::Read ? t.startRead() : t.startWrite();
    if (!finished.wait(timeBound(30000)))
        return Ending(-1);
    return finished.first().at(0).value<Ending>();
}

} // namespace

class TestReadWriteRoundTrip : public QObject {
    Q_OBJECT
private slots:
    void whatIsReadIsWrittenBack()
    {
        QTemporaryDir dir;
        RadioModel source;
        fillSampleRadio(source);
        moveEverySetting(source.options());
        FmState fm = source.fm();
        fm.FmPresentChannel = 3;
        fm.FmDisplayMode = 1;
        fm.FmStep = 2;
        source.setFm(fm);
        for (int slider = 0; slider < map::kSliderCount; ++slider)
            if ((slider % 9) / 3 != 1) // the middle power grade is always written 0
                source.setDebugValue(slider, 100 + slider);
        EncodeImage(source);
        const Image radioMemory = source.outputImage();
        QVERIFY(writeDatFile(dir.filePath("first.dat"), radioMemory).ok());

        // Read the first radio.
        RadioModel model;
        Transfer transfer(model);
        RadioProcess first({"--image", dir.filePath("first.dat"), "--exit-with-parent"});
        QVERIFY(first.start());
        QVERIFY(transfer.openPort(first.devicePath()).ok());
        QCOMPARE(run(transfer, Transfer::Kind::Read), Ending::ReadFinished);
        QVERIFY(model.memoryImage() == radioMemory);

        // Nothing of the optional features is left at its New value after decoding,
        // apart from what the memory does not give back.
        RadioModel fresh;
        fresh.options().startForm();
        QStringList unchanged;
        for (const ControlDescription &c : model.options().description().controls)
            if (model.options().text(c.name, Language::Chinese) == fresh.options().text(c.name, Language::Chinese))
                unchanged << c.name;
        QCOMPARE(unchanged, kNotInMemory);

        // Write it to a second, empty radio, alignment values included.
        Image blank{};
        blank.fill(0xFF);
        QVERIFY(writeDatFile(dir.filePath("second.dat"), blank).ok());
        RadioProcess second({"--image", dir.filePath("second.dat"), "--save", dir.filePath("written.dat"),
                             "--exit-with-parent"});
        QVERIFY(second.start());
        QVERIFY(transfer.openPort(second.devicePath()).ok());
        model.setDebugUnlocked(true);
        QCOMPARE(run(transfer, Transfer::Kind::Write), Ending::WriteFinished);
        Image written{};
        QTRY_VERIFY(readDatFile(dir.filePath("written.dat"), written).ok());
        for (int a = 0; a < kImageSize; ++a)
            QVERIFY2(written[a] == radioMemory[a], qPrintable(QStringLiteral("address 0x%1").arg(a, 3, 16, QChar('0'))));
    }
};

QTEST_GUILESS_MAIN(TestReadWriteRoundTrip)
#include "tst_ReadWriteRoundTrip.moc"
