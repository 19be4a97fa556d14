// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "picturefolder.h"
#include "window/form1.h"
#include "window/squarebutton.h"

#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

using board::Index;
using board::PieceCode;

namespace {

QRgb ShownColour(const window::Form1& form, int square)
{
    return form.C(Index(square))->Picture().toImage().pixel(35, 35);
}

QMessageBox* FailureReport(const window::Form1& form)
{
    return form.findChild<QMessageBox*>(QStringLiteral("failureReport"));
}

} // namespace

class tst_Form1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsStandWhereDescribed_data();
    void controlsStandWhereDescribed();
    void stackingHidesCalculateUnderTheSquares();
    void tabOrderAndFirstFocus();
    void firstBoardIsDrawnWithoutReadingFiles();
    void clickCycleShowsEachFile_data();
    void clickCycleShowsEachFile();
    void clicksOnTwoSquaresAddUp();
    void resetShowsThePlainFilesAndZero();
    void keyboardPressesSquaresAndHiddenCalculate();
    void typedTextIsReplacedAtTheNextClick();
    void failedClickKeepsTheSquare_data();
    void failedClickKeepsTheSquare();
    void failedResetStopsAtTheFailingSquare();
    void sumUsesTheLocalesSeparator_data();
    void sumUsesTheLocalesSeparator();

private:
    std::unique_ptr<PictureFolder> pictures_;
    std::unique_ptr<window::Form1> form_;
};

void tst_Form1::init()
{
    pictures_ = std::make_unique<PictureFolder>();
    form_ = std::make_unique<window::Form1>();
}

void tst_Form1::cleanup()
{
    form_.reset();
    pictures_.reset();
    QLocale::setDefault(QLocale::c());
}

void tst_Form1::controlsStandWhereDescribed_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("C(0)") << "C0" << QRect(0, 0, 73, 73);
    QTest::newRow("C(1)") << "C1" << QRect(72, 0, 73, 73);
    QTest::newRow("C(9)") << "C9" << QRect(72, 72, 73, 73);
    QTest::newRow("C(63)") << "C63" << QRect(504, 504, 73, 73);
    QTest::newRow("Command2") << "Command2" << QRect(32, 584, 81, 33);
    QTest::newRow("Text1") << "Text1" << QRect(240, 576, 137, 41);
    QTest::newRow("Command1") << "Command1" << QRect(32, 272, 105, 41);
}

void tst_Form1::controlsStandWhereDescribed()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    QWidget* widget = nullptr;
    if (control == "Command1")
        widget = form_->Command1();
    else if (control == "Command2")
        widget = form_->Command2();
    else if (control == "Text1")
        widget = form_->Text1();
    else
        widget = form_->C(Index(control.mid(1).toInt()));
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(form_->size(), QSize(576, 615));
    QCOMPARE(form_->windowTitle(), QStringLiteral("tessk-research"));
    QCOMPARE(form_->Command1()->text(), QStringLiteral("calculate >>"));
    QCOMPARE(form_->Command2()->text(), QStringLiteral("reset"));
}

void tst_Form1::stackingHidesCalculateUnderTheSquares()
{
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    const QRect calculate = form_->Command1()->geometry();
    for (const QPoint point : { calculate.center(), calculate.topLeft(), calculate.topRight(), calculate.bottomLeft(),
                                calculate.bottomRight() })
        QVERIFY(qobject_cast<window::SquareButton*>(form_->childAt(point)));
    // The one-pixel overlaps: the square earlier in the description lies above.
    QCOMPARE(form_->childAt(72, 10), form_->C(Index(1)));
    QCOMPARE(form_->childAt(10, 72), form_->C(Index(8)));
    QCOMPARE(form_->childAt(250, 576), form_->C(Index(59)));
    QCOMPARE(form_->childAt(250, 590), form_->Text1());
    for (const Index index : board::kAllSquares)
        QVERIFY2(!form_->C(index)->visibleRegion().isEmpty(), qPrintable(QString::number(index.Value())));
}

