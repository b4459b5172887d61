// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader meets: every control it can reach has a name in the language in
// force, the grids answer as tables with their row labels and column headers, an open
// cell editor names its cell, and messages and the progress bar are spoken.
#include "editors/ChannelGrid.h"
#include "editors/ChannelEditor.h"
#include "editors/DtmfEditor.h"
#include "editors/OptionalFeaturesEditor.h"
#include "editors/DebugEditor.h"
#include "editors/FmEditor.h"
#include "image/ChannelGridModel.h"
#include "windows/ProgressWindow.h"
#include "windows/PrintPreview.h"
#include "shell/AboutWindow.h"
#include "shell/KeyboardHelp.h"
#include "shell/ShellTestKit.h"
#include "support/SampleRadio.h"
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QProgressBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

bool hasChinese(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x3000)
            return true;
    return false;
}

// The name a screen reader reads. On this platform a list reports its item as its name
// and is labelled through the relation to its caption.
QString spokenName(QAccessibleInterface *iface)
{
    if (iface->role() != QAccessible::ComboBox)
        return iface->text(QAccessible::Name);
    const auto labels = iface->relations(QAccessible::Label);
    for (const auto &label : labels)
        if (!label.first->text(QAccessible::Name).isEmpty())
            return label.first->text(QAccessible::Name);
    auto *w = qobject_cast<QWidget *>(iface->object());
    return w ? w->accessibleName() : QString();
}

// "OptionalFeaturesEditor/Combo1(QComboBox)": where a control is, for the failure message.
QString describe(QAccessibleInterface *iface)
{
    QObject *o = iface->object();
    QObject *window = o ? o->parent() : nullptr;
    while (window && !isMarkedWindow(window))
        window = window->parent();
    return (window ? window->objectName() : QString()) + QLatin1Char('/') + (o ? o->objectName() : QString()) +
           QLatin1Char('(') + QString::fromLatin1(o ? o->metaObject()->className() : "") + QLatin1Char(')');
}

// Every focusable, shown control under `iface`: the unnamed ones, and the names and
// descriptions. A table's cells are the table's business (checked on their own below).
void walk(QAccessibleInterface *iface, QStringList &unnamed, QStringList &names)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child || child->state().invisible)
            continue;
        if (child->state().focusable) {
            const QString name = spokenName(child);
            if (name.trimmed().isEmpty())
                unnamed << describe(child);
            else
                names << describe(child) + QStringLiteral(" = ") + name;
            if (const QString more = child->text(QAccessible::Description); !more.isEmpty())
                names << describe(child) + QStringLiteral(" = ") + more;
        }
        if (!child->tableInterface())
            walk(child, unnamed, names);
    }
}

