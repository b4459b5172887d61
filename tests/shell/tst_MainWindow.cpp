// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the user meets it: start-up state, language, band list, file
// commands, port choice, child windows, lock buttons, about window and quitting.
#include "widgets/AppIcon.h"
#include "ShellTestKit.h"
#include "editors/ChannelEditor.h"
#include "editors/DtmfEditor.h"
#include "editors/OptionalFeaturesEditor.h"
#include "editors/DebugEditor.h"
#include "editors/FmEditor.h"
#include "windows/TransferCommands.h"
#include "image/DatFile.h"
#include "image/ImageCodec.h"
#include "link/Transfer.h"
#include "shell/CaptionRegistry.h"
#include "shell/FileCommands.h"
#include "shell/AboutWindow.h"
#include "shell/PortPathDialog.h"
#include "editors/ChannelGrid.h"
#include "windows/ProgressWindow.h"
#include "windows/ProgressWindowCaptions.h"
#include <QProgressBar>
#include "widgets/Twips.h"
#include "support/SampleRadio.h"
#include <QAbstractItemView>
#include <QAction>
#include <QMdiArea>
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QSerialPort>
#include <QtTest>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace kt913;
using namespace kt913::test;

namespace {

QWidget *frameOf(QWidget *form)
{
    return form->parentWidget();
}

void sendWheel(QWidget *w, int delta)
{
    const QPointF pos(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(pos, w->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

QWidget *toolButton(MainWindow &w, const char *key)
{
    return findControl<QToolBar *>(&w, QStringLiteral("Toolbar1"))->widgetForAction(w.action(QString::fromLatin1(key)));
}

// Every text a named object shows, to compare two moments.
QMap<QString, QString> allTexts(QWidget *root)
{
    QMap<QString, QString> texts;
    const auto objects = root->findChildren<QObject *>();
    for (QObject *o : objects) {
        if (o->objectName().isEmpty())
            continue;
        const QString key = o->metaObject()->className() + QLatin1Char(':') + o->objectName();
        if (auto *a = qobject_cast<QAction *>(o))
            texts[key] = a->text() + QLatin1Char('|') + a->toolTip();
        else if (auto *m = qobject_cast<QMenu *>(o))
            texts[key] = m->title();
        else if (auto *l = qobject_cast<QLabel *>(o))
            texts[key] = l->text();
        else if (auto *c = qobject_cast<QComboBox *>(o))
            for (int i = 0; i < c->count(); ++i)
                texts[key] += c->itemText(i) + QLatin1Char('|');
        else if (auto *w = qobject_cast<QWidget *>(o))
            texts[key] = w->windowTitle();
    }
    texts[QStringLiteral("window")] = root->windowTitle();
    return texts;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void startUpState();
    void everyCaptionFindsItsControl();
    void storedEnglishStartsInEnglish();
    void sessionLanguageLeavesTheStoredOne();
    void languageSwitchRoundTrip();

    void bandListIgnoresTheWheel();
    void bandChangeAnsweredCancelKeepsTheChannels();
    void bandChangeAnsweredOkClearsTheChannels();

    void openOfAWrongFile();
    void saveThenOpenGivesTheSameImage();
    void cancelledDialogsDoNothing();
    void failedOpenAndSaveSaySo();
    void dialogsStartInTheFolderLastUsed();
    void newAnsweredCancelChangesNothing();
    void newAnsweredOkResetsAndShowsTheChannelEditor();

    void missingPortAtStartUp();
    void busyPortIsRefused();
    void portListShownByTheMenu();

    void childWindowsHideInsteadOfClosing();
    void printShowsThePreviewOfTheReport();
    void screenshotsOfTheSmallWindows();
    void lockButtonsNeedADoubleClickWithinASecond();
    void toolbarTooltipsAreTheirCaptions();
    void aboutWindow();

    void quitAnsweredCancelKeepsEverything();
    void quitStoresTheLanguage();
};

void TestMainWindow::startUpState()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QCOMPARE(w.objectName(), QStringLiteral("MDIForm1"));
    QCOMPARE(w.windowTitle(), QStringLiteral("KT-913 对讲机编程软件"));
    QVERIFY(log.requests.isEmpty());

    const QStringList menus{"MNFile", "MNEdit", "MNProgram", "MNLanguage", "MNHelp"};
    QStringList barMenus;
    for (QAction *a : w.menuBar()->actions())
        barMenus << a->menu()->objectName();
    QCOMPARE(barMenus, menus);

    const QList<QPair<const char *, QKeySequence>> shortcuts{
        {"MNNew", QKeySequence("Ctrl+N")},  {"MNOpen", QKeySequence("Ctrl+O")},   {"MNSave", QKeySequence("Ctrl+S")},
        {"MNPrint", QKeySequence()},        {"MNQuit", QKeySequence()},           {"MNModel", QKeySequence("Ctrl+M")},
        {"MNDTMF", QKeySequence("Ctrl+D")}, {"MNOption", QKeySequence("Ctrl+P")}, {"MNDebug", QKeySequence("Ctrl+B")},
        {"MNFMset", QKeySequence("Ctrl+F")}, {"MNRead", QKeySequence("Ctrl+R")},  {"MNWrite", QKeySequence("Ctrl+W")},
        {"MNCommPort", QKeySequence()},     {"MNChinese", QKeySequence()},        {"MNEnglish", QKeySequence()},
        {"MNF1", QKeySequence("F1")},       {"MNAbout", QKeySequence("Ctrl+A")},
    };
    for (const auto &[name, keys] : shortcuts) {
        QAction *a = w.action(QString::fromLatin1(name));
        QVERIFY2(a, name);
        QCOMPARE(a->shortcut(), keys);
        QCOMPARE(a->isEnabled(), qstrcmp(name, "MNDTMF") != 0 && qstrcmp(name, "MNF1") != 0);
    }
    QCOMPARE(w.action(QStringLiteral("MNRead"))->text(), QStringLiteral("读频(&R)"));

    auto *toolbar = findControl<QToolBar *>(&w, QStringLiteral("Toolbar1"));
    QVERIFY(toolbar);
    QStringList keys;
    for (QAction *a : toolbar->actions()) {
        const QString key = toolbar->widgetForAction(a) ? toolbar->widgetForAction(a)->objectName() : QString();
        if (a->isSeparator())
            keys << QStringLiteral("|");
        else if (key.startsWith(QLatin1Char('T')))
            keys << key;
    }
    QCOMPARE(keys.mid(0, 10), (QStringList{"TNew", "TOpen", "TSave", "|", "TRead", "TWrite", "TAnMa", "TDebug",
                                           "TFMMa", "|"}));
    // A button and the menu item of the same command are one action: switched off
    // together (as a transfer does), both are off.
    for (const auto &[key, item] : {std::pair{"TNew", "MNNew"}, {"TOpen", "MNOpen"}, {"TSave", "MNSave"},
                                    {"TRead", "MNRead"}, {"TWrite", "MNWrite"}})
        QVERIFY2(w.action(QString::fromLatin1(key)) == w.action(QString::fromLatin1(item)), key);
    w.action(QStringLiteral("MNWrite"))->setEnabled(false);
    QVERIFY(!toolButton(w, "TWrite")->isEnabled());
    w.action(QStringLiteral("MNWrite"))->setEnabled(true);
    QCOMPARE(toolButton(w, "TWrite")->toolTip(), QStringLiteral("写频")); // still the caption after the change
    for (const char *key : {"TNew", "TOpen", "TSave", "TRead", "TWrite", "TAnMa", "TDebug", "TFMMa"}) {
        QAction *a = w.action(QString::fromLatin1(key));
        QVERIFY2(!a->icon().isNull(), key);
        const bool shown = QByteArray("TAnMa TDebug TFMMa").indexOf(key) < 0;
        QCOMPARE(a->isVisible(), shown);
    }
    QCOMPARE(w.action(QStringLiteral("TRead"))->toolTip(), QStringLiteral("读频"));

    auto *status = findControl<QStatusBar *>(&w, QStringLiteral("StatusBar1"));
    QVERIFY(status);
    QCOMPARE(status->findChild<QLabel *>(QStringLiteral("Panel1"))->text(), QStringLiteral("COM: "));
    QVERIFY(!status->findChild<QLabel *>(QStringLiteral("Panel2"))->text().isEmpty());
    QVERIFY(!status->findChild<QLabel *>(QStringLiteral("Panel3"))->text().isEmpty());
    QVERIFY(!status->findChild<QLabel *>(QStringLiteral("Panel4"))->text().isEmpty());

    auto *combo1 = findControl<QComboBox *>(&w, QStringLiteral("Combo1"));
    QCOMPARE(combo1->count(), 4);
    QCOMPARE(combo1->currentIndex(), 0);
    QCOMPARE(combo1->itemText(3), QStringLiteral("A:136-174MHz B:245-250MHz"));
    QCOMPARE(findControl<QLabel *>(&w, QStringLiteral("Label1"))->text(), QStringLiteral("频段:"));
    QCOMPARE(w.model().band().BandIndex, 0);
    QCOMPARE(w.model().band().BandGroup, 1);
    auto *comboCom = findControl<QComboBox *>(&w, QStringLiteral("ComboCom"));
    QVERIFY(comboCom && !comboCom->isVisible());
    QCOMPARE(comboCom->x(), twips(2475));
    QCOMPARE(comboCom->width(), twips(1185));

    QVERIFY(w.channelEditor()->isVisible());
    QVERIFY(frameOf(w.channelEditor())->isVisible());
    QCOMPARE(w.channelEditor()->windowTitle(), QStringLiteral("信道编辑"));
    for (QWidget *form : {static_cast<QWidget *>(w.dtmfEditor()), static_cast<QWidget *>(w.optionalFeaturesEditor()),
                          static_cast<QWidget *>(w.debugEditor()), static_cast<QWidget *>(w.fmEditor())})
        QVERIFY2(!frameOf(form)->isVisible(), qPrintable(form->objectName()));
    QCOMPARE(w.optionalFeaturesEditor()->windowTitle(), QStringLiteral("可选功能"));

    // The clock panels keep time.
    QVERIFY(findControl<QTimer *>(&w, QStringLiteral("StatusClock"))->isActive());
    QVERIFY(!w.transferCommands().timer1().isActive());
    QCOMPARE(w.transferCommands().timer1().interval(), 100);
}

void TestMainWindow::everyCaptionFindsItsControl()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    QMap<QString, QWidget *> windows;
    windows["MDIForm1"] = &w;
    windows["Form1"] = w.channelEditor();
    windows["Form2"] = w.dtmfEditor();
    windows["Form3"] = w.optionalFeaturesEditor();
    windows["Form4"] = w.debugEditor();
    windows["Form5"] = w.fmEditor();
    windows["FrmAbout"] = w.aboutWindow();
    int visited = 0;
    for (const CaptionTable *table : captionTables()) {
        QWidget *window = windows.value(QString::fromLatin1(table->window));
        if (!window)
            continue; // the progress window exists only during a transfer
        ++visited;
        QVERIFY2(applyCaptionTable(window, *table, Language::English) == 0, table->window);
        QVERIFY2(applyCaptionTable(window, *table, Language::Chinese) == 0, table->window);
    }
    QCOMPARE(visited, 7);
}

void TestMainWindow::storedEnglishStartsInEnglish()
{
    MessageLog log;
    ShellUnderTest s;
    storeLanguage(*std::make_unique<IniSettingStore>(s.settingsPath()), Language::English);
    MainWindow &w = s.start();
    QCOMPARE(w.model().language(), Language::English);
    QCOMPARE(w.windowTitle(), QStringLiteral("KT-913 Radio Programming Software"));
    QCOMPARE(w.action(QStringLiteral("MNRead"))->text(), QStringLiteral("Read Data from the Transceive(&R)"));
    QCOMPARE(findControl<QMenu *>(&w, QStringLiteral("MNHelp"))->title(), QStringLiteral("Help(&H)"));
    QCOMPARE(findControl<QComboBox *>(&w, QStringLiteral("ComboCom"))->x(), twips(3475));
    QCOMPARE(w.channelEditor()->windowTitle(), QStringLiteral("Channel Edit"));
    QCOMPARE(w.aboutWindow()->lblVersion->text(), QStringLiteral("English edition V2.20"));
}

void TestMainWindow::sessionLanguageLeavesTheStoredOne()
{
    MessageLog log;
    ShellUnderTest s;
    storeLanguage(*std::make_unique<IniSettingStore>(s.settingsPath()), Language::English);
    s.sessionLanguage = Language::Chinese;
    MainWindow &w = s.start();
    QCOMPARE(w.model().language(), Language::Chinese);
    QCOMPARE(w.channelEditor()->windowTitle(), QStringLiteral("信道编辑"));
    QVERIFY(w.close());
    QCOMPARE(readLanguage(*std::make_unique<IniSettingStore>(s.settingsPath())), Language::English);
}

void TestMainWindow::languageSwitchRoundTrip()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    fillSampleRadio(w.model());
    const QMap<QString, QString> chinese = allTexts(&w);
    const auto channelsBefore = w.model().channels().cells();

    w.action(QStringLiteral("MNEnglish"))->trigger();
    QCOMPARE(w.model().language(), Language::English);
    QCOMPARE(w.windowTitle(), QStringLiteral("KT-913 Radio Programming Software"));
    QCOMPARE(w.action(QStringLiteral("TWrite"))->toolTip(), QStringLiteral("Write Data in the Transceive"));
    QCOMPARE(findControl<QLabel *>(&w, QStringLiteral("Label1"))->text(), QStringLiteral("Range:"));
    QCOMPARE(findControl<QLabel *>(&w, QStringLiteral("Panel2"))->text(), QStringLiteral("The kt913 project · free software"));
    QCOMPARE(w.model().channels().cell(1, col::RxTone), QStringLiteral("Off")); // grid texts follow
    QVERIFY(allTexts(&w) != chinese);

    w.action(QStringLiteral("MNChinese"))->trigger();
    QCOMPARE(allTexts(&w), chinese);
    QCOMPARE(w.model().channels().cells(), channelsBefore);
    QVERIFY(log.requests.isEmpty());
}

void TestMainWindow::bandListIgnoresTheWheel()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    auto *combo1 = findControl<QComboBox *>(&w, QStringLiteral("Combo1"));
    combo1->setFocus();
    sendWheel(combo1, -120);
    sendWheel(combo1, -120);
    QCOMPARE(combo1->currentIndex(), 0);
    QVERIFY(log.requests.isEmpty());
}

