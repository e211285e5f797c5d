// The SHA-256 of a file that the commit marker knows each new file by: the same digest as
// QCryptographicHash gives, by the processor's SHA instructions and without them, for
// every length around the block and chunk boundaries where padding and carries go wrong.
#include "storage/filedigest.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QtTest>

class tst_filedigest : public QObject
{
    Q_OBJECT

private slots:
    void sameAsQtsSha256_data()
    {
        QTest::addColumn<qint64>("length");
        for (qint64 n : {0, 1, 3, 55, 56, 57, 63, 64, 65, 119, 120, 127, 128, 129, 1000})
            QTest::newRow(qPrintable(QString::number(n))) << n;
        const qint64 chunk = 1 << 20;
        for (qint64 n : {chunk - 1, chunk, chunk + 1, chunk + 63, 3 * chunk + 57})
            QTest::newRow(qPrintable(QStringLiteral("chunk %1").arg(n - chunk))) << n;
    }
    void sameAsQtsSha256()
    {
        QFETCH(qint64, length);
        QByteArray bytes(length, Qt::Uninitialized);
        QRandomGenerator random(quint32(length) + 1);
        for (char &c : bytes)
            c = char(random.bounded(256));
        QTemporaryFile file;
        QVERIFY(file.open());
        QCOMPARE(file.write(bytes), length);
        QVERIFY(file.flush());
        const QByteArray expected = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
        for (storage::DigestWay way : {storage::DigestWay::Fastest, storage::DigestWay::Portable}) {
            storage::FileDigest digest;
            QVERIFY(storage::digestOf(file, digest, way)); // from the start, wherever the file stands
            QCOMPARE(digest.size, length);
            QCOMPARE(digest.sha256.toHex(), expected.toHex());
        }
    }

    void unreadableFileHasNoDigest()
    {
        QFile file(QStringLiteral("/nonexistent/none"));
        storage::FileDigest digest;
        QVERIFY(!storage::digestOf(file, digest));
    }
};

QTEST_GUILESS_MAIN(tst_filedigest)
#include "tst_filedigest.moc"
