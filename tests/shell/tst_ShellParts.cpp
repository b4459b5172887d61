// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's parts that need no main window: the message-box routine, the language
// setting, the caption machinery, the file filter and the lock buttons' clock.
#include "widgets/CaptionTable.h"
#include "widgets/FilteredLineEdit.h"
#include "widgets/FormBinder.h"
#include "image/FieldRules.h"
#include "image/FormDescriptions.h"
#include "image/FormStore.h"
#include "shell/FileDialogs.h"
#include "shell/LockButton.h"
#include "widgets/MessageBox.h"
#include "widgets/WindowScope.h"
#include "shell/SettingStore.h"
#include "shell/StartUp.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kt913;

class TestShellParts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void messageBoxButtonsSpeakTheProgramsLanguage_data();
    void messageBoxButtonsSpeakTheProgramsLanguage();
    void messageBoxEmptyTitleIsTheApplicationTitle();
    void answererTakesEveryBox();

    void languageSettingReadRules_data();
    void languageSettingReadRules();
    void languageSettingIsStoredAsFourBytes();
    void missingOrUnreadableSettingGivesChinese();

    void captionRowsReachTheirControls();
    void captionsStayInsideTheirWindow();
    void binderKeepsWidgetsAndStoreTogether();
    void commonDialogFilterBecomesQtFilters();

    void commandLine_data();
    void commandLine();

    void lockButtonNeedsTwoClicksWithinASecond();
    void lockButtonAcrossMidnight();

private:
    // Shows a real box, looks at it while it is up, presses `press` (a caption).
    int showAndPress(Language lang, int flags, const QString &press, QStringList *captions, QString *defaultCaption,
                     QString *title = nullptr, const QString &givenTitle = QStringLiteral("T"));
};

int TestShellParts::showAndPress(Language lang, int flags, const QString &press, QStringList *captions,
                                 QString *defaultCaption, QString *title, const QString &givenTitle)
{
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton *b : box->buttons())
            captions->append(b->text());
        if (box->defaultButton())
            *defaultCaption = box->defaultButton()->text();
        if (title)
            *title = box->windowTitle();
        for (QAbstractButton *b : box->buttons()) {
            if (b->text() == press)
                QTest::mouseClick(b, Qt::LeftButton);
        }
    });
    return MsgBox(nullptr, lang, QStringLiteral("prompt"), flags, givenTitle);
}

void TestShellParts::messageBoxButtonsSpeakTheProgramsLanguage_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("defaultCaption");
    QTest::addColumn<int>("result");

    QTest::newRow("ok, Chinese") << 0 << 0 << "确定" << QStringList{"确定"} << "确定" << 1;
    QTest::newRow("ok, English") << 1 << 48 << "OK" << QStringList{"OK"} << "OK" << 1;
    QTest::newRow("4385 answered Cancel") << 0 << 4385 << "取消" << QStringList{"确定", "取消"} << "取消" << 2;
    QTest::newRow("4385 answered OK") << 1 << 4385 << "OK" << QStringList{"OK", "Cancel"} << "Cancel" << 1;
    QTest::newRow("yes/no in Chinese") << 0 << 4 << "否" << QStringList{"是", "否"} << "是" << 7;
    QTest::newRow("abort/retry/ignore") << 0 << 2 << "忽略" << QStringList{"放弃", "重试", "忽略"} << "放弃" << 5;
    QTest::newRow("yes/no/cancel, third default") << 1 << (3 | 512) << "Yes" << QStringList{"Yes", "No", "Cancel"}
                                                  << "Cancel" << 6;
}

void TestShellParts::messageBoxButtonsSpeakTheProgramsLanguage()
{
    QFETCH(int, lang);
    QFETCH(int, flags);
    QFETCH(QString, press);
    QFETCH(QStringList, captions);
    QFETCH(QString, defaultCaption);
    QFETCH(int, result);

    QStringList shown;
    QString shownDefault;
    const int pressed = showAndPress(Language(lang), flags, press, &shown, &shownDefault);
    shown.sort();
    captions.sort();
    QCOMPARE(shown, captions);
    QCOMPARE(shownDefault, defaultCaption);
    QCOMPARE(pressed, result);
}

void TestShellParts::messageBoxEmptyTitleIsTheApplicationTitle()
{
    QStringList shown;
    QString shownDefault, title;
    showAndPress(Language::English, 0, QStringLiteral("OK"), &shown, &shownDefault, &title, QString());
    QCOMPARE(title, applicationTitle());
}