void TestMainWindow::bandChangeAnsweredCancelKeepsTheChannels()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    fillSampleRadio(w.model());
    auto *combo1 = findControl<QComboBox *>(&w, QStringLiteral("Combo1"));
    log.answers = {mbResult::Cancel};
    combo1->setFocus();
    QTest::keyClick(combo1, Qt::Key_Down);

    QCOMPARE(combo1->currentIndex(), 1);
    QCOMPARE(log.requests.size(), 1);
    QCOMPARE(log.requests[0].prompt, QStringLiteral("改变频段将清除频道列表，确定吗？"));
    QCOMPARE(log.requests[0].title, QStringLiteral("注意！"));
    QCOMPARE(log.requests[0].flags, 0x1121);
    QVERIFY(w.model().channels().isUsed(1));
    // The new band is in force even so.
    QCOMPARE(w.model().band().BandIndex, 1);
    QCOMPARE(w.model().bandSelection(), 1);
    QCOMPARE(w.model().band().BandHigh2, 520);

    // Back to where it was: asked again, since the accepted band is now 1.
    log.answers = {mbResult::Cancel};
    QTest::keyClick(combo1, Qt::Key_Up);
    QCOMPARE(log.requests.size(), 2);
    QCOMPARE(w.model().band().BandIndex, 0);
}

