// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Form1 in process, over pictures in memory. ctest runs it whole, and runs the layout and the
// first pictures once more with QT_SCALE_FACTOR=2, where the same layout must be drawn twice as large.
// (Spanish is the Windows zip's end-to-end test's.)

#include "formtest.h"

#include "piecepictures.h"
#include "translations.h"

#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTranslator>

using board::Index;
using board::PieceCode;

namespace {

// A square's name in English, as a screen reader reads it.
QString EnglishName(int square, PieceCode code)
{
    const std::array<const char*, board::kPieceCodeCount> pieces{ "empty", "knight", "king", "bishop", "rook" };
    return QStringLiteral("row %1, column %2: %3")
        .arg(square / 8 + 1)
        .arg(square % 8 + 1)
        .arg(pieces[board::Slot(code)]);
}

} // namespace

class tst_Form1 : public FormTest {
    Q_OBJECT

    // The centre pixel of the picture a square holds.
    [[nodiscard]] QRgb Shown(int square) const
    {
        return form->C(board::Index(square))->Picture().toImage().pixel(35, 35);
    }
    // A pixel of a grab, in the window's own coordinates at any scale.
    static QRgb Grabbed(const QImage& shot, QPoint point) { return shot.pixel(point * shot.devicePixelRatio()); }

    // Presses, one a word: a square's number, R for "reset", C for "calculate >>"; with the picture
    // named by `missing` taken away first.
    void Press(const QString& presses, const QString& missing) const
    {
        if (!missing.isEmpty())
            pictures->Remove(missing.toStdString());
        for (const QString& press : presses.split(' ', Qt::SkipEmptyParts)) {
            if (press == "R")
                form->Command2()->click();
            else if (press == "C")
                form->Command1()->click();
            else
                form->C(Index(press.toInt()))->click();
        }
    }

private slots:
    // The numbers are written in C's way; each language is its own row below.
    void initTestCase()
    {
        window::InstallTranslations({ QStringLiteral("en") });
        QLocale::setDefault(QLocale::c());
    }

    // Where a click lands: where neighbours overlap, on the earlier square; "calculate >>" lies
    // hidden under the squares, so that a click there lands on a square.
    void controlsStandWhereDescribed()
    {
        ShowForm();
        QCOMPARE(form->size(), QSize(576, 615));
        QCOMPARE(form->C(Index(0))->size(), QSize(73, 73)); // a pixel over its neighbours
        QCOMPARE(form->Text1()->font().pointSizeF(), 13.5);
        // clang-format off
        const std::array<std::pair<QPoint, QWidget*>, 7> hits{ {
            { { 36, 36 }, form->C(Index(0)) }, { { 72, 10 }, form->C(Index(1)) }, { { 10, 72 }, form->C(Index(8)) },
            { { 540, 540 }, form->C(Index(63)) }, { { 250, 576 }, form->C(Index(59)) }, { { 250, 590 }, form->Text1() },
            { { 72, 600 }, form->Command2() } } };
        // clang-format on
        for (const auto& [point, control] : hits)
            QCOMPARE(form->childAt(point), control);
        const QRect calculate = form->Command1()->geometry();
        QVERIFY(calculate.contains(QPoint(36, 290)));
        for (const QPoint point : { calculate.center(), calculate.topLeft(), calculate.bottomRight() })
            QVERIFY(qobject_cast<window::SquareButton*>(form->childAt(point)));
    }

    void tabOrderFirstFocusAndSpace()
    {
        ShowForm();
        QTRY_COMPARE(QApplication::focusWidget(), form->C(Index(0)));
        QList<QWidget*> expected{ form->Text1(), form->Command1(), form->Command2() };
        for (int square = 1; square < board::kSquareCount; ++square)
            expected << form->C(Index(square));
        for (QWidget* next : expected << form->C(Index(0))) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(form->C(Index(0)), Qt::Key_Space);
        QCOMPARE(form->Board().CodeAt(Index(0)), PieceCode::Knight);
        form->Text1()->clear();
        form->Command1()->setFocus();
        QTest::keyClick(form->Command1(), Qt::Key_Space);
        QCOMPARE(form->Text1()->text(), QStringLiteral("0.03125"));
    }