void TestShellParts::answererTakesEveryBox()
{
    QList<MessageRequest> seen;
    setMessageAnswerer([&](const MessageRequest &r) {
        seen << r;
        return 2;
    });
    QCOMPARE(MsgBox(nullptr, Language::English, MessageId::QuitConfirm), 2);
    QCOMPARE(MsgBox(nullptr, Language::Chinese, QStringLiteral("x"), 0, QString()), 2);
    setMessageAnswerer(nullptr);

    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0].prompt, QStringLiteral("Confirm that withdraws from a procedure?\r\nLose all in change not kept!"));
    QCOMPARE(seen[0].title, QStringLiteral("Be careful"));
    QCOMPARE(seen[0].flags, 4385);
    QCOMPARE(seen[1].title, applicationTitle());
    QCOMPARE(seen[1].language, Language::Chinese);
}

void TestShellParts::languageSettingReadRules_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("language");

    QTest::newRow("binary 01 00 00 00") << QVariant(QByteArray("\x01\x00\x00\x00", 4)) << 1;
    QTest::newRow("binary 00 00 00 00") << QVariant(QByteArray("\x00\x00\x00\x00", 4)) << 0;
    QTest::newRow("binary 10 00 00 00: hex 10 ends in 0") << QVariant(QByteArray("\x10\x00\x00\x00", 4)) << 0;
    QTest::newRow("binary 00 01: 256 is hex 100") << QVariant(QByteArray("\x00\x01\x00\x00", 4)) << 0;
    QTest::newRow("binary of one byte") << QVariant(QByteArray("\x01", 1)) << 1;
    QTest::newRow("text 16 is hex 10") << QVariant(QStringLiteral("16")) << 0;
    QTest::newRow("text 1") << QVariant(QStringLiteral("1")) << 1;
    QTest::newRow("text 0") << QVariant(QStringLiteral("0")) << 0;
    QTest::newRow("text 17 is hex 11") << QVariant(QStringLiteral("17")) << 1;
    QTest::newRow("text cut at NUL") << QVariant(QStringLiteral("1") + QChar(0) + QStringLiteral("6")) << 1;
    QTest::newRow("text not a number") << QVariant(QStringLiteral("English")) << 0;
    QTest::newRow("empty text") << QVariant(QString()) << 0;
}

void TestShellParts::languageSettingReadRules()
{
    QFETCH(QVariant, stored);
    QFETCH(int, language);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue(QStringLiteral("RL-62K/BinaryValue"), stored);
    }
    IniSettingStore store(path);
    QCOMPARE(int(readLanguage(store)), language);
}

void TestShellParts::languageSettingIsStoredAsFourBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    IniSettingStore store(path);
    storeLanguage(store, Language::English);
    {
        QSettings raw(path, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("RL-62K/BinaryValue")).toByteArray(), QByteArray("\x01\x00\x00\x00", 4));
    }
    QCOMPARE(readLanguage(store), Language::English);
    storeLanguage(store, Language::Chinese);
    QCOMPARE(readLanguage(store), Language::Chinese);
}

void TestShellParts::missingOrUnreadableSettingGivesChinese()
{
    QTemporaryDir dir;
    IniSettingStore missing(dir.filePath(QStringLiteral("none.ini")));
    QCOMPARE(readLanguage(missing), Language::Chinese);

    // A folder where the file should be cannot be read (nor written: the setting is lost
    // without a word).
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    IniSettingStore unreadable(dir.filePath(QStringLiteral("folder.ini")));
    QCOMPARE(readLanguage(unreadable), Language::Chinese);
    storeLanguage(unreadable, Language::English);
    QCOMPARE(readLanguage(unreadable), Language::Chinese);
}

void TestShellParts::captionRowsReachTheirControls()
{
    QWidget window;
    window.setObjectName(QStringLiteral("W"));
    auto *label = new QLabel(&window);
    label->setObjectName(QStringLiteral("Label1"));
    auto *combo = new QComboBox(&window);
    combo->setObjectName(QStringLiteral("Combo1"));
    combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
    combo->setCurrentIndex(1);

    const CaptionTable table{
        "W",
        {
            {"", CaptionProperty::Caption, -1, "窗口", "Window"},
            {"Label1", CaptionProperty::Caption, -1, "标签", nullptr},
            {"Combo1", CaptionProperty::Item, 0, "关", "Off"},
            {"Combo1", CaptionProperty::Item, 2, "新", "New"}, // index == count appends
            {"Nowhere", CaptionProperty::Caption, -1, "x", "x"},
        },
        [](QWidget *w, Language lang) { w->setProperty("extraRan", int(lang)); },
    };
    QCOMPARE(applyCaptionTable(&window, table, Language::Chinese), 1); // "Nowhere" is missing
    QCOMPARE(window.windowTitle(), QStringLiteral("窗口"));
    QCOMPARE(label->text(), QStringLiteral("标签"));
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentIndex(), 1); // texts change, the selection does not

    applyCaptionTable(&window, table, Language::English);
    QCOMPARE(window.windowTitle(), QStringLiteral("Window"));
    QCOMPARE(label->text(), QStringLiteral("标签")); // left alone in English
    QCOMPARE(combo->itemText(0), QStringLiteral("Off"));
    QCOMPARE(combo->itemText(2), QStringLiteral("New"));
    QCOMPARE(combo->count(), 3);
    QCOMPARE(window.property("extraRan").toInt(), 1);
}

