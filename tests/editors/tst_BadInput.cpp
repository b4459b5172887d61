// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever is pasted or typed into any text box of any window ends in a text that box's
// rules allow: every character passes its filter and the text keeps its length limit.
#include "editors/ChannelEditor.h"
#include "editors/DtmfEditor.h"
#include "editors/OptionalFeaturesEditor.h"
#include "editors/DebugEditor.h"
#include "editors/FmEditor.h"
#include "shell/ShellTestKit.h"
#include "widgets/FilteredLineEdit.h"
#include <QApplication>
#include <QClipboard>
#include <QtTest>

using namespace kt913;
using namespace kt913::test;

namespace {

// Over-long, non-ASCII, control characters, quotes, spaces, 0xFF and a surrogate pair.
const QString kJunk = QStringLiteral("ab c\x01\t\"!#*-.0123456789") + QChar(0xFF) + QStringLiteral("é中文") +
                      QString::fromUcs4(U"\U0001F600") + QStringLiteral("XYZxyz{|}~@ABCDEFGHIJKLMNOP");

// What a keyboard can type here: every printable ASCII character.
QString typable()
{
    QString keys;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        keys += QChar(c);
    return keys;
}

bool allowed(const FilteredLineEdit *box)
{
    const QString text = box->text();
    if (box->typingLimit() > 0 && text.size() > box->typingLimit())
        return false;
    if (KeyFilter filter = box->filter())
        for (QChar c : text)
            if (filter(c) != c)
                return false;
    return true;
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void pastedAndTypedJunkEverywhere()
    {
        MessageLog log;
        ShellUnderTest shell;
        MainWindow &w = shell.start();
        QApplication::setActiveWindow(&w);
        int boxes = 0;
        for (QWidget *window : {static_cast<QWidget *>(w.channelEditor()), static_cast<QWidget *>(w.dtmfEditor()),
                                static_cast<QWidget *>(w.optionalFeaturesEditor()), static_cast<QWidget *>(w.debugEditor()),
                                static_cast<QWidget *>(w.fmEditor())}) {
            for (FilteredLineEdit *box : window->findChildren<FilteredLineEdit *>()) {
                ++boxes;
                const QString where = window->objectName() + QLatin1Char('.') + box->objectName();
                // Pasted over the whole text, pasted again at the end, then typed.
                QApplication::clipboard()->setText(kJunk);
                box->selectAll();
                box->paste();
                QVERIFY2(allowed(box), qPrintable(where + QStringLiteral(" after a paste: ") + box->text()));
                box->end(false);
                box->paste();
                QVERIFY2(allowed(box), qPrintable(where + QStringLiteral(" after a second paste: ") + box->text()));
                box->clear();
                QTest::keyClicks(box, typable());
                QVERIFY2(allowed(box), qPrintable(where + QStringLiteral(" after typing: ") + box->text()));
            }
        }
        QVERIFY(boxes >= 15); // the channel editor's two, the DTMF, options and FM boxes
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_BadInput.moc"
