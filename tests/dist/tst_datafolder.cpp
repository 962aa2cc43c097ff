// Where the program looks for its data: beside the executable in a build,
// ../share/qzarel-numerology in an installed tree.
#include "engine/datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestDataFolder : public QObject
{
    Q_OBJECT

    static void touch(const QString &path)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void lookupOrder()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.path() + QStringLiteral("/bin");
        const QString share = root.path() + QStringLiteral("/share/qzarel-numerology");
        QVERIFY(QDir().mkpath(bin));

        // Nothing anywhere: the executable's folder, so messages name it.
        QCOMPARE(DataFolder::forApplicationDir(bin), bin);

        // A plain file of the share folder's name is not a data folder.
        QVERIFY(QDir().mkpath(root.path() + QStringLiteral("/share")));
        touch(share);
        QCOMPARE(DataFolder::forApplicationDir(bin), bin);
        QVERIFY(QFile::remove(share));

        // Installed tree: found through bin/../share, returned without "..".
        QVERIFY(QDir().mkpath(share));
        QCOMPARE(DataFolder::forApplicationDir(bin), share);
        QCOMPARE(DataFolder::forApplicationDir(bin + QLatin1Char('/')), share);

        // Data beside the executable (a build folder) wins over the share folder,
        // whether eng.dat or only images/ is there.
        QVERIFY(QDir().mkpath(bin + QStringLiteral("/images")));
        QCOMPARE(DataFolder::forApplicationDir(bin), bin);
        QVERIFY(QDir(bin + QStringLiteral("/images")).removeRecursively());
        touch(bin + QStringLiteral("/eng.dat"));
        QCOMPARE(DataFolder::forApplicationDir(bin), bin);

        // A file called images is not a folder of pictures.
        QVERIFY(QFile::remove(bin + QStringLiteral("/eng.dat")));
        touch(bin + QStringLiteral("/images"));
        QCOMPARE(DataFolder::forApplicationDir(bin), share);
    }

    void runningExecutable()
    {
        // Tests run from the build's bin folder, which holds the data.
        QCOMPARE(DataFolder::path(), QDir::cleanPath(QCoreApplication::applicationDirPath()));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
