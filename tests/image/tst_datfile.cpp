// SPDX-License-Identifier: GPL-3.0-or-later
// The .dat file: header, refusals, and saves that never destroy the previous file.
#include "image/DatFile.h"
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace kt913;

namespace {
Image patterned()
{
    Image img;
    for (int a = 0; a < kImageSize; ++a)
        img[a] = std::uint8_t(a * 31 + 7);
    return img;
}
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// While it lives, files of this process cannot grow past `bytes`: a write beyond fails as
// on a full disk (the signal the kernel sends for it is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        const rlimit limit{bytes, m_old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TstDatFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
private slots:
    void layout()
    {
        const QByteArray bytes = toDatBytes(patterned());
        QCOMPARE(bytes.size(), kDatFileSize);
        QCOMPARE(bytes.left(6), QByteArray("HXW417"));
        QCOMPARE(bytes.mid(6, 4), QByteArray(4, char(0xFF)));
        QCOMPARE(bytes.mid(10, 5), QByteArray("V0100"));
        QCOMPARE(bytes.mid(15, 33), QByteArray(33, char(0xFF)));
        QCOMPARE(quint8(bytes[48 + 0x123]), patterned()[0x123]);
    }

    void saveThenOpenGivesTheSameImage()
    {
        const QString path = dir.filePath("a.dat");
        QVERIFY(writeDatFile(path, patterned()).ok());
        Image back{};
        QVERIFY(readDatFile(path, back).ok());
        QCOMPARE(back, patterned());
    }

    void savingOverALongerFileLeavesExactlyOneDataFile()
    {
        const QString path = dir.filePath("long.dat");
        writeAll(path, QByteArray(5000, 'x'));
        QVERIFY(writeDatFile(path, patterned()).ok());
        QCOMPARE(readAll(path).size(), kDatFileSize);
    }

    void wrongOrShortFilesAreRefusedAndChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("status");
        QByteArray good = toDatBytes(patterned());
        QByteArray radioId = good;
        radioId.replace(0, 6, "HXP417");
        QTest::newRow("radio identifier") << radioId << int(DatResult::WrongType);
        QTest::newRow("empty") << QByteArray() << int(DatResult::WrongType);
        QTest::newRow("short") << good.left(100) << int(DatResult::Incomplete);
        QTest::newRow("header only") << good.left(48) << int(DatResult::Incomplete);
        QTest::newRow("one byte short") << good.left(kDatFileSize - 1) << int(DatResult::Incomplete);
    }
    void wrongOrShortFilesAreRefusedAndChangeNothing()
    {
        QFETCH(QByteArray, contents);
        const QString path = dir.filePath("wrong.dat");
        writeAll(path, contents);
        Image img;
        img.fill(0x11);
        QFETCH(int, status);
        QCOMPARE(int(readDatFile(path, img).status), status);
        QVERIFY(std::all_of(img.begin(), img.end(), [](std::uint8_t b) { return b == 0x11; }));
    }

    void versionAndFillerAreNotExamined()
    {
        QByteArray bytes = toDatBytes(patterned());
        bytes.replace(10, 5, "V9999");
        bytes[20] = 0;
        bytes.append("trailing");
        Image img{};
        QVERIFY(fromDatBytes(bytes, img).ok());
        QCOMPARE(img, patterned());
    }

    void failuresAreReportedAndKeepThePreviousFile()
    {
        Image img{};
        QCOMPARE(readDatFile(dir.filePath("missing.dat"), img).status, DatResult::IoError);
        QCOMPARE(writeDatFile(dir.filePath("no/such/folder/x.dat"), img).status, DatResult::IoError);

        const QString path = dir.filePath("keep.dat");
        QVERIFY(writeDatFile(path, patterned()).ok());
        // A file where a folder is expected, and a disk that fills up mid-write (a file
        // size limit, which binds root as well): the file there before stays whole.
        const DatResult underAFile = writeDatFile(path + "/x.dat", Image{});
        QCOMPARE(underAFile.status, DatResult::IoError);
        QVERIFY(!underAFile.detail.isEmpty());
        DatResult full;
        {
            const FileSizeLimit limit(100);
            full = writeDatFile(path, Image{});
        }
        QCOMPARE(full.status, DatResult::IoError);
        QVERIFY(!full.detail.isEmpty());
        QCOMPARE(readAll(path), toDatBytes(patterned()));
        QCOMPARE(QDir(dir.path()).entryList({"keep.dat*"}, QDir::Files | QDir::Hidden), QStringList{"keep.dat"}); // no temporary left
    }
};

QTEST_GUILESS_MAIN(TstDatFile)
#include "tst_datfile.moc"
