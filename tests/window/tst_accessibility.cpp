// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Form1 as a screen reader meets it: everything is read and pressed through QAccessible, and the
// names must stay true to the board after clicks, resets and pictures that fail to load.

#include "picturefolder.h"
#include "window/form1.h"
#include "window/squarebutton.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

using board::Index;
using SquareNames = QMap<int, QString>; // square number to name; every square left out is empty

namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(object);
    Q_ASSERT(accessible != nullptr);
    return accessible;
}

QString EmptyName(int square)
{
    return QStringLiteral("row %1, column %2: empty")
        .arg(square / board::kBoardSide + 1)
        .arg(square % board::kBoardSide + 1);
}

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void squareNamesFollowTheBoard_data();
    void squareNamesFollowTheBoard();
    void sumIsNamedAndReadable();

private:
    // Runs one step: "click N", "reset", "remove FILE" or "break FILE".
    void Do(const QString& step);

    std::unique_ptr<PictureFolder> pictures_;
    std::unique_ptr<window::Form1> form_;
};

void tst_Accessibility::init()
{
    pictures_ = std::make_unique<PictureFolder>();
    form_ = std::make_unique<window::Form1>();
}

void tst_Accessibility::cleanup()
{
    form_.reset();
    pictures_.reset();
}

void tst_Accessibility::Do(const QString& step)
{
    const QStringList words = step.split(QLatin1Char(' '));
    const std::string file = words.value(1).toStdString();
    if (words[0] == "click")
        QTest::mouseClick(form_->C(Index(words[1].toInt())), Qt::LeftButton);
    else if (words[0] == "reset")
        QTest::mouseClick(form_->Command2(), Qt::LeftButton);
    else if (words[0] == "remove")
        pictures_->Remove(file);
    else if (words[0] == "break")
        pictures_->Plant(file, QStringLiteral("random bytes"));
    else
        QFAIL(qPrintable("unknown step " + step));
}

void tst_Accessibility::squareNamesFollowTheBoard_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<SquareNames>("names");

    QTest::newRow("first square") << QStringList{ "click 0" } << SquareNames{ { 0, "row 1, column 1: knight" } };
    QTest::newRow("each piece along the top row")
        << QStringList{ "click 1", "click 2", "click 2", "click 3", "click 3",
                        "click 3", "click 4", "click 4", "click 4", "click 4" }
        << SquareNames{ { 1, "row 1, column 2: knight" },
                        { 2, "row 1, column 3: king" },
                        { 3, "row 1, column 4: bishop" },
                        { 4, "row 1, column 5: rook" } };
    QTest::newRow("rows run down, columns across")
        << QStringList{ "click 8", "click 63", "click 63" }
        << SquareNames{ { 8, "row 2, column 1: knight" }, { 63, "row 8, column 8: king" } };
    QTest::newRow("a full cycle ends empty")
        << QStringList{ "click 9", "click 9", "click 9", "click 9", "click 9" } << SquareNames{};
    QTest::newRow("reset empties every square")
        << QStringList{ "click 0", "click 10", "click 10", "click 10", "click 10", "click 36", "reset" }
        << SquareNames{};
    QTest::newRow("missing picture keeps the name")
        << QStringList{ "click 0", "remove viki.bmp", "click 0" } << SquareNames{ { 0, "row 1, column 1: knight" } };
    QTest::newRow("broken picture keeps the name")
        << QStringList{ "click 8", "break soki.bmp", "click 8" } << SquareNames{ { 8, "row 2, column 1: knight" } };
    QTest::newRow("failed reset names what it left")
        << QStringList{ "click 0", "click 1", "click 2", "click 2", "remove so.bmp", "reset" }
        << SquareNames{ { 1, "row 1, column 2: knight" }, { 2, "row 1, column 3: king" } };
}

void tst_Accessibility::squareNamesFollowTheBoard()
{
    QFETCH(QStringList, steps);
    QFETCH(SquareNames, names);
    for (const QString& step : steps)
        Do(step);
    for (QMessageBox* report : form_->findChildren<QMessageBox*>())
        report->accept();

    for (int square = 0; square < board::kSquareCount; ++square) {
        window::SquareButton* button = form_->C(Index(square));
        QCOMPARE(Accessible(button)->role(), QAccessible::Button);
        QCOMPARE(Accessible(button)->text(QAccessible::Name), names.value(square, EmptyName(square)));
    }
}

void tst_Accessibility::sumIsNamedAndReadable()
{
    QAccessibleInterface* const text1 = Accessible(form_->Text1());
    QCOMPARE(text1->role(), QAccessible::EditableText);
    QCOMPARE(text1->text(QAccessible::Name), QStringLiteral("weighted sum of the board"));
    Do("click 0");
    Do("click 1");
    QCOMPARE(text1->text(QAccessible::Value), QStringLiteral("0.0625"));
    QAccessibleTextInterface* const text = text1->textInterface();
    QVERIFY(text != nullptr);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("0.0625"));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
