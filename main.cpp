// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "accessiblelineedit.h"
#include "applicationiconengine.h"
#include "form1.h"
#include "translations.h"

#include <QAccessible>
#include <QApplication>
#include <QIcon>

#ifdef _WIN32
#include "runningmark.h"
#endif

int main(int argc, char* argv[]) // NOLINT(modernize-avoid-c-arrays): the signature main must have
{
#ifdef _WIN32
    installation::HoldRunningMark();
#endif
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tessk-research"));
    QApplication::setApplicationVersion(QStringLiteral(TESSK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSK_APP_ID));
    QApplication::setWindowIcon(QIcon(new window::ApplicationIconEngine));
    window::InstallTranslations();
    // Text1's screen-reader interface in place of Qt's own, whose queries can hang a screen reader.
    QAccessible::installFactory(&window::AccessibleLineEdit::Create);

    window::Form1 form1;
    form1.show();
    return QApplication::exec();
}
