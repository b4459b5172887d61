// SPDX-License-Identifier: GPL-3.0-or-later
// A third language from a translation file: German, complete, and a switch to it and back
// that leaves every choice in every window as it was.
#include "ShellTestKit.h"
#include "editors/ChannelEditor.h"
#include "editors/ChannelGrid.h"
#include "editors/DebugEditor.h"
#include "editors/FmEditor.h"
#include "editors/OptionalFeaturesEditor.h"
#include "image/MemoryMap.h"
#include "shell/AboutWindow.h"
#include "image/Translations.h"
#include "shell/TranslatableTexts.h"
#include "support/SampleRadio.h"
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace kt913;
using namespace kt913::test;

namespace {

struct TsMessage {
    QString context, source;
};

// The messages of a .ts file; a carriage return is kept there as <byte value="xd"/>.
QList<TsMessage> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TsMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            QString source;
            while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("source")) && !xml.atEnd()) {
                if (xml.isCharacters())
                    source += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
                    source += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16)); // "xd"
            }
            messages.push_back({context, source});
        }
    }
    return messages;
}

// Every choice and text the windows show, by objectName.
QStringList choices(QWidget *w)
{
    QStringList out;
    for (QComboBox *c : w->findChildren<QComboBox *>())
        out << c->objectName() + QLatin1Char('=') + QString::number(c->currentIndex()) + QLatin1Char('|') + c->currentText();
    for (QAbstractSlider *s : w->findChildren<QAbstractSlider *>())
        if (s->objectName().startsWith(QLatin1String("Slider")))
            out << s->objectName() + QLatin1Char('=') + QString::number(s->value());
    for (QLineEdit *e : w->findChildren<QLineEdit *>())
        if (!qobject_cast<QComboBox *>(e->parentWidget()))
            out << e->objectName() + QLatin1Char('=') + e->text();
    out.sort(); // a window shown for the first time may add controls of its own
    return out;
}

QStringList indicesOnly(QStringList list)
{
    for (QString &s : list)
        s = s.section(QLatin1Char('|'), 0, 0);
    return list;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void init() { setTranslationFolders({QStringLiteral(KT913_QM_DIR)}); }
    void everySourceTextHasAGermanTranslation();
    void switchingToGermanAndBackKeepsEverySelection();
};

// What lupdate finds in the code and in the tables, each one translated in German.
void TestTranslations::everySourceTextHasAGermanTranslation()
{
    QTemporaryDir dir;
    const QString tables = dir.filePath(QStringLiteral("tables.cpp")), ts = dir.filePath(QStringLiteral("all.ts"));
    QVERIFY(writeTranslatableTexts(tables));
    QProcess lupdate;
    lupdate.start(QStringLiteral(KT913_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-tr-function-alias"), QStringLiteral("QT_TRANSLATE_NOOP+=KT913_TR"),
                   QStringLiteral(KT913_SOURCE_DIR "/src"), tables, QStringLiteral("-ts"), ts});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QList<TsMessage> messages = readTs(ts);
    QVERIFY2(messages.size() > 300, qPrintable(QString::number(messages.size())));

    QTranslator german;
    QVERIFY(german.load(QStringLiteral(KT913_QM_DIR "/kt913_de.qm")));
    QStringList missing;
    for (const TsMessage &m : messages)
        if (german.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()).isEmpty())
            missing << m.context + QStringLiteral(": ") + m.source;
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

void TestTranslations::switchingToGermanAndBackKeepsEverySelection()
{
    MessageLog log;
    ShellUnderTest s;
    MainWindow &w = s.start();
    fillSampleRadio(w.model());
    QTest::qWait(20);
    const auto cells = [&w] {
        QStringList all;
        for (int n = 1; n <= map::kChannelCount; ++n)
            for (int c = 0; c < 12; ++c)
                all << w.model().channels().cell(n, c);
        return all;
    };

    // The menu lists the installed language by its own name, after the built-in two.
    QMenu *menu = findControl<QMenu *>(&w, QStringLiteral("MNLanguage"));
    QVERIFY(menu);
    const QList<QAction *> items = menu->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[2]->text(), QStringLiteral("Deutsch"));

    const QStringList chinese = choices(&w);
    const QStringList chineseCells = cells();
    ChannelGrid *grid = w.channelEditor()->grid(1);
    const auto widths = [grid] {
        QList<int> all;
        for (int c = 0; c < 12; ++c)
            all << grid->columnWidth(c);
        return all;
    };
    const QList<int> chineseWidths = widths();
    items[2]->trigger();
    QTest::qWait(20);
    QCOMPARE(w.model().language(), Language::Translated);
    QCOMPARE(findControl<QMenu *>(&w, QStringLiteral("MNFile"))->title(), QStringLiteral("Datei(&F)"));
    QCOMPARE(indicesOnly(choices(&w)), indicesOnly(chinese));
    // The power column grows for its longest German choice instead of cutting it short.
    QVERIFY(grid->columnWidth(col::Power) >= grid->fontMetrics().horizontalAdvance(QStringLiteral("Niedrig")) + 4);

    const QString shots = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        for (QWidget *form : {static_cast<QWidget *>(w.channelEditor()), static_cast<QWidget *>(w.optionalFeaturesEditor()),
                              static_cast<QWidget *>(w.debugEditor()), static_cast<QWidget *>(w.fmEditor())}) {
            w.showChild(form);
            QTest::qWait(30);
            form->grab().save(shots + QStringLiteral("/%1-de.png").arg(form->objectName().toLower()));
        }
        w.grab().save(shots + QStringLiteral("/mdiform1-de.png"));
        w.aboutWindow()->show();
        QTest::qWait(20);
        w.aboutWindow()->grab().save(shots + QStringLiteral("/frmabout-de.png"));
        w.aboutWindow()->hide();
    }

    w.action(QStringLiteral("MNChinese"))->trigger();
    QTest::qWait(20);
    QCOMPARE(choices(&w), chinese);
    QCOMPARE(cells(), chineseCells);
    QCOMPARE(widths(), chineseWidths);

    // The choice outlasts the session by its locale name.
    QVERIFY(useTranslation(QStringLiteral("de")));
    storeLanguage(*s.settings, Language::Translated);
    QCOMPARE(s.settings->readSetting(QString::fromLatin1(kLanguageKey), QString::fromLatin1(kLanguageValue)),
             QStringLiteral("de"));
    QCOMPARE(readLanguage(*s.settings), Language::Translated);
    QVERIFY(log.requests.isEmpty());
}

QTEST_MAIN(TestTranslations)
#include "tst_Translations.moc"