    // An arrow key moves the focus to the neighbouring square, and at an edge of the board keeps it.
    void arrowKeysMoveTheFocus_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("right along the row") << 0 << int(Qt::Key_Right) << 1;
        QTest::newRow("down the column") << 0 << int(Qt::Key_Down) << 8;
        QTest::newRow("left along the row") << 9 << int(Qt::Key_Left) << 8;
        QTest::newRow("up the column") << 9 << int(Qt::Key_Up) << 1;
        QTest::newRow("left at the left edge") << 8 << int(Qt::Key_Left) << 8;
        QTest::newRow("up at the top edge") << 3 << int(Qt::Key_Up) << 3;
        QTest::newRow("right at the right edge") << 15 << int(Qt::Key_Right) << 15;
        QTest::newRow("down at the bottom edge") << 60 << int(Qt::Key_Down) << 60;
    }

    void arrowKeysMoveTheFocus()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        ShowForm();
        form->C(Index(from))->setFocus();
        QTRY_VERIFY(form->C(Index(from))->hasFocus());
        QTest::keyClick(form->C(Index(from)), static_cast<Qt::Key>(key));
        QCOMPARE(QApplication::focusWidget(), form->C(Index(to)));
        QCOMPARE(form->Board(), board::Board{});
    }

    // The first board comes from no file: each shade's plain colour, at the screen's scale. (Where a
    // loaded picture lies in its square is tst_squarebutton's.)
    void firstPicturesArePlainColours()
    {
        ShowForm();
        const QImage shot = form->grab().toImage();
        for (const QPoint light : { QPoint(1, 1), QPoint(70, 70), QPoint(540, 540) })
            QCOMPARE(QColor(Grabbed(shot, light)), QColor(192, 192, 128));
        for (const QPoint dark : { QPoint(108, 36), QPoint(36, 108) })
            QCOMPARE(QColor(Grabbed(shot, dark)), QColor(128, 160, 128));
        QCOMPARE(form->Text1()->text(), QString());
    }

    // After the presses: the pieces (square and letter, N K B R), the sum, and how many pictures
    // were asked for, each afresh. A picture that fails keeps its square as it was, with a report;
    // "reset" empties the squares in order and stops at the first whose picture fails.
    void pressesChangeTheBoard_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("pieces");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<int>("asked");
        const auto row = [](const char* name, const char* presses, const char* missing, const char* pieces,
                            const char* sum, int asked) {
            QTest::newRow(name) << QString(presses) << QString(missing) << QString(pieces) << QString(sum) << asked;
        };
        row("each piece along the top row", "1 2 2 3 3 3 4 4 4 4", "", "1N 2K 3B 4R", "0.290178571428571", 10);
        row("rows run down, columns across", "8 63 63", "", "8N 63K", "0.09375", 3);
        row("five presses end empty", "9 9 9 9 9", "", "", "0", 5);
        row("reset empties every square", "10 36 R", "", "", "0", 2 + 64);
        row("calculate reads no picture", "5 C", "", "5N", "0.03125", 1);
        row("a missing picture keeps its square", "0 0 1", "viki.bmp", "0N 1N", "0.0625", 3);
        row("reset stops at the first failure", "0 1 2 2 R", "so.bmp", "1N 2K", "0.09375", 6);
    }

    void pressesChangeTheBoard()
    {
        QFETCH(QString, presses);
        QFETCH(QString, missing);
        QFETCH(QString, pieces);
        QFETCH(QString, sum);
        QFETCH(int, asked);
        Press(presses, missing);
        board::Board expected;
        for (const QString& piece : pieces.split(' ', Qt::SkipEmptyParts))
            expected.StoreCode(Index(piece.chopped(1).toInt()),
                               static_cast<PieceCode>(QStringLiteral(".NKBR").indexOf(piece.back())));
        QCOMPARE(form->Board(), expected);
        QCOMPARE(form->Text1()->text(), sum);
        QCOMPARE(static_cast<int>(pictures->asked.size()), asked);
        // Each square shows its piece's picture, or its first plain one if it has loaded none.
        for (const Index index : board::kAllSquares) {
            const PieceCode code = expected.CodeAt(index);
            const QRgb plain = drawings::ShadeColour(board::ShadeOf(index));
            const QRgb shown = Shown(index.Value());
            QVERIFY2(shown == pictures->Colour(board::PictureName(board::ShadeOf(index), code)) ||
                         (code == PieceCode::Empty && shown == plain),
                     qPrintable(QString::number(index.Value())));
            QCOMPARE(form->C(index)->accessibleName(), EnglishName(index.Value(), code));
        }
        auto* report = form->findChild<QMessageBox*>();
        QCOMPARE(report != nullptr, !missing.isEmpty());
        if (report) {
            QVERIFY(report->isVisible() && report->windowModality() != Qt::ApplicationModal);
            QVERIFY2(report->text().contains(missing), qPrintable(report->text()));
        }
    }

    // Text1 is emptied first, then shows the sum from its first digit in the locale's way, whatever was typed.
    void text1ShowsEachNewSumFromItsStart()
    {
        ShowForm();
        QTest::keyClicks(form->Text1(), "12345");
        QSignalSpy changes(form->Text1(), &QLineEdit::textChanged);
        for (int click = 0; click < 3; ++click)
            QTest::mouseClick(form->C(Index(2)), Qt::LeftButton);
        QCOMPARE(changes.first().first().toString(), QString());
        QCOMPARE(changes.at(1).first().toString(), QStringLiteral("0.03125"));
        QCOMPARE(form->Text1()->text(), QStringLiteral("0.0714285714285714"));
        QCOMPARE(form->Text1()->cursorPosition(), 0);
        QLocale::setDefault(QLocale(QLocale::German));
        form->Command1_Click();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(form->Text1()->text(), QStringLiteral("0,0714285714285714"));
    }

    // The user's preferred languages, in order: the words of the first the program speaks, English
    // when none, and Qt's own words (the sum box's menu) in the same language. The captions and the
    // title stay English.
    // (That every text has its translation is tests/translations'.)
    void speaksThePreferredLanguage_data()
    {
        QTest::addColumn<QStringList>("preferred");
        // The name of square 1 holding a knight; words of the report for viki.bmp missing, and of its reason.
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("qtLanguage"); // of Qt's own words; empty for English
        const QStringList english{ "row 1, column 2: knight", "Cannot show the picture", "there is no such file" };
        const QStringList german{ "Zeile 1, Spalte 2: Springer", "kann nicht angezeigt werden",
                                  "Die Datei gibt es nicht" };
        const QStringList french{ "ligne 1, colonne 2\u00a0: cavalier", "Impossible d’afficher l’image",
                                  "le fichier n’existe pas" };
        QTest::newRow("English first") << QStringList{ "en-GB", "de" } << english << QString();
        QTest::newRow("German") << QStringList{ "de-DE" } << german << QStringLiteral("de");
        QTest::newRow("French") << QStringList{ "fr-FR" } << french << QStringLiteral("fr");
        QTest::newRow("one it lacks, then German") << QStringList{ "ja-JP", "de-AT" } << german << QStringLiteral("de");
        QTest::newRow("none it has") << QStringList{ "ja-JP" } << english << QString();
    }

    void speaksThePreferredLanguage()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QStringList, words);
        QFETCH(QString, qtLanguage);
        const auto english = qScopeGuard([] { window::InstallTranslations({ QStringLiteral("en") }); });
        window::InstallTranslations(preferred);
        form = std::make_unique<window::Form1>(pictures->Source());
        Press("1 0 0", "viki.bmp");
        QCOMPARE(form->C(Index(1))->accessibleName(), words[0]);
        auto* box = form->findChild<QMessageBox*>();
        QVERIFY(box);
        for (const QString& part : { QStringLiteral("viki.bmp"), QString(PictureTable::kFolder), words[1], words[2] })
            QVERIFY2(box->text().contains(part), qPrintable(box->text()));
        QTranslator qt;
        const bool qtTranslated = !qtLanguage.isEmpty() && qt.load(QStringLiteral("qtbase_") + qtLanguage,
                                                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        const std::unique_ptr<QMenu> menu(form->Text1()->createStandardContextMenu());
        QCOMPARE(menu->actions().last()->text().section('\t', 0, 0),
                 qtTranslated ? qt.translate("QLineEdit", "Select All") : QStringLiteral("Select All"));
        QCOMPARE(form->Command1()->text(), QStringLiteral("calculate >>"));
        QCOMPARE(form->Command2()->text(), QStringLiteral("reset"));
        QCOMPARE(form->windowTitle(), QStringLiteral("tessk-research"));
    }
};

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
