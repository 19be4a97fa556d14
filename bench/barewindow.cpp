// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The floor for the program's start-up: Qt alone showing an empty window of
// the size of Form1, and nothing else. Given a caption, it also shows a push
// button with it where "reset" lies: the least that draws any text.

#include "formdescription.h"

#include <QApplication>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <algorithm>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(window::kForm1ClientSize);
    if (argc > 1) {
        const auto reset =
            std::find_if(window::kForm1Controls.begin(), window::kForm1Controls.end(),
                         [](const auto& control) { return control.name == window::ControlName::Command2; });
        auto* button = new QPushButton(QString::fromLocal8Bit(argv[1]), &window);
        button->setGeometry(reset->Geometry());
    }
    window.show();
    return QApplication::exec();
}
