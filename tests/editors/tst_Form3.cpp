// Placeholder until the window's tests land.
#include <QtTest>

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestForm3)
#include "tst_Form3.moc"