void TestMainWindow::bandChangeAnsweredOkClearsTheChannels()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    fillSampleRadio(w.model());
    auto *combo1 = findControl<QComboBox *>(&w, QStringLiteral("Combo1"));
    QSignalSpy cleared(&w.model(), &RadioModel::channelsChanged);
    combo1->setFocus();
    QTest::keyClick(combo1, Qt::Key_End);
    QCOMPARE(combo1->currentIndex(), 3);
    QCOMPARE(log.requests.size(), 1);
    for (int n = 1; n <= 128; ++n)
        QVERIFY(!w.model().channels().isUsed(n));
    QVERIFY(cleared.count() >= 1);
    QCOMPARE(w.model().band().BandIndex, 3);
    QCOMPARE(w.model().band().BandLow2, 245);

    // A band chosen by decoding comes in without a question.
    log.clear();
    w.model().selectBandQuietly(2);
    QCOMPARE(combo1->currentIndex(), 2);
    QVERIFY(log.requests.isEmpty());
}

void TestMainWindow::openOfAWrongFile()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    w.action(QStringLiteral("MNEnglish"))->trigger();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // A file that starts with the radio's identifier rather than the file's.
    const QString path = s.dir.filePath(QStringLiteral("radio.dat"));
    QByteArray bytes = toDatBytes(filledImage(0x55));
    bytes.replace(0, 6, "HXP417");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    const Image before = w.model().memoryImage();
    s.dialogs.openAnswer = path;
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(s.dialogs.opened, 1);
    QCOMPARE(s.dialogs.lastFilters, (QStringList{"DAT Files (*.dat)", "All Files (*)"})); // in the program's language
    QCOMPARE(log.requests.size(), 1);
    QCOMPARE(log.requests[0].prompt, QStringLiteral("File type is incorrect!"));
    QCOMPARE(log.requests[0].title, QStringLiteral("Mistake"));
    QCOMPARE(log.requests[0].flags, 16);
    QVERIFY(w.model().memoryImage() == before);

    // The file's own identifier on a file cut short: the type is right, the file is not.
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(toDatBytes(filledImage(0x55)).left(kDatFileSize - 100));
    f.close();
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(log.requests.size(), 2);
    QCOMPARE(log.requests[1].prompt, QStringLiteral("File is incomplete!"));
    QCOMPARE(log.requests[1].flags, 16);
    QVERIFY(w.model().memoryImage() == before);
}

