// Placeholder until the window's tests land.
#include <QtTest>

class TestForm4 : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestForm4)
#include "tst_Form4.moc"
