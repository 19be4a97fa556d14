#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tessk-research"));
    QApplication::setApplicationVersion(QStringLiteral(TESSK_VERSION));

    window::Form1 form1;
    form1.show();
    return QApplication::exec();
}