void TestMainWindow::saveThenOpenGivesTheSameImage()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    fillSampleRadio(w.model());

    const QString first = s.dir.filePath(QStringLiteral("first.dat"));
    s.dialogs.saveAnswer = first;
    QTest::mouseClick(toolButton(w, "TSave"), Qt::LeftButton);
    const QByteArray saved = fileBytes(first);
    QCOMPARE(saved.size(), kDatFileSize);
    QCOMPARE(saved.left(6), QByteArray("HXW417"));

    // A fresh start, then the file back.
    log.answers = {mbResult::Ok};
    w.action(QStringLiteral("MNNew"))->trigger();
    QVERIFY(!w.model().channels().isUsed(1));
    frameOf(w.channelEditor())->close();
    s.dialogs.openAnswer = first;
    QTest::mouseClick(toolButton(w, "TOpen"), Qt::LeftButton);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(w.model().memoryImage().data()), kImageSize), saved.mid(48));
    QVERIFY(w.model().channels().isUsed(1));
    QVERIFY(frameOf(w.channelEditor())->isVisible()); // the channel editor comes up with the file

    // A name typed without an extension is saved as a .dat file that Open finds.
    s.dialogs.saveAnswer = s.dir.filePath(QStringLiteral("second"));
    w.action(QStringLiteral("MNSave"))->trigger();
    QCOMPARE(fileBytes(s.dir.filePath(QStringLiteral("second.dat"))), saved);
    QVERIFY(!QFile::exists(s.dir.filePath(QStringLiteral("second"))));
    QCOMPARE(log.requests.size(), 1); // only the New question
}

