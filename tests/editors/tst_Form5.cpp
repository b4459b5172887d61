// Placeholder until the window's tests land.
#include <QtTest>

class TestForm5 : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestForm5)
#include "tst_Form5.moc"
