// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Form1 in process, run once as it is and once with QT_SCALE_FACTOR=2, where the same layout
// must be drawn twice as large.

#include "picturefolder.h"

#include "translations.h"
#include "weightedsum.h"

#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>

#include <fstream>
#include <map>
#include <random>

#ifdef Q_OS_WIN
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>
#endif

using board::Index;
using board::PieceCode;

class tst_Form1 : public FormTest {
    Q_OBJECT

private slots:
    // The words follow the user's language as the program's do; the numbers stay in C's way.
    void initTestCase()
    {
        window::InstallTranslations();
        QLocale::setDefault(QLocale::c());
    }

    void controlsStandWhereDescribed()
    {
        // clang-format off
        const std::array<std::pair<QWidget*, QRect>, 7> controls{ {
            { form->C(Index(0)), { 0, 0, 73, 73 } }, { form->C(Index(1)), { 72, 0, 73, 73 } },
            { form->C(Index(9)), { 72, 72, 73, 73 } }, { form->C(Index(63)), { 504, 504, 73, 73 } },
            { form->Command2(), { 32, 584, 81, 33 } }, { form->Text1(), { 240, 576, 137, 41 } },
            { form->Command1(), { 32, 272, 105, 41 } } } };
        // clang-format on
        for (const auto& [control, geometry] : controls)
            QCOMPARE(control->geometry(), geometry);
        QCOMPARE(form->size(), QSize(576, 615));
        QCOMPARE(form->windowTitle(), QStringLiteral("tessk-research"));
        QCOMPARE(form->Command1()->text(), QStringLiteral("calculate >>"));
        QCOMPARE(form->Command2()->text(), QStringLiteral("reset"));
        QCOMPARE(form->Text1()->font().pointSizeF(), 13.5);
        // "calculate >>" lies under the squares; where neighbours overlap, the earlier square lies above.
        ShowForm();
        const QRect calculate = form->Command1()->geometry();
        for (const QPoint point : { calculate.center(), calculate.topLeft(), calculate.bottomRight() })
            QVERIFY(qobject_cast<window::SquareButton*>(form->childAt(point)));
        QCOMPARE(form->childAt(72, 10), form->C(Index(1)));
        QCOMPARE(form->childAt(10, 72), form->C(Index(8)));
        QCOMPARE(form->childAt(250, 576), form->C(Index(59)));
        QCOMPARE(form->childAt(250, 590), form->Text1());
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

    // The first board comes from no file: each shade's plain colour. A loaded picture lies one pixel
    // in from its square's corner at its own size, never scaled to the square; all at the screen's scale.
    void picturesLieAtTheirPlaces()
    {
        ShowForm();
        QImage shot = form->grab().toImage();
        QCOMPARE(shot.size(), form->size() * qMax(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR")));
        for (const QPoint light : { QPoint(1, 1), QPoint(70, 70), QPoint(540, 540) })
            QCOMPARE(QColor(Grabbed(shot, light)), QColor(192, 192, 128));
        for (const QPoint dark : { QPoint(108, 36), QPoint(36, 108) })
            QCOMPARE(QColor(Grabbed(shot, dark)), QColor(128, 160, 128));
        QCOMPARE(form->Text1()->text(), QString());
        for (const int square : { 0, 1, 8, 8 })
            form->C_Click(Index(square));
        shot = form->grab().toImage();
        for (const auto& [square, file] :
             { std::pair{ 0, "vilo.bmp" }, std::pair{ 1, "solo.bmp" }, std::pair{ 8, "soki.bmp" } }) {
            const QRect picture(form->C(Index(square))->geometry().topLeft() + QPoint(1, 1), QSize(70, 70));
            for (const QPoint inside : { picture.topLeft(), picture.bottomRight(), picture.center() })
                QCOMPARE(Grabbed(shot, inside), PictureFolder::ColourOf(file));
            for (const QPoint outside : { picture.topLeft() - QPoint(1, 1), picture.bottomRight() + QPoint(1, 1) })
                QVERIFY(Grabbed(shot, outside) != PictureFolder::ColourOf(file));
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

    // A click whose picture is missing keeps the square and says why in the user's language, naming
    // the file and the folder, with Qt's own word for OK in that language (ctest runs this under
    // LANG=de_DE, es_ES and ja_JP too; a language the program lacks gets English). "reset" empties
    // the squares in order and stops at the first whose picture fails.
    void failuresKeepTheBoardTrue()
    {
        // By locale: the report (%1: the folder), and the language of Qt's translation that gives the OK.
        // Wine has no C locale: it runs the English suite in American English.
        const char* const english =
            R"(Cannot show the picture "viki.bmp" from the folder "%1": there is no such file.)";
        // clang-format off
        const std::map<QString, std::pair<const char*, const char*>> reports{
            { "C", { english, "" } }, { "en_US", { english, "" } }, { "ja_JP", { english, "" } },
            { "de_DE", { "Das Bild „viki.bmp“ aus dem Ordner „%1“ kann nicht angezeigt werden: Die Datei gibt es nicht.", "de" } },
            { "es_ES", { "No se puede mostrar la imagen «viki.bmp» de la carpeta «%1»: el archivo no existe.", "es" } } };
        // clang-format on
        QVERIFY2(reports.contains(QLocale::system().name()), qPrintable(QLocale::system().name()));
        const auto [expected, qtLanguage] = reports.at(QLocale::system().name());
        for (const int square : { 0, 1, 2, 2, 3 })
            form->C_Click(Index(square));
        pictures->Remove("viki.bmp");
        form->C_Click(Index(0));
        QCOMPARE(form->Board().CodeAt(Index(0)), PieceCode::Knight);
        QCOMPARE(Shown(0), PictureFolder::ColourOf("vilo.bmp"));
        QCOMPARE(form->Text1()->text(), QStringLiteral("0.15625"));
        auto* report = form->findChild<QMessageBox*>();
        QVERIFY(report && report->isVisible());
        QCOMPARE(report->text(), QString::fromUtf8(expected).arg(pictures->Folder()));
        QTranslator qt;
        const bool qtTranslated = *qtLanguage != '\0' && qt.load(QStringLiteral("qtbase_") + qtLanguage,
                                                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QCOMPARE(report->button(QMessageBox::Ok)->text(),
                 qtTranslated ? qt.translate("QPlatformTheme", "OK") : QStringLiteral("OK"));
        report->close();

        const QRgb squareTwoBefore = Shown(2);
        pictures->Remove("so.bmp");
        form->Command2_Click();
        QCOMPARE(form->Board().CodeAt(Index(0)), PieceCode::Empty);
        QCOMPARE(Shown(0), PictureFolder::ColourOf("vi.bmp"));
        QCOMPARE(form->Board().CodeAt(Index(1)), PieceCode::Knight);
        QCOMPARE(Shown(1), PictureFolder::ColourOf("solo.bmp"));
        QCOMPARE(form->Board().CodeAt(Index(2)), PieceCode::King);
        QCOMPARE(Shown(2), squareTwoBefore);
        QCOMPARE(form->Text1()->text(), QStringLiteral("0.125"));
    }

    // 100,000 random presses on any square, one in a hundred on "reset", against a board of the
    // test's own: after each, the window's board and Text1 agree with it. Resident memory stays
    // flat after a warm-up.
    void randomPressesKeepEverythingTrue()
    {
        form->Command2_Click();
        std::mt19937 random(42);
        board::Board model;
        qint64 residentAfterWarmUp = 0;
        for (int step = 0; step < 100000; ++step) {
            const Index pressed(static_cast<int>(random() % 64));
            if (random() % 100 == 0) {
                form->Command2()->click();
                model = board::Board{};
            } else {
                form->C(pressed)->click();
                model.StoreCode(pressed, model.PlanClick(pressed).next);
            }
            if (form->Board() != model || form->Text1()->text() != QString::fromStdString(board::SumText(model)))
                QFAIL(qPrintable(QStringLiteral("step %1: the board or its sum is not the model's").arg(step)));
            if (step == 999)
                residentAfterWarmUp = ResidentBytes();
        }
        QVERIFY(!form->findChild<QMessageBox*>());
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer keeps freed memory in quarantine, so resident size says nothing here");
#endif
        const qint64 growth = ResidentBytes() - residentAfterWarmUp;
        QVERIFY2(residentAfterWarmUp > 0 && growth <= (1 << 20), qPrintable(QString::number(growth)));
    }

private:
    static qint64 ResidentBytes()
    {
#ifdef Q_OS_WIN
        PROCESS_MEMORY_COUNTERS counters{};
        K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
        return static_cast<qint64>(counters.WorkingSetSize);
#else
        qint64 size = 0, residentPages = -1;
        std::ifstream("/proc/self/statm") >> size >> residentPages;
        return residentPages * 4096;
#endif
    }
};

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
