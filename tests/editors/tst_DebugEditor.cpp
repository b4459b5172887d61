// SPDX-License-Identifier: GPL-3.0-or-later
// The debug window driven as a service engineer drives it: sliders locked outside the
// debug mode, a slider moved with the keyboard, the value saved and written to a radio.
#include "editors/DtmfEditor.h"
#include "editors/DebugEditor.h"
#include "image/DatFile.h"
#include "image/ReadBackups.h"
#include "link/RadioProcess.h"
#include "link/Transfer.h"
#include "windows/TransferCommands.h"
#include "shell/FileCommands.h"
#include "shell/ShellTestKit.h"
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

struct Debug {
    MessageLog log;
    ShellUnderTest shell;
    MainWindow *w = nullptr;
    DebugEditor *f = nullptr;

    explicit Debug(const QString &port = QString())
    {
        w = &shell.start({}, port);
        f = w->debugEditor();
        w->action(QStringLiteral("MNDebug"))->trigger();
        QApplication::setActiveWindow(w);
    }
    QString label(int i) const { return findControl<QLabel *>(f, QStringLiteral("Label2(%1)").arg(i))->text(); }
    // Slider 1 (group A, high power, middle section) to `value` with the keyboard.
    void moveSlider1To(int value) const
    {
        QSlider *s = f->slider(1);
        s->setFocus();
        QTest::keyClick(s, Qt::Key_Home);
        for (int v = 0; v < value; v += 5)
            QTest::keyClick(s, Qt::Key_PageUp); // the large change is 5
    }
};

int byteAt(const QString &file, int address)
{
    Image image{};
    return readDatFile(file, image).ok() ? image[std::size_t(address)] : -1;
}

} // namespace

class TestDebugEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void layoutAndLocking()
    {
        Debug d;
        auto *tabs = findControl<QTabWidget *>(d.f, QStringLiteral("SSTab1"));
        QCOMPARE(tabs->count(), 2);
        for (int k = 0; k < 6; ++k) // the middle power frames are never shown
            QCOMPARE(findControl<QGroupBox *>(d.f, QStringLiteral("Frame1(%1)").arg(k))->isVisibleTo(d.f), k % 3 != 1 && k < 3);
        QCOMPARE(d.label(0), QStringLiteral("215"));
        QCOMPARE(d.label(4), QStringLiteral("208"));
        QCOMPARE(d.label(6), QStringLiteral("150"));
        QCOMPARE(d.f->slider(0)->tickInterval(), 15);
        for (int i = 0; i < 18; ++i)
            QVERIFY(!d.f->slider(i)->isEnabled());

        // Before any read, the alignment values are 0 whatever the sliders show.
        const QString file = d.shell.dir.filePath(QStringLiteral("start.dat"));
        QVERIFY(d.w->fileCommands().saveFile(file));
        for (int a : {0x7E0, 0x7E3, 0x7F0, 0x7F3, 0x7F8})
            QCOMPARE(byteAt(file, a), 0);

        d.w->model().setDebugUnlocked(true);
        for (int i = 0; i < 18; ++i)
            QVERIFY(d.f->slider(i)->isEnabled());
        // Locked again from the toolbar: every slider, not only the first six.
        d.w->model().setDebugUnlocked(false);
        for (int i = 0; i < 18; ++i)
            QVERIFY2(!d.f->slider(i)->isEnabled(), qPrintable(QString::number(i)));

        d.w->setLanguage(Language::English);
        QCOMPARE(tabs->tabText(1), QStringLiteral("B Channel"));
        QCOMPARE(findControl<QGroupBox *>(d.f, QStringLiteral("Frame1(2)"))->title(), QStringLiteral("Low Power Grades"));
        QCOMPARE(findControl<QLabel *>(d.f, QStringLiteral("Label1(4)"))->text(), QStringLiteral("Mid Sect"));
    }

    void aMovedSliderIsSavedAtItsAddress()
    {
        Debug d;
        d.w->model().setDebugUnlocked(true);
        d.moveSlider1To(200);
        QCOMPARE(d.f->slider(1)->value(), 200);
        QCOMPARE(d.label(1), QStringLiteral("200"));
        QCOMPARE(d.w->model().debugValues()[1], 200);
        const QString file = d.shell.dir.filePath(QStringLiteral("moved.dat"));
        QVERIFY(d.w->fileCommands().saveFile(file));
        QCOMPARE(byteAt(file, 0x7F0), 200);
        QCOMPARE(byteAt(file, 0x7F3), 0); // slider 0 was not moved

        // Opened again, the slider and its label show the value.
        d.w->model().setDebugValue(1, 7);
        QVERIFY(d.w->fileCommands().openFile(file));
        QCOMPARE(d.f->slider(1)->value(), 200);
        QCOMPARE(d.label(1), QStringLiteral("200"));
    }

    void aMovedSliderIsWrittenWithTheDebugBlocks()
    {
        QTemporaryDir dir;
        const QString written = dir.filePath(QStringLiteral("written.dat"));
        RadioProcess radio({QStringLiteral("--save"), written, QStringLiteral("--exit-with-parent")});
        QVERIFY(radio.start());
        Debug d(radio.devicePath());
        QVERIFY(d.w->transfer().port().isOpen());
        d.w->model().setDebugUnlocked(true);
        d.moveSlider1To(200);
        QSignalSpy ended(&d.w->transferCommands(), &TransferCommands::transferEnded);
        d.w->action(QStringLiteral("MNWrite"))->trigger();
        QVERIFY(ended.count() > 0 || ended.wait(20000));
        QCOMPARE(ended.first().first().value<Transfer::Ending>(), Transfer::Ending::WriteFinished);
        QTRY_COMPARE(byteAt(written, 0x7F0), 200);
    }

    // KT913_SCREENSHOT_DIR=folder saves the window in both languages, and the DTMF
    // window, which no menu reaches, beside it.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("KT913_SCREENSHOT_DIR is not set");
        Debug d;
        d.w->model().setDebugUnlocked(true);
        d.w->showChild(d.w->dtmfEditor());
        for (Language lang : {Language::Chinese, Language::English}) {
            d.w->setLanguage(lang);
            const QString suffix = lang == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
            QTest::qWait(20);
            d.f->parentWidget()->grab().save(dir + QStringLiteral("/form4-%1.png").arg(suffix));
            d.w->dtmfEditor()->parentWidget()->grab().save(dir + QStringLiteral("/form2-%1.png").arg(suffix));
        }
    }
};

QTEST_MAIN(TestDebugEditor)
#include "tst_DebugEditor.moc"