struct Shell {
    MessageLog log;
    ShellUnderTest shell;
    MainWindow *w = nullptr;
    Shell()
    {
        w = &shell.start();
        QApplication::setActiveWindow(w);
    }
};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QAccessible::setActive(true);
    }

    // Each window shown in turn (both pages and both groups, the debug sliders and the
    // lock buttons shown), the keyboard page, the about box and the print preview, in
    // both languages.
    void everyReachableControlHasAName()
    {
        Shell s;
        s.w->model().setDebugUnlocked(true);
        s.w->model().setForceWriteUnlocked(true);
        QTRY_VERIFY(s.w->findChild<QToolBar *>()->widgetForAction(s.w->action(QStringLiteral("TDebug")))->isVisible());
        for (Language lang : {Language::Chinese, Language::English}) {
            s.w->setLanguage(lang);
            const bool english = lang == Language::English;
            QStringList unnamed, names;
            auto visit = [&](QWidget *top) { walk(QAccessible::queryAccessibleInterface(top), unnamed, names); };
            auto *pages = findControl<QTabBar *>(s.w->optionalFeaturesEditor(), QStringLiteral("TabStrip1"));
            auto *groups = findControl<QTabBar *>(s.w->channelEditor(), QStringLiteral("TabStrip1"));
            pages->setCurrentIndex(0);
            groups->setCurrentIndex(0);
            for (QWidget *form : {static_cast<QWidget *>(s.w->channelEditor()), static_cast<QWidget *>(s.w->dtmfEditor()),
                                  static_cast<QWidget *>(s.w->optionalFeaturesEditor()), static_cast<QWidget *>(s.w->debugEditor()),
                                  static_cast<QWidget *>(s.w->fmEditor())}) {
                s.w->showChild(form);
                visit(s.w);
            }
            pages->setCurrentIndex(1);
            visit(s.w->optionalFeaturesEditor());
            groups->setCurrentIndex(1);
            visit(s.w->channelEditor());
            // The toolbar's buttons take no focus, but a screen reader's review reads them.
            for (QAction *a : findControl<QToolBar *>(s.w, QStringLiteral("Toolbar1"))->actions())
                for (QObject *o : a->associatedObjects())
                    if (auto *button = qobject_cast<QToolButton *>(o); button && button->isVisible())
                        names << a->objectName() + QStringLiteral(" = ") +
                                     QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
            KeyboardHelp keys(lang, s.w);
            keys.show();
            visit(&keys);
            visit(s.w->aboutWindow());
            PrintPreview preview(s.w->model(), s.w);
            preview.show();
            visit(&preview);

            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
            for (const QString &name : names) {
                QVERIFY2(!name.endsWith(QLatin1String(" = ")), qPrintable(name));
                // The DTMF window keeps its one caption in both languages.
                if (english && !name.startsWith(QLatin1String("Form2/")) && !name.contains(QLatin1String("DTMF(")))
                    QVERIFY2(!hasChinese(name.section(QStringLiteral(" = "), 1)), qPrintable(name));
            }
            QVERIFY(names.size() > 60);
        }
    }

    // Row label, column header, cell text, as in "A12, RX Fre, 145.00000", in both grids
    // and the FM grid, whatever the views draw and hide.
    void gridsAnswerAsTables_data()
    {
        QTest::addColumn<int>("grid"); // 1, 2: channel grids; 5: FM
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("rowHeader");
        QTest::addColumn<QString>("columnHeader");
        QTest::newRow("A2 TX") << 1 << 1 << 2 << "A2" << "TX Fre";
        QTest::newRow("A1 name") << 1 << 0 << 11 << "A1" << "Channel Name";
        QTest::newRow("B3 power") << 2 << 2 << 5 << "B3" << "Power";
        QTest::newRow("FM 3") << 5 << 2 << 1 << "3" << "Frequency(MHz)";
    }
    void gridsAnswerAsTables()
    {
        QFETCH(int, grid);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, rowHeader);
        QFETCH(QString, columnHeader);
        Shell s;
        fillSampleRadio(s.w->model());
        s.w->setLanguage(Language::English);
        QTableView *view = grid == 5 ? s.w->fmEditor()->grid() : s.w->channelEditor()->grid(grid);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(view);
        QAccessibleTableInterface *table = iface->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), grid == 5 ? 25 : 64);
        QCOMPARE(table->columnCount(), grid == 5 ? 2 : 12);
        QAccessibleInterface *cell = table->cellAt(row, column);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), view->model()->index(row, column).data().toString());
        QVERIFY(!cell->text(QAccessible::Name).isEmpty());
        QAccessibleTableCellInterface *c = cell->tableCellInterface();
        QCOMPARE(c->rowIndex(), row);
        QCOMPARE(c->columnIndex(), column);
        // Qt makes new header cells on every call and keeps none; handing them to its
        // cache, as a screen reader's bridge does, keeps them from leaking.
        const QList<QAccessibleInterface *> rowHeaders = c->rowHeaderCells();
        const QList<QAccessibleInterface *> columnHeaders = c->columnHeaderCells();
        for (QAccessibleInterface *header : rowHeaders + columnHeaders)
            QAccessible::uniqueId(header);
        QCOMPARE(rowHeaders.size(), 1);
        QCOMPARE(rowHeaders.first()->text(QAccessible::Name), rowHeader);
        QCOMPARE(columnHeaders.size(), 1);
        QCOMPARE(columnHeaders.first()->text(QAccessible::Name), columnHeader);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
        QVERIFY(view->verticalHeader()->isHidden()); // nothing changed in what is drawn
    }

    // An editor opened over a cell is named after the cell, in the language in force.
    void openEditorNamesItsCell()
    {
        Shell s;
        fillSampleRadio(s.w->model());
        ChannelGrid *g = s.w->channelEditor()->grid(1);
        for (Language lang : {Language::English, Language::Chinese}) {
            s.w->setLanguage(lang);
            g->setFocus();
            g->setCurrentCell(12, col::Rx);
            QTest::keyClick(g, Qt::Key_F2);
            QWidget *editor = s.w->channelEditor()->openEditor();
            QVERIFY(editor);
            QCOMPARE(editor->accessibleDescription(), lang == Language::English ? QStringLiteral("A12, RX Fre")
                                                                                 : QStringLiteral("A12, 接收频率"));
            QTest::keyClick(editor, Qt::Key_Escape);
            QVERIFY(!s.w->channelEditor()->openEditor());
        }
    }

    // The message routine's box is spoken as an alert: its title and its text.
    void messageBoxIsSpoken()
    {
        setMessageAnswerer(nullptr);
        QString name, description;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
            name = iface->text(QAccessible::Name);
            description = iface->text(QAccessible::Description);
            QTest::keyClick(box, Qt::Key_Return);
        });
        MsgBox(nullptr, Language::English, MessageId::FrequencyOutOfBand);
        QCOMPARE(description, QStringLiteral("Beyond the scope of frequency band"));
        QVERIFY(!name.isEmpty()); // the message has no title: the program's own stands in
    }

    void progressBarIsSpoken()
    {
        ProgressWindow window;
        window.Label1->setText(QStringLiteral("Reading..."));
        window.setStep(7);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(window.ProgressBar1);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Reading..."));
        QVERIFY(iface->valueInterface());
        QCOMPARE(iface->valueInterface()->currentValue().toInt(), 7);
    }

    // KT913_SCREENSHOT_DIR=folder saves what the keyboard shows, in both languages: the
    // Help menu's keyboard page, a focused service caption, a grid's current cell and an
    // editor opened with F2, and the Help menu with its new item.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("KT913_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("KT913_SCREENSHOT_DIR is not set");
        Shell s;
        fillSampleRadio(s.w->model());
        for (Language lang : {Language::Chinese, Language::English}) {
            s.w->setLanguage(lang);
            const QString suffix = lang == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
            KeyboardHelp keys(lang, s.w);
            keys.show();
            QTest::qWait(20);
            keys.grab().save(dir + QStringLiteral("/keys-%1.png").arg(suffix));
            keys.hide();
            QApplication::setActiveWindow(s.w);

            s.w->showChild(s.w->optionalFeaturesEditor());
            auto *caption = findControl<QWidget *>(s.w->optionalFeaturesEditor(), QStringLiteral("Label37"));
            caption->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(caption->hasFocus());
            s.w->optionalFeaturesEditor()->parentWidget()->grab().save(dir + QStringLiteral("/focus-caption-%1.png").arg(suffix));

            s.w->showChild(s.w->channelEditor());
            ChannelGrid *g = s.w->channelEditor()->grid(1);
            g->setFocus(Qt::TabFocusReason);
            g->setCurrentCell(3, col::RxTone);
            QTest::qWait(20);
            s.w->grab().save(dir + QStringLiteral("/focus-grid-%1.png").arg(suffix));
            QTest::keyClick(g, Qt::Key_F2);
            QTest::qWait(20);
            s.w->grab().save(dir + QStringLiteral("/focus-grid-editor-%1.png").arg(suffix));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

            auto *help = findControl<QMenu *>(s.w, QStringLiteral("MNHelp"));
            help->popup(s.w->mapToGlobal(QPoint(0, 0)));
            QTest::qWait(20);
            help->grab().save(dir + QStringLiteral("/menu-help-%1.png").arg(suffix));
            help->hide();
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_Accessibility.moc"