void TestShellParts::captionsStayInsideTheirWindow()
{
    // An editor inside the main window has a Label1 of its own, nearer the top of the
    // tree than the main window's Label1 in its toolbar.
    QWidget main;
    auto *editor = new QWidget(&main);
    editor->setObjectName(QStringLiteral("Editor"));
    markAsWindow(editor);
    auto *editorLabel = new QLabel(QStringLiteral("editor's"), editor);
    editorLabel->setObjectName(QStringLiteral("Label1"));
    auto *toolbar = new QWidget(&main);
    auto *row = new QWidget(toolbar);
    auto *mainLabel = new QLabel(row);
    mainLabel->setObjectName(QStringLiteral("Label1"));

    const CaptionTable table{"Main", {{"Label1", CaptionProperty::Caption, -1, "频段:", "Range:"}}, nullptr};
    QCOMPARE(applyCaptionTable(&main, table, Language::English), 0);
    QCOMPARE(mainLabel->text(), QStringLiteral("Range:"));
    QCOMPARE(editorLabel->text(), QStringLiteral("editor's"));
    QCOMPARE(findControl<QLabel *>(editor, QStringLiteral("Label1")), editorLabel);

    // A window's own controls are found however deep they sit; another window's never.
    delete mainLabel;
    QCOMPARE(applyCaptionTable(&main, table, Language::Chinese), 1);
    QCOMPARE(editorLabel->text(), QStringLiteral("editor's"));
}

void TestShellParts::binderKeepsWidgetsAndStoreTogether()
{
    QWidget window;
    FormStore store(optionsFormDescription());
    FormBinder binder(store, [] { return Language::English; }, &window);
    binder.createAll(&window);
    window.show();

    // The store's changes show at once; a label is its control's buddy.
    auto *squelch = findControl<QComboBox *>(&window, QStringLiteral("Combo5"));
    QVERIFY(squelch);
    QCOMPARE(squelch->currentIndex(), 4);
    store.setIndex(QStringLiteral("Combo5"), 7);
    QCOMPARE(squelch->currentIndex(), 7);
    QCOMPARE(findControl<QLabel *>(&window, QStringLiteral("Label5"))->buddy(), squelch);
    QVERIFY(!findControl<QWidget *>(&window, QStringLiteral("Combo4"))->isVisibleTo(&window)); // hidden

    // A choice goes into the store.
    squelch->setFocus();
    QTest::keyClick(squelch, Qt::Key_Down);
    QCOMPARE(store.index(QStringLiteral("Combo5")), 8);

    // Typed text of an editable list that is no item leaves it without a selection.
    auto *search = findControl<QComboBox *>(&window, QStringLiteral("Combo13"));
    search->lineEdit()->selectAll();
    QTest::keyClicks(search->lineEdit(), QStringLiteral("sometimes"));
    QCOMPARE(store.index(QStringLiteral("Combo13")), -1);
    QCOMPARE(store.text(QStringLiteral("Combo13"), Language::English), QStringLiteral("sometimes"));

    // Text boxes: the filter and the limit hold for typing only; corrections run while
    // typing and on leaving.
    auto *offset = findControl<FilteredLineEdit *>(&window, QStringLiteral("Text21"));
    store.setText(QStringLiteral("Text21"), QStringLiteral("100.00000"), Language::English);
    QCOMPARE(offset->text(), QStringLiteral("100.00000")); // nine characters in an eight-character box
    binder.setKeyFilter(QStringLiteral("Text6"), digitKey);
    binder.setWhileTyping(QStringLiteral("Text6"), channelNumberWhileTyping);
    binder.setOnLeave(QStringLiteral("Text6"), channelNumberOnLeave);
    auto *channel = findControl<FilteredLineEdit *>(&window, QStringLiteral("Text6"));
    channel->setFocus();
    channel->selectAll();
    QTest::keyClicks(channel, QStringLiteral("0x65"));
    QCOMPARE(channel->text(), QStringLiteral("64"));
    QCOMPARE(store.text(QStringLiteral("Text6"), Language::English), QStringLiteral("64"));
    channel->selectAll();
    QTest::keyClicks(channel, QStringLiteral("007"));
    QTest::keyClick(channel, Qt::Key_Return);
    QCOMPARE(store.text(QStringLiteral("Text6"), Language::English), QStringLiteral("7"));
    QCOMPARE(channel->text(), QStringLiteral("7"));
}