void TestMainWindow::cancelledDialogsDoNothing()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    fillSampleRadio(w.model());
    const Image output = w.model().outputImage();
    const Image memory = w.model().memoryImage();
    w.action(QStringLiteral("MNSave"))->trigger();
    w.action(QStringLiteral("MNOpen"))->trigger();
    QCOMPARE(s.dialogs.saved, 1);
    QCOMPARE(s.dialogs.opened, 1);
    QVERIFY(w.model().outputImage() == output); // no encoding without a file name
    QVERIFY(w.model().memoryImage() == memory);
    QVERIFY(log.requests.isEmpty());
}

void TestMainWindow::failedOpenAndSaveSaySo()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    w.setLanguage(Language::English);

    s.dialogs.saveAnswer = s.dir.filePath(QStringLiteral("no-such-folder/x.dat"));
    w.action(QStringLiteral("MNSave"))->trigger();
    QCOMPARE(log.requests.size(), 1);
    QVERIFY2(log.requests[0].prompt.startsWith(QStringLiteral("The file cannot be saved: ")), qPrintable(log.requests[0].prompt));
    QVERIFY(log.requests[0].prompt.contains(QStringLiteral("x.dat")));
    QCOMPARE(log.requests[0].flags, 16);

    s.dialogs.openAnswer = s.dir.filePath(QStringLiteral("missing.dat"));
    w.action(QStringLiteral("MNOpen"))->trigger();
    QCOMPARE(log.requests.size(), 2);
    QVERIFY(log.requests[1].prompt.startsWith(QStringLiteral("The file cannot be opened: ")));
    QCOMPARE(log.requests[1].title, QStringLiteral("Mistake"));
}

void TestMainWindow::dialogsStartInTheFolderLastUsed()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    w.action(QStringLiteral("MNOpen"))->trigger();
    QVERIFY(s.dialogs.lastFolder == documents || s.dialogs.lastFolder == QDir::homePath());
    QVERIFY(s.dialogs.lastFolder != QCoreApplication::applicationDirPath());
    QCOMPARE(s.dialogs.lastFilters, (QStringList{"DAT文件 (*.dat)", "AllFiles (*)"}));

    QVERIFY(QDir(s.dir.path()).mkdir(QStringLiteral("radios")));
    s.dialogs.saveAnswer = s.dir.filePath(QStringLiteral("radios/a.dat"));
    w.action(QStringLiteral("MNSave"))->trigger();
    s.dialogs.saveAnswer.clear();
    w.action(QStringLiteral("MNOpen"))->trigger();
    QCOMPARE(s.dialogs.lastFolder, s.dir.filePath(QStringLiteral("radios")));
}

void TestMainWindow::newAnsweredCancelChangesNothing()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    fillSampleRadio(w.model());
    w.model().dtmf().startForm();
    const auto cells = w.model().channels().cells();
    const QString optionText = w.model().options().text(QStringLiteral("Text31"), w.model().language());
    frameOf(w.channelEditor())->close();

    log.answers = {mbResult::Cancel};
    QTest::mouseClick(toolButton(w, "TNew"), Qt::LeftButton);
    QCOMPARE(log.requests.size(), 1);
    QCOMPARE(log.requests[0].prompt, QStringLiteral("未保存的数据将会丢失，确定吗？"));
    QCOMPARE(log.requests[0].title, QStringLiteral("注意"));
    QCOMPARE(log.requests[0].flags, 4385);
    QCOMPARE(w.model().channels().cells(), cells);
    QCOMPARE(w.model().options().text(QStringLiteral("Text31"), w.model().language()), optionText);
    QVERIFY(!frameOf(w.channelEditor())->isVisible());
}

void TestMainWindow::newAnsweredOkResetsAndShowsTheChannelEditor()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    fillSampleRadio(w.model());
    const Image memory = w.model().memoryImage();
    frameOf(w.channelEditor())->close();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(log.requests.size(), 1);
    for (int n = 1; n <= 128; ++n)
        QVERIFY(!w.model().channels().isUsed(n));
    QVERIFY(frameOf(w.channelEditor())->isVisible());
    QVERIFY(w.model().memoryImage() == memory); // neither image is touched
}

