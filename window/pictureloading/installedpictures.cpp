// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "installedpictures.h"

#include "picturefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace window {
namespace {

#ifdef Q_OS_WIN

// How a Windows user starts the program in the folder of its pictures.
QString StartThere(const QString& installed)
{
    //: Follows the report of a missing picture on Windows. %1: the folder of the installed
    //: pictures; %2: the program's file name.
    return PictureLoadError::tr("The program's pictures are in \"%1\"; it reads them from the folder it is started "
                                "in, so start it there: from its Start-menu shortcut, or with a double click on %2 "
                                "in that folder.")
        .arg(QDir::toNativeSeparators(installed), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

#else

// `text` as one word for a POSIX shell: as it is when it holds only characters that mean nothing
// to a shell, else in single quotes.
QString ShellWord(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+:,=@%-]+$"));
    if (plain.match(text).hasMatch())
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// How the program is started in the folder of its pictures from a POSIX shell.
QString StartThere(const QString& installed)
{
    //: Follows the report of a missing picture. %1: the folder of the installed pictures; %2 and %3:
    //: that folder and the program as a shell reads them, in a command that stays as it is.
    return PictureLoadError::tr("The program's pictures are installed in \"%1\"; it reads them from the folder it "
                                "is started in, so start it there: cd %2 && %3")
        .arg(installed, ShellWord(installed), ShellWord(QCoreApplication::applicationFilePath()));
}

#endif

} // namespace

QString InstalledPicturesFolder(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral(TESSK_PICTURES_FROM_PROGRAM));
}

QString InstalledPicturesHint(const QString& file, const QString& folder)
{
    if (QCoreApplication::instance() == nullptr)
        return {};
    return InstalledPicturesHint(file, folder, QCoreApplication::applicationDirPath());
}

QString InstalledPicturesHint(const QString& file, const QString& folder, const QString& programFolder)
{
    // Compared as the file system compares names: without regard to case on Windows.
    const QFileInfo installed(InstalledPicturesFolder(programFolder));
    if (!installed.isDir() || installed == QFileInfo(folder) ||
        !QFileInfo(QDir(installed.canonicalFilePath()).filePath(file)).isFile())
        return {};
    return StartThere(installed.canonicalFilePath());
}

} // namespace window