void tst_Form1::tabOrderAndFirstFocus()
{
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QTRY_COMPARE(QApplication::focusWidget(), form_->C(Index(0)));

    QList<QWidget*> expected{ form_->Text1(), form_->Command1(), form_->Command2() };
    for (int square = 1; square < board::kSquareCount; ++square)
        expected << form_->C(Index(square));
    expected << form_->C(Index(0));
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void tst_Form1::firstBoardIsDrawnWithoutReadingFiles()
{
    // An empty folder: the first board must still show both shades and report nothing.
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    window::Form1 form;
    const QImage shot = form.grab().toImage();
    QCOMPARE(QColor(shot.pixel(36, 36)), QColor(192, 192, 128));
    QCOMPARE(QColor(shot.pixel(108, 36)), QColor(128, 160, 128));
    QCOMPARE(QColor(shot.pixel(36, 108)), QColor(128, 160, 128));
    QCOMPARE(QColor(shot.pixel(540, 540)), QColor(192, 192, 128));
    QCOMPARE(form.C(Index(0))->Picture().size(), QSize(70, 70));
    QCOMPARE(form.Text1()->text(), QString());
    QVERIFY(!FailureReport(form));
}

void tst_Form1::clickCycleShowsEachFile_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<QStringList>("files");
    const QStringList texts{ "0.03125", "0.0625", "0.0714285714285714", "0.125", "0" };
    QTest::newRow("light square 0") << 0 << QStringList{ "vilo.bmp", "viki.bmp", "vifu.bmp", "viba.bmp", "vi.bmp" };
    QTest::newRow("dark square 1") << 1 << QStringList{ "solo.bmp", "soki.bmp", "sofu.bmp", "soba.bmp", "so.bmp" };
    QTest::newRow("dark square 56") << 56 << QStringList{ "solo.bmp", "soki.bmp", "sofu.bmp", "soba.bmp", "so.bmp" };
}

void tst_Form1::clickCycleShowsEachFile()
{
    QFETCH(int, square);
    QFETCH(QStringList, files);
    const QStringList texts{ "0.03125", "0.0625", "0.0714285714285714", "0.125", "0" };
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    window::SquareButton* button = form_->C(Index(square));
    for (int step = 0; step < files.size(); ++step) {
        QTest::mouseClick(button, Qt::LeftButton);
        const QRgb expected = PictureFolder::ColourOf(files[step].toStdString());
        QCOMPARE(ShownColour(*form_, square), expected);
        QCOMPARE(button->grab().toImage().pixel(36, 36), expected);
        QCOMPARE(form_->Text1()->text(), texts[step]);
    }
    QCOMPARE(form_->Board(), board::Board{});
}

void tst_Form1::clicksOnTwoSquaresAddUp()
{
    form_->C_Click(Index(0));
    QCOMPARE(form_->Text1()->text(), QStringLiteral("0.03125"));
    form_->C_Click(Index(1));
    QCOMPARE(form_->Text1()->text(), QStringLiteral("0.0625"));
    QCOMPARE(ShownColour(*form_, 1), PictureFolder::ColourOf("solo.bmp"));
}

void tst_Form1::resetShowsThePlainFilesAndZero()
{
    for (const int square : { 0, 1, 1, 9, 63, 63, 63 })
        form_->C_Click(Index(square));
    QTest::mouseClick(form_->Command2(), Qt::LeftButton);
    QCOMPARE(form_->Text1()->text(), QStringLiteral("0"));
    QCOMPARE(form_->Board(), board::Board{});
    for (const Index index : board::kAllSquares) {
        const bool light = board::ShadeOf(index) == board::Shade::Light;
        QCOMPARE(ShownColour(*form_, index.Value()), PictureFolder::ColourOf(light ? "vi.bmp" : "so.bmp"));
    }
}