void TestMainWindow::missingPortAtStartUp()
{
    MessageLog log;
    ShellUnderTest s;
    const QString missing = s.dir.filePath(QStringLiteral("ttyNOPE"));
    MainWindow &w = s.start({missing});
    QCOMPARE(log.requests.size(), 1);
    QVERIFY2(log.requests[0].prompt.startsWith(QStringLiteral("串行端口") + missing + QStringLiteral("无效或已被其它程序使用")),
             qPrintable(log.requests[0].prompt));
    QCOMPARE(log.requests[0].title, QStringLiteral("错误"));
    QCOMPARE(log.requests[0].flags, 48);
    auto *comboCom = findControl<QComboBox *>(&w, QStringLiteral("ComboCom"));
    QCOMPARE(comboCom->currentIndex(), -1);
    QCOMPARE(findControl<QLabel *>(&w, QStringLiteral("Panel1"))->text(), QStringLiteral("COM: "));

    // Reading then refuses with the invalid-port message and opens no window.
    log.clear();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(log.prompts(), QStringList{QStringLiteral("串行端口无效")});
    QCOMPARE(log.requests[0].title, applicationTitle());
    QCOMPARE(log.requests[0].flags, 0);
    QVERIFY(!w.transferCommands().progressWindow());
    QVERIFY(w.action(QStringLiteral("MNRead"))->isEnabled());
    QVERIFY(w.action(QStringLiteral("TWrite"))->isEnabled());

    // A port named at start-up that does not open is not left in the list as a port.
    ShellUnderTest named;
    log.clear();
    MainWindow &w2 = named.start({}, missing);
    QCOMPARE(log.requests.size(), 1);
    QCOMPARE(findControl<QComboBox *>(&w2, QStringLiteral("ComboCom"))->findText(missing), -1);
    // The status bar says so, in place of the panels it stands for, not drawn over them.
    QVERIFY(findControl<QStatusBar *>(&w2, QStringLiteral("StatusBar1"))->currentMessage().contains(missing));
    QVERIFY(!findControl<QLabel *>(&w2, QStringLiteral("Panel1"))->isVisible());
}

void TestMainWindow::busyPortIsRefused()
{
    MessageLog log;
    // A pseudo-terminal that this test holds open through a serial port of its own.
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0);
    QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
    const QString device = QString::fromLocal8Bit(ptsname(master));
    QSerialPort holder(device);
    QVERIFY2(holder.open(QIODevice::ReadWrite), qPrintable(holder.errorString()));

    ShellUnderTest s;
    MainWindow &w = s.start();
    w.selectPort(device);
    QCOMPARE(log.requests.size(), 1);
    QVERIFY(log.requests[0].prompt.contains(device));
    QCOMPARE(findControl<QComboBox *>(&w, QStringLiteral("ComboCom"))->currentIndex(), -1);
    QVERIFY(!w.transfer().port().isOpen());

    holder.close();
    log.clear();
    w.selectPort(device);
    QVERIFY(log.requests.isEmpty());
    QVERIFY(w.transfer().port().isOpen());
    QCOMPARE(findControl<QLabel *>(&w, QStringLiteral("Panel1"))->text(), QStringLiteral("COM: ") + device);
    ::close(master);
}

void TestMainWindow::portListShownByTheMenu()
{
    MessageLog log;
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0);
    QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
    const QString device = QString::fromLocal8Bit(ptsname(master));

    ShellUnderTest s;
    const QString missing = s.dir.filePath(QStringLiteral("ttyNOPE"));
    log.answers = {mbResult::Ok};
    MainWindow &w = s.start({missing, device});
    QCOMPARE(log.requests.size(), 1); // the first entry is tried at load and fails
    auto *comboCom = findControl<QComboBox *>(&w, QStringLiteral("ComboCom"));

    w.action(QStringLiteral("MNCommPort"))->trigger();
    QVERIFY(comboCom->isVisible());
    QTRY_VERIFY(comboCom->view()->isVisible()); // dropped down
    comboCom->view()->setCurrentIndex(comboCom->model()->index(1, 0));
    QTest::keyClick(comboCom->view(), Qt::Key_Return);
    QTRY_VERIFY(!comboCom->isVisible());
    QCOMPARE(comboCom->currentText(), device);
    QVERIFY(w.transfer().port().isOpen());
    QCOMPARE(findControl<QLabel *>(&w, QStringLiteral("Panel1"))->text(), QStringLiteral("COM: ") + device);
    QCOMPARE(log.requests.size(), 1);
    ::close(master);
}

void TestMainWindow::printShowsThePreviewOfTheReport()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    w.setLanguage(Language::English);
    fillSampleRadio(w.model());
    QString caption;
    bool gridFrozen = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *preview = QApplication::activeModalWidget();
        QVERIFY(preview);
        caption = preview->windowTitle();
        gridFrozen = !w.channelEditor()->grid(1)->updatesEnabled();
        preview->close();
    });
    w.action(QStringLiteral("MNPrint"))->trigger();
    QVERIFY(caption.endsWith(QStringLiteral("Print preview")));
    QVERIFY(gridFrozen);
    QVERIFY(w.channelEditor()->grid(1)->updatesEnabled()); // redrawn again afterwards
    QVERIFY(log.requests.isEmpty());
}

