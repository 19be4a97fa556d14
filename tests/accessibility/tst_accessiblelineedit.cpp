// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The sum box's text interface, in process, as a screen reader queries it.

#include "accessiblelineedit.h"

#include <QLineEdit>
#include <QTest>

#include <array>

namespace {

constexpr std::array kBoundaries{ QAccessible::CharBoundary,      QAccessible::WordBoundary,
                                  QAccessible::SentenceBoundary,  QAccessible::ParagraphBoundary,
                                  QAccessible::LineBoundary,      QAccessible::NoBoundary };
constexpr std::array kQueries{ &QAccessibleTextInterface::textAtOffset, &QAccessibleTextInterface::textBeforeOffset,
                               &QAccessibleTextInterface::textAfterOffset };

} // namespace

class tst_AccessibleLineEdit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(&window::AccessibleLineEdit::Create); }

    // Every query at every offset, at the caret too, answers a piece of the text that lies within
    // it, the one at the offset for textAtOffset; the attribute run at an offset holds it.
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
            for (const auto boundary : kBoundaries)
                for (const auto query : kQueries) {
                    int start = -1, end = -1, caretStart = -1, caretEnd = -1;
                    const QString piece = (queried->*query)(offset, boundary, &start, &end);
                    const QString atCaret = (queried->*query)(-2, boundary, &caretStart, &caretEnd);
                    const bool holds = query != kQueries[0] || offset == text.size() || (start <= offset && offset < end);
                    QVERIFY2(piece == text.mid(start, end - start) && 0 <= start && start <= end && end <= text.size() &&
                                 holds && atCaret == piece && caretStart == start && caretEnd == end,
                             qPrintable(QStringLiteral("offset %1, boundary %2: %3..%4 \"%5\", at the caret %6..%7")
                                            .arg(offset).arg(boundary).arg(start).arg(end).arg(piece)
                                            .arg(caretStart).arg(caretEnd)));
                }
            int start = -1, end = -1;
            queried->attributes(offset, &start, &end);
            QVERIFY(offset == text.size() || (start <= offset && offset < end));
        }
    }

    // The pieces themselves, in "12 34. 5".
    void readsThePieces_data()
    {
        QTest::addColumn<int>("query"); // 0 at, 1 before, 2 after
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("boundary");
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("the character at 1") << 0 << 1 << int(QAccessible::CharBoundary) << "2" << 1 << 2;
        QTest::newRow("no character at the end") << 0 << 8 << int(QAccessible::CharBoundary) << "" << 8 << 8;
        QTest::newRow("the last character, before the end") << 1 << 8 << int(QAccessible::CharBoundary) << "5" << 7 << 8;
        QTest::newRow("nothing before the start") << 1 << 0 << int(QAccessible::CharBoundary) << "" << 0 << 0;
        QTest::newRow("the word at 4") << 0 << 4 << int(QAccessible::WordBoundary) << "34" << 3 << 5;
        QTest::newRow("the word at the end") << 0 << 8 << int(QAccessible::WordBoundary) << "5" << 7 << 8;
        QTest::newRow("after the first word") << 2 << 0 << int(QAccessible::WordBoundary) << " " << 2 << 3;
        QTest::newRow("the second sentence") << 0 << 7 << int(QAccessible::SentenceBoundary) << "5" << 7 << 8;
        QTest::newRow("the line") << 0 << 3 << int(QAccessible::LineBoundary) << "12 34. 5" << 0 << 8;
        QTest::newRow("nothing after the line") << 2 << 3 << int(QAccessible::LineBoundary) << "" << 8 << 8;
    }

    void readsThePieces()
    {
        QFETCH(int, query);
        QFETCH(int, offset);
        QFETCH(int, boundary);
        QFETCH(QString, piece);
        QFETCH(int, start);
        QFETCH(int, end);
        QLineEdit edit("12 34. 5");
        QAccessibleTextInterface* const queried = QAccessible::queryAccessibleInterface(&edit)->textInterface();
        int gotStart = -1, gotEnd = -1;
        QCOMPARE((queried->*kQueries[static_cast<std::size_t>(query)])(
                     offset, static_cast<QAccessible::TextBoundaryType>(boundary), &gotStart, &gotEnd),
                 piece);
        QCOMPARE(gotStart, start);
        QCOMPARE(gotEnd, end);
    }
};

QTEST_MAIN(tst_AccessibleLineEdit)
#include "tst_accessiblelineedit.moc"
