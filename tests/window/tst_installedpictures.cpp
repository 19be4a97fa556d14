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
    // A program in PREFIX/FOLDER/bin, whose installed pictures folder holds vilo.bmp or not, misses
    // vilo.bmp in another folder or in that one. Where there is a hint, it names the installed folder
    // and, but on Windows, whose words differ, gives the shell command.
    void saysWhereThePicturesAre_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("installed"); // "file" or "empty"
        QTest::addColumn<bool>("startedThere");
        QTest::addColumn<bool>("hinted");
        const auto row = [](const char* name, const char* folder, const char* installed, bool startedThere,
                            bool hinted) {
            QTest::newRow(name) << QString(folder) << QString(installed) << startedThere << hinted;
        };
        row("started elsewhere", "usr", "file", false, true);
        row("a folder a shell reads as two words", "my programs", "file", false, true);
        row("started in the installed folder", "usr", "file", true, false);
        row("the file is not installed either", "usr", "empty", false, false);
    }

    void saysWhereThePicturesAre()
    {
        QFETCH(QString, folder);
        QFETCH(QString, installed);
        QFETCH(bool, startedThere);
        QFETCH(bool, hinted);
        const QTemporaryDir prefix;
        const QString program = prefix.filePath(folder + "/bin");
        const QString pictures = window::InstalledPicturesFolder(program);
        QVERIFY(QDir().mkpath(pictures));
        if (installed == "file")
            QVERIFY(QFile(QDir(pictures).filePath("vilo.bmp")).open(QIODevice::WriteOnly));
        const QString canonical = QDir(pictures).canonicalPath();
        const QString result = window::InstalledPicturesHint(
            "vilo.bmp", QDir::toNativeSeparators(startedThere ? canonical : prefix.path()), program);
        QCOMPARE(!result.isEmpty(), hinted);
        // In quotes: in the command below the folder is there in any case.
        QVERIFY(!hinted || result.contains('"' + QDir::toNativeSeparators(canonical) + '"'));
#ifndef Q_OS_WIN
        const QString shellWord = canonical.contains(' ') ? "'" + canonical + "'" : canonical;
        QVERIFY(!hinted || result.endsWith(": cd " + shellWord + " && " + QCoreApplication::applicationFilePath()));
#endif
    }
};

QTEST_GUILESS_MAIN(tst_InstalledPictures)
#include "tst_installedpictures.moc"