// KT913_SCREENSHOT_DIR=folder saves the about, progress, port and print preview windows in
// both languages.
void TestMainWindow::screenshotsOfTheSmallWindows()
{
    const QString dir = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("KT913_SCREENSHOT_DIR is not set");
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    fillSampleRadio(w.model());
    for (Language lang : {Language::Chinese, Language::English}) {
        w.setLanguage(lang);
        const QString suffix = lang == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
        w.aboutWindow()->show();
        QTest::qWait(20);
        w.aboutWindow()->grab().save(dir + QStringLiteral("/frmabout-%1.png").arg(suffix));
        w.aboutWindow()->hide();
        ProgressWindow progress(&w);
        applyCaptionTable(&progress, progressWindowCaptions(), lang);
        progress.Label1->setText(message(MessageId::ReadingLabel, lang).text);
        progress.setWindowTitle(message(MessageId::ReadingCaption, lang).text);
        progress.ProgressBar1->setValue(80);
        progress.show();
        QTest::qWait(20);
        progress.grab().save(dir + QStringLiteral("/frmwriting-%1.png").arg(suffix));
        PortPathDialog port(lang, lang == Language::English ? QStringLiteral("Other Port") : QStringLiteral("其他端口"),
                            QStringLiteral("/dev/pts/3"), &w);
        port.show();
        QTest::qWait(20);
        port.grab().save(dir + QStringLiteral("/portpath-%1.png").arg(suffix));
        QTimer::singleShot(100, this, [&] {
            QWidget *preview = QApplication::activeModalWidget();
            if (!preview)
                return;
            preview->resize(900, 700);
            QTest::qWait(100);
            preview->grab().save(dir + QStringLiteral("/frmprint-%1.png").arg(suffix));
            preview->close();
        });
        w.action(QStringLiteral("MNPrint"))->trigger();
    }
}

void TestMainWindow::childWindowsHideInsteadOfClosing()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    QPointer<QWidget> optionalFeaturesEditor = w.optionalFeaturesEditor();
    w.action(QStringLiteral("MNOption"))->trigger();
    QVERIFY(frameOf(optionalFeaturesEditor)->isVisible());
    QCOMPARE(w.mdiArea()->activeSubWindow(), frameOf(optionalFeaturesEditor));
    frameOf(optionalFeaturesEditor)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(optionalFeaturesEditor);
    QVERIFY(!frameOf(optionalFeaturesEditor)->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(frameOf(optionalFeaturesEditor)->isVisible());

    // The DTMF window cannot be reached: its item is switched off, its shortcut dead.
    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!frameOf(w.dtmfEditor())->isVisible());
    QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(frameOf(w.fmEditor())->isVisible());

    // Every frame carries the program's own icon, not the toolkit's.
    QCOMPARE(w.windowIcon().cacheKey(), appIcon().cacheKey());
    for (QWidget *form : std::initializer_list<QWidget *>{w.channelEditor(), w.dtmfEditor(), w.optionalFeaturesEditor(), w.debugEditor(), w.fmEditor()})
        QCOMPARE(frameOf(form)->windowIcon().cacheKey(), appIcon().cacheKey());
}

void TestMainWindow::lockButtonsNeedADoubleClickWithinASecond()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    QSignalSpy debugLocked(&w, &MainWindow::debugLocked);
    QSignalSpy forceLocked(&w, &MainWindow::forceWriteLocked);
    w.model().setDebugUnlocked(true);
    w.model().setForceWriteUnlocked(true);
    w.action(QStringLiteral("TDebug"))->setVisible(true);
    w.action(QStringLiteral("TAnMa"))->setVisible(true);

    QTest::mouseClick(toolButton(w, "TDebug"), Qt::LeftButton);
    QVERIFY(w.action(QStringLiteral("TDebug"))->isVisible());
    s.secondsOfDay += 1;
    QTest::mouseClick(toolButton(w, "TDebug"), Qt::LeftButton); // a second later: a new first click
    QVERIFY(w.action(QStringLiteral("TDebug"))->isVisible());
    QVERIFY(w.model().debugUnlocked());
    QTest::mouseClick(toolButton(w, "TDebug"), Qt::LeftButton);
    QVERIFY(!w.action(QStringLiteral("TDebug"))->isVisible());
    QVERIFY(!w.model().debugUnlocked());
    QCOMPARE(debugLocked.count(), 1);

    // The other button keeps its own time and its mode.
    QVERIFY(w.model().forceWriteUnlocked());
    QTest::mouseClick(toolButton(w, "TAnMa"), Qt::LeftButton);
    QTest::mouseClick(toolButton(w, "TAnMa"), Qt::LeftButton);
    QVERIFY(!w.action(QStringLiteral("TAnMa"))->isVisible());
    QVERIFY(!w.model().forceWriteUnlocked());
    QCOMPARE(forceLocked.count(), 1);
    QCOMPARE(debugLocked.count(), 1);
}

// The pointer resting on a toolbar button shows the button's caption, and on a lock
// button nothing: no key of the program's own.
void TestMainWindow::toolbarTooltipsAreTheirCaptions()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    w.model().setDebugUnlocked(true);
    w.model().setForceWriteUnlocked(true);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const std::pair<const char *, QString> buttons[] = {{"TAnMa", QString()}, {"TDebug", QString()}, {"TNew", QStringLiteral("新建")}};
    for (const auto &[key, tip] : buttons) {
        QWidget *button = toolButton(w, key);
        QVERIFY(button->isVisible());
        QTest::mouseMove(w.mdiArea()); // away first, so that no tooltip is up
        QTRY_VERIFY(!QToolTip::isVisible());
        QTest::mouseMove(button);
        // What the pointer's rest sends once the tooltip delay has passed, given at once.
        const QPoint centre = button->rect().center();
        QHelpEvent rest(QEvent::ToolTip, centre, button->mapToGlobal(centre));
        QApplication::sendEvent(button, &rest);
        QCoreApplication::processEvents();
        if (tip.isEmpty()) {
            QVERIFY2(!QToolTip::isVisible(), qPrintable(QToolTip::text()));
        } else {
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), tip);
        }
    }
}

