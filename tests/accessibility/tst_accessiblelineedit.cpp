// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The sum box's text interface, in process, as a screen reader queries it.

#include "accessiblelineedit.h"

#include <QLineEdit>
#include <QTest>

#include <array>

namespace {

constexpr std::array kBoundaries{ QAccessible::CharBoundary,     QAccessible::WordBoundary,
                                  QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                                  QAccessible::LineBoundary,     QAccessible::NoBoundary };
constexpr std::array kQueries{ &QAccessibleTextInterface::textAtOffset, &QAccessibleTextInterface::textBeforeOffset,
                               &QAccessibleTextInterface::textAfterOffset };

} // namespace

class tst_AccessibleLineEdit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(&window::AccessibleLineEdit::Create); }

    // Every query at every offset, at the caret too, answers a piece of the text that lies within
    // it: the one at the offset for textAtOffset, and the ones that end and start where that one
    // starts and ends for textBeforeOffset and textAfterOffset; the attribute run at an offset holds it.
    void answersEveryQuery_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : { "", "0", "0.03125", "0,0714285714285714", "4.57142857142857", "12 34. 5" })
            QTest::newRow(*text ? text : "empty") << QString::fromLatin1(text);
    }

    void answersEveryQuery()
    {
        QFETCH(QString, text);
        QLineEdit edit(text);
        QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(&edit);
        QVERIFY(dynamic_cast<window::AccessibleLineEdit*>(accessible));
        QAccessibleTextInterface* const queried = accessible->textInterface();
        QCOMPARE(queried->characterCount(), text.size());
        QCOMPARE(accessible->text(QAccessible::Value), text);
        for (int offset = 0; offset <= text.size(); ++offset) {
            queried->setCursorPosition(offset);
            for (const auto boundary : kBoundaries) {
                int atStart = -1, atEnd = -1;
                queried->textAtOffset(offset, boundary, &atStart, &atEnd);
                for (const auto query : kQueries) {
                    int start = -1, end = -1, caretStart = -1, caretEnd = -1;
                    const QString piece = (queried->*query)(offset, boundary, &start, &end);
                    const QString atCaret = (queried->*query)(-2, boundary, &caretStart, &caretEnd);
                    const bool holds =
                        query != kQueries[0] || offset == text.size() || (start <= offset && offset < end);
                    const bool beside =
                        (query != kQueries[1] || end == atStart) && (query != kQueries[2] || start == atEnd);
                    const QString where = QStringLiteral("offset %1, boundary %2").arg(offset).arg(boundary);
                    QVERIFY2(piece == text.mid(start, end - start) && 0 <= start && end <= text.size() && holds &&
                                 beside,
                             qPrintable(where));
                    QVERIFY2(atCaret == piece && caretStart == start && caretEnd == end, qPrintable(where));
                }
            }
            int start = -1, end = -1;
            queried->attributes(offset, &start, &end);
            QVERIFY(offset == text.size() || (start <= offset && offset < end));
        }
    }
};

QTEST_MAIN(tst_AccessibleLineEdit)
#include "tst_accessiblelineedit.moc"
