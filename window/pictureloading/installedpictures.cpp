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

} // namespace

QString InstalledPicturesHint(const QString& file, const QString& folder)
{
    if (QCoreApplication::instance() == nullptr)
        return {};
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString installed =
        QFileInfo(programFolder.filePath(QStringLiteral(TESSK_PICTURES_FROM_PROGRAM))).canonicalFilePath();
    if (installed.isEmpty() || installed == QFileInfo(folder).canonicalFilePath() ||
        !QFileInfo(QDir(installed).filePath(file)).isFile())
        return {};
    //: Follows the report of a missing picture. %1: the folder of the installed pictures; %2 and %3:
    //: that folder and the program as a shell reads them, in a command that stays as it is.
    return PictureLoadError::tr("The program's pictures are installed in \"%1\"; it reads them from the folder it "
                                "is started in, so start it there: cd %2 && %3")
        .arg(installed, ShellWord(installed), ShellWord(QCoreApplication::applicationFilePath()));
}

} // namespace window
