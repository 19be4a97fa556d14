// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The floor for the program's start-up: Qt alone showing a window of Form1's size with one push
// button captioned "reset" where Command2 lies, the least that draws any text (its first frame
// loads the fonts, as any window's with a caption does).

#include "formdescription.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(window::kForm1ClientSize);
    const auto reset = std::find_if(window::kForm1Controls.begin(), window::kForm1Controls.end(),
                                    [](const auto& control) { return control.name == window::ControlName::Command2; });
    auto* button = new QPushButton(QStringLiteral("reset"), &window);
    button->setGeometry(reset->Geometry());
    window.show();
    return QApplication::exec();
}