void TestMainWindow::aboutWindow()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    w.setLanguage(Language::English);
    AboutWindow *about = w.aboutWindow();
    QCOMPARE(about->objectName(), QStringLiteral("FrmAbout"));
    QCOMPARE(about->lblTitle->objectName(), QStringLiteral("lblTitle"));
    QVERIFY(about->findChild<QLabel *>(QStringLiteral("Image1")));
    QVERIFY(about->findChild<QLabel *>(QStringLiteral("lblCopyR")));

    bool shownModal = false;
    QString title, version, caption;
    QTimer::singleShot(0, this, [&] {
        shownModal = QApplication::activeModalWidget() == about;
        title = about->lblTitle->text();
        version = about->lblVersion->text();
        caption = about->windowTitle();
        about->close(); // the close box only hides it
    });
    w.action(QStringLiteral("MNAbout"))->trigger();
    QVERIFY(shownModal);
    QVERIFY(!about->isVisible());
    QCOMPARE(title, QStringLiteral("KT-913 Radio Programming Software"));
    QCOMPARE(version, QStringLiteral("English edition V2.20"));
    QCOMPARE(caption, QStringLiteral("Help"));

    // Shown again it keeps its texts; a click on its background unloads it.
    QTimer::singleShot(0, this, [&] {
        version = w.aboutWindow()->lblVersion->text();
        QTest::mouseClick(w.aboutWindow(), Qt::LeftButton, {}, QPoint(2, 2));
    });
    w.action(QStringLiteral("MNAbout"))->trigger();
    QCOMPARE(version, QStringLiteral("English edition V2.20"));
    QVERIFY(!w.aboutWindow()->isVisible());

    // Made anew, it carries its design-time texts until the language is applied again.
    QTimer::singleShot(0, this, [&] {
        title = w.aboutWindow()->lblTitle->text();
        version = w.aboutWindow()->lblVersion->text();
        w.aboutWindow()->close();
    });
    w.action(QStringLiteral("MNAbout"))->trigger();
    QCOMPARE(title, QStringLiteral("KT-913 RadioSoft"));
    QCOMPARE(version, QStringLiteral("简体中文版 V1.90"));
    w.setLanguage(Language::English);
    QCOMPARE(w.aboutWindow()->lblVersion->text(), QStringLiteral("English edition V2.20"));
    about = w.aboutWindow();

    // The link leads to the program's own manual, not to a web site.
    const QUrl doc = AboutWindow::documentationUrl();
    QVERIFY(doc.isLocalFile());
    QVERIFY(about->lblCopyR->text().contains(doc.toString().toHtmlEscaped()));
    QVERIFY(log.requests.isEmpty());
}

void TestMainWindow::quitAnsweredCancelKeepsEverything()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    fillSampleRadio(w.model());
    const auto cells = w.model().channels().cells();
    log.answers = {mbResult::Cancel, mbResult::Cancel};
    w.action(QStringLiteral("MNQuit"))->trigger();
    QVERIFY(w.isVisible());
    w.close(); // the close box and every other way go the same way
    QVERIFY(w.isVisible());
    QCOMPARE(log.requests.size(), 2);
    QCOMPARE(log.requests[0].prompt, QStringLiteral("确定退出本程序？\r\n未保存的更改将全部丢失！"));
    QCOMPARE(log.requests[0].flags, 4385);
    QCOMPARE(w.model().channels().cells(), cells);
    QVERIFY(!QFile::exists(s.settingsPath())); // nothing stored yet

    // Still working: the band list still ignores the wheel.
    auto *combo1 = findControl<QComboBox *>(&w, QStringLiteral("Combo1"));
    sendWheel(combo1, -120);
    QCOMPARE(combo1->currentIndex(), 0);
}

void TestMainWindow::quitStoresTheLanguage()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    w.action(QStringLiteral("MNEnglish"))->trigger();
    QVERIFY(!QFile::exists(s.settingsPath())); // switching does not store by itself
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QCOMPARE(log.requests.size(), 1);
    QCOMPARE(log.requests[0].title, QStringLiteral("Be careful"));
    QSettings raw(s.settingsPath(), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("RL-62K/BinaryValue")).toByteArray(), QByteArray("\x01\x00\x00\x00", 4));

    // The band list has its wheel back (it answers a wheel turn again).
    auto *combo1 = findControl<QComboBox *>(&w, QStringLiteral("Combo1"));
    combo1->show();
    sendWheel(combo1, -120);
    QCOMPARE(combo1->currentIndex(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
