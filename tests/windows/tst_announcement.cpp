// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// A changed square's new name on its way to UI Automation, in process, on Qt's own Windows platform:
// accessibility is switched on as a screen reader switches it on, by asking the window for its UI
// Automation root, and every notice is caught before Qt's provider turns it into UI Automation's.

#include "formtest.h"

#include <QAccessible>
#include <QPushButton>

#include <windows.h>

#include <utility>
#include <vector>

namespace {

// UI Automation's object id in WM_GETOBJECT (UIAutomationCoreApi.h).
constexpr LPARAM kUiaRootObjectId = -25;

std::vector<std::pair<QObject*, QString>> spoken;

// The text notices of the squares.
void Catch(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::ValueChanged && qobject_cast<window::SquareButton*>(event->object()))
        spoken.emplace_back(event->object(), static_cast<QAccessibleValueChangeEvent*>(event)->value().toString());
}

} // namespace

class tst_Announcement : public FormTest {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installUpdateHandler(&Catch); }

    // Square 0 holds a knight before the presses; then FOCUSED (a square, or -1 for "reset") has the
    // focus and is pressed PRESSES times with Space. What goes out is the new name of the focused
    // square after each press, and nothing for a square without the focus. (The names themselves,
    // in every language, are the screen-reader test's.)
    void newNameOfTheFocusedSquare_data()
    {
        QTest::addColumn<int>("focused");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("each press of the focused square")
            << 1 << 2 << QStringList{ "row 1, column 2: knight", "row 1, column 2: king" };
        QTest::newRow("reset empties a square without the focus") << -1 << 1 << QStringList{};
    }

    void newNameOfTheFocusedSquare()
    {
        QFETCH(int, focused);
        QFETCH(int, presses);
        QFETCH(QStringList, expected);
        ShowForm();
        SendMessageW(reinterpret_cast<HWND>(form->winId()), WM_GETOBJECT, 0, kUiaRootObjectId);
        QVERIFY(QAccessible::isActive());
        form->C(board::Index(0))->click();
        QCOMPARE(form->C(board::Index(0))->accessibleName(), QStringLiteral("row 1, column 1: knight"));

        QWidget* const control = focused < 0 ? static_cast<QWidget*>(form->Command2()) : form->C(board::Index(focused));
        control->setFocus();
        QTRY_VERIFY(control->hasFocus());
        spoken.clear();
        for (int press = 0; press < presses; ++press)
            QTest::keyClick(control, Qt::Key_Space);
        QStringList names;
        for (const auto& [object, name] : spoken) {
            QCOMPARE(object, control);
            names << name;
        }
        QCOMPARE(names, expected);
        if (focused < 0)
            QCOMPARE(form->C(board::Index(0))->accessibleName(), QStringLiteral("row 1, column 1: empty"));
    }
};

QTEST_MAIN(tst_Announcement)
#include "tst_announcement.moc"