void tst_Form1::keyboardPressesSquaresAndHiddenCalculate()
{
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QTRY_COMPARE(QApplication::focusWidget(), form_->C(Index(0)));
    QTest::keyClick(form_->C(Index(0)), Qt::Key_Space);
    QCOMPARE(form_->Text1()->text(), QStringLiteral("0.03125"));

    form_->Text1()->clear();
    form_->Command1()->setFocus();
    QTest::keyClick(form_->Command1(), Qt::Key_Space);
    QCOMPARE(form_->Text1()->text(), QStringLiteral("0.03125"));
    QCOMPARE(form_->Board().CodeAt(Index(0)), PieceCode::Knight);
}

void tst_Form1::typedTextIsReplacedAtTheNextClick()
{
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QTest::keyClicks(form_->Text1(), "12345");
    QCOMPARE(form_->Text1()->text(), QStringLiteral("12345"));
    QTest::mouseClick(form_->C(Index(2)), Qt::LeftButton);
    QCOMPARE(form_->Text1()->text(), QStringLiteral("0.03125"));
}

void tst_Form1::failedClickKeepsTheSquare_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing"
                             << "no such file";
    QTest::newRow("not a picture") << "random bytes"
                                   << "not a picture";
    QTest::newRow("named pipe") << "named pipe"
                                << "named pipe";
    QTest::newRow("far too large") << "huge"
                                   << "larger than 1.5 MiB";
}

void tst_Form1::failedClickKeepsTheSquare()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    form_->C_Click(Index(1)); // a dark knight, untouched by the failing file
    pictures_->Remove("viki.bmp");
    if (kind != "missing")
        pictures_->Plant("viki.bmp", kind);
    form_->C_Click(Index(0)); // knight: works
    form_->C_Click(Index(0)); // king: fails
    QCOMPARE(form_->Board().CodeAt(Index(0)), PieceCode::Knight);
    QCOMPARE(ShownColour(*form_, 0), PictureFolder::ColourOf("vilo.bmp"));
    QCOMPARE(form_->Text1()->text(), QStringLiteral("0.0625"));

    QMessageBox* report = FailureReport(*form_);
    QVERIFY(report);
    QVERIFY(report->isVisible());
    QVERIFY2(report->text().contains("\"viki.bmp\""), qPrintable(report->text()));
    QVERIFY2(report->text().contains(pictures_->Folder()), qPrintable(report->text()));
    QVERIFY2(report->text().contains(reason), qPrintable(report->text()));
    report->accept();

    // The program goes on: another square still works.
    form_->C_Click(Index(3));
    QCOMPARE(form_->Text1()->text(), QStringLiteral("0.09375"));
}

void tst_Form1::failedResetStopsAtTheFailingSquare()
{
    for (const int square : { 0, 1, 2, 2, 3 })
        form_->C_Click(Index(square));
    const QRgb squareTwoBefore = ShownColour(*form_, 2);
    pictures_->Remove("so.bmp");
    form_->Command2_Click();

    // Square 0 (light) was reset; square 1, the first dark one, failed; the rest are untouched.
    QCOMPARE(form_->Board().CodeAt(Index(0)), PieceCode::Empty);
    QCOMPARE(ShownColour(*form_, 0), PictureFolder::ColourOf("vi.bmp"));
    QCOMPARE(form_->Board().CodeAt(Index(1)), PieceCode::Knight);
    QCOMPARE(ShownColour(*form_, 1), PictureFolder::ColourOf("solo.bmp"));
    QCOMPARE(form_->Board().CodeAt(Index(2)), PieceCode::King);
    QCOMPARE(ShownColour(*form_, 2), squareTwoBefore);
    QCOMPARE(form_->Text1()->text(), QStringLiteral("0.125"));
    QCOMPARE(form_->findChildren<QMessageBox*>().size(), 1);
}

void tst_Form1::sumUsesTheLocalesSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("C") << QLocale::c() << "0.0714285714285714";
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "0.0714285714285714";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "0,0714285714285714";
}

void tst_Form1::sumUsesTheLocalesSeparator()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    form_->C_Click(Index(5));
    form_->C_Click(Index(5));
    form_->C_Click(Index(5));
    QCOMPARE(form_->Text1()->text(), text);
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
