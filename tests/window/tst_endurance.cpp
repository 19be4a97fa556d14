// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "picturefolder.h"
#include "window/form1.h"
#include "window/squarebutton.h"

#include "board/weightedsum.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <array>
#include <memory>
#include <random>

namespace {

constexpr int kSteps = 100000;
constexpr int kWarmUpSteps = 1000;
constexpr int kResetOneIn = 100;
constexpr qint64 kAllowedGrowthBytes = qint64{ 1 } << 20;
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

qint64 ResidentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : -1;
}

} // namespace

class tst_Endurance : public QObject {
    Q_OBJECT

private slots:
    void randomClicksAndResetsKeepEverythingTrue();

private:
    // Checks each square whose picture changed since the last look, and that no
    // square's code changed without its picture changing too.
    bool squaresMatchTheirCodes(const window::Form1& form);

    std::array<qint64, board::kSquareCount> seenPicture_{};
    board::Board seenBoard_;
};

bool tst_Endurance::squaresMatchTheirCodes(const window::Form1& form)
{
    for (const board::Index index : board::kAllSquares) {
        const QPixmap& picture = form.C(index)->Picture();
        const board::PieceCode code = form.Board().CodeAt(index);
        const auto slot = static_cast<std::size_t>(index.Value());
        if (picture.cacheKey() == seenPicture_[slot]) {
            if (code != seenBoard_.CodeAt(index))
                return false;
            continue;
        }
        const std::string_view file = board::PictureName(board::ShadeOf(index), code);
        if (picture.toImage().pixel(35, 35) != PictureFolder::ColourOf(file))
            return false;
        seenPicture_[slot] = picture.cacheKey();
    }
    seenBoard_ = form.Board();
    return true;
}

void tst_Endurance::randomClicksAndResetsKeepEverythingTrue()
{
    const PictureFolder pictures;
    window::Form1 form;
    form.Command2()->click();
    std::mt19937 random(42);
    std::uniform_int_distribution<int> square(0, board::kSquareCount - 1);
    std::uniform_int_distribution<int> action(0, kResetOneIn - 1);

    qint64 residentAfterWarmUp = 0;
    for (int step = 0; step < kSteps; ++step) {
        if (action(random) == 0)
            form.Command2()->click();
        else
            form.C(board::Index(square(random)))->click();
        if (form.Text1()->text() != QString::fromStdString(board::SumText(form.Board())))
            QFAIL(qPrintable(QStringLiteral("step %1: the text disagrees with the board").arg(step)));
        if (!squaresMatchTheirCodes(form))
            QFAIL(qPrintable(QStringLiteral("step %1: a square's picture disagrees with its code").arg(step)));
        if (step + 1 == kWarmUpSteps)
            residentAfterWarmUp = ResidentBytes();
    }
    QVERIFY(!form.findChild<QObject*>(QStringLiteral("failureReport")));

    if (kAddressSanitizer)
        QSKIP("the address sanitizer keeps freed memory in quarantine, so resident size says nothing here");
    const qint64 residentAtEnd = ResidentBytes();
    QVERIFY(residentAfterWarmUp > 0 && residentAtEnd > 0);
    QVERIFY2(
        residentAtEnd - residentAfterWarmUp <= kAllowedGrowthBytes,
        qPrintable(QStringLiteral("resident memory grew by %1 KiB").arg((residentAtEnd - residentAfterWarmUp) / 1024)));
}

QTEST_MAIN(tst_Endurance)
#include "tst_endurance.moc"