void TestShellParts::commonDialogFilterBecomesQtFilters()
{
    const QStringList filters = qtNameFilters(QString::fromUtf8(kDatFilter));
    QCOMPARE(filters, (QStringList{QStringLiteral("DAT文件 (*.dat)"), QStringLiteral("AllFiles (*)")}));
}

void TestShellParts::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("exitCode"); // -1: the program runs

    QTest::newRow("nothing") << QStringList{"kt913"} << "" << "" << -1;
    QTest::newRow("port and file") << QStringList{"kt913", "--port", "/dev/pts/7", "radio.dat"} << "/dev/pts/7"
                                   << "radio.dat" << -1;
    QTest::newRow("port=") << QStringList{"kt913", "--port=/tmp/ttyKT913"} << "/tmp/ttyKT913" << "" << -1;
    QTest::newRow("file only") << QStringList{"kt913", "a b.dat"} << "" << "a b.dat" << -1;
    QTest::newRow("two files") << QStringList{"kt913", "a.dat", "b.dat"} << "" << "" << 2;
    QTest::newRow("unknown option") << QStringList{"kt913", "--baud", "9600"} << "" << "" << 2;
    QTest::newRow("port without a value") << QStringList{"kt913", "--port"} << "" << "" << 2;
    QTest::newRow("help") << QStringList{"kt913", "--help"} << "" << "" << 0;
    QTest::newRow("trace") << QStringList{"kt913", "--trace", "/tmp/kt913.trace", "a.dat"} << "" << "a.dat" << -1;
    QTest::newRow("trace without a value") << QStringList{"kt913", "--trace"} << "" << "" << 2;
    QTest::newRow("help despite a mistake") << QStringList{"kt913", "--baud", "--help"} << "" << "" << 0;
    QTest::newRow("version") << QStringList{"kt913", "-v"} << "" << "" << 0;
    // Before the toolkit has taken its options out: -reverse is not -r -e -v (version).
    QTest::newRow("toolkit option") << QStringList{"kt913", "-reverse"} << "" << "" << 2;
    QTest::newRow("language") << QStringList{"kt913", "--lang", "en", "a.dat"} << "" << "a.dat" << -1;
    QTest::newRow("language=") << QStringList{"kt913", "--lang=zh"} << "" << "" << -1;
    QTest::newRow("no language") << QStringList{"kt913", "--lang", "fr"} << "" << "" << 2;
}

void TestShellParts::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, port);
    QFETCH(QString, file);
    QFETCH(int, exitCode);

    const StartUpRequest r = parseCommandLine(arguments);
    QCOMPARE(r.exitNow, exitCode >= 0);
    if (r.exitNow) {
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY(r.message.contains(exitCode == 0 && arguments.contains(QStringLiteral("-v")) ? QStringLiteral("kt913 ")
                                                                                           : QStringLiteral("--port")));
        return;
    }
    const qsizetype langAt = arguments.indexOf(QStringLiteral("--lang"));
    QString lang = langAt < 0 ? QString() : arguments.value(langAt + 1);
    for (const QString &a : arguments)
        if (a.startsWith(QStringLiteral("--lang=")))
            lang = a.mid(7);
    QCOMPARE(r.language.has_value(), !lang.isEmpty());
    if (r.language)
        QCOMPARE(*r.language, lang.endsWith(QStringLiteral("zh")) ? Language::Chinese : Language::English);
    QCOMPARE(r.port, port);
    QCOMPARE(r.file, file);
    const qsizetype trace = arguments.indexOf(QStringLiteral("--trace"));
    QCOMPARE(r.tracePath, trace < 0 ? QString() : arguments.value(trace + 1));
}

void TestShellParts::lockButtonNeedsTwoClicksWithinASecond()
{
    int now = 45000;
    LockButton button([&] { return now; });
    QVERIFY(!button.click());
    QVERIFY(button.hasStoredTime());
    now += 1;
    QVERIFY(!button.click()); // a second later: only a new first click
    QVERIFY(button.click());  // within the same second: locks
    QVERIFY(!button.hasStoredTime());
    QVERIFY(!button.click()); // and starts over
}

void TestShellParts::lockButtonAcrossMidnight()
{
    int now = 86399;
    LockButton button([&] { return now; });
    QVERIFY(!button.click());
    now = 0; // a second later, on the next day
    QVERIFY(!button.click());
    QVERIFY(button.click()); // a click stored at midnight itself counts
    now = 86390;
    QVERIFY(!button.click());
    now = 10; // hours apart: a first click, not a lock
    QVERIFY(!button.click());
}

QTEST_MAIN(TestShellParts)
#include "tst_ShellParts.moc"
