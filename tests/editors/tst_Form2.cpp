// Placeholder until the window's tests land.
#include <QtTest>

class TestForm2 : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestForm2)
#include "tst_Form2.moc"
