// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "installedpictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_InstalledPictures : public QObject {
    Q_OBJECT

private slots:
    // A program in PREFIX/FOLDER/bin, whose installed pictures folder holds vilo.bmp or not (or is
    // not there at all), misses vilo.bmp in another folder or in that one. The hint, %1 standing for
    // the installed folder and %2 for the program; on Windows, where the words differ, it names the
    // installed folder when it is not empty.
    void saysWhereThePicturesAre_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("installed"); // "file", "empty" or "none"
        QTest::addColumn<bool>("startedThere");
        QTest::addColumn<QString>("hint");
        const QString posix = "The program's pictures are installed in \"%1\"; it reads them from the folder it is "
                              "started in, so start it there: cd %3 && %2";
        QTest::newRow("started elsewhere") << "usr"
                                           << "file" << false << posix;
        QTest::newRow("a folder a shell reads as two words") << "my programs"
                                                             << "file" << false << posix;
        QTest::newRow("started in the installed folder") << "usr"
                                                         << "file" << true << "";
        QTest::newRow("the file is not installed either") << "usr"
                                                          << "empty" << false << "";
        QTest::newRow("no installed folder, as in a build") << "usr"
                                                            << "none" << false << "";
    }

    void saysWhereThePicturesAre()
    {
        QFETCH(QString, folder);
        QFETCH(QString, installed);
        QFETCH(bool, startedThere);
        QFETCH(QString, hint);
        const QTemporaryDir prefix;
        const QString program = prefix.filePath(folder + "/bin");
        QVERIFY(QDir().mkpath(program));
        const QString pictures = window::InstalledPicturesFolder(program);
        if (installed != "none")
            QVERIFY(QDir().mkpath(pictures));
        if (installed == "file")
            QVERIFY(QFile(QDir(pictures).filePath("vilo.bmp")).open(QIODevice::WriteOnly));
        const QString canonical = QDir(pictures).canonicalPath();
        const QString result = window::InstalledPicturesHint(
            "vilo.bmp", startedThere ? QDir::toNativeSeparators(canonical) : QDir::toNativeSeparators(prefix.path()),
            program);
#ifdef Q_OS_WIN
        QCOMPARE(result.isEmpty(), hint.isEmpty());
        QVERIFY(hint.isEmpty() || result.contains(QDir::toNativeSeparators(canonical)));
#else
        const QString shellWord = canonical.contains(' ') ? "'" + canonical + "'" : canonical;
        QCOMPARE(result,
                 hint.isEmpty() ? hint : hint.arg(canonical, QCoreApplication::applicationFilePath(), shellWord));
#endif
    }
};

QTEST_GUILESS_MAIN(tst_InstalledPictures)
#include "tst_installedpictures.moc"
