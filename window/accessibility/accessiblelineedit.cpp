// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "accessiblelineedit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace window {
namespace {

// Every boundary of the given kind in text, from 0 to its length: the pieces lie between neighbours.
std::vector<qsizetype> Boundaries(const QString& text, QAccessible::TextBoundaryType boundaryType)
{
    std::vector<qsizetype> boundaries{ 0 };
    if (text.isEmpty())
        return boundaries;
    QTextBoundaryFinder::BoundaryType finderType = QTextBoundaryFinder::Grapheme;
    switch (boundaryType) {
    case QAccessible::CharBoundary: finderType = QTextBoundaryFinder::Grapheme; break;
    case QAccessible::WordBoundary: finderType = QTextBoundaryFinder::Word; break;
    case QAccessible::SentenceBoundary: finderType = QTextBoundaryFinder::Sentence; break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::NoBoundary: boundaries.push_back(text.size()); return boundaries;
    }
    QTextBoundaryFinder finder(finderType, text);
    for (qsizetype next = finder.toNextBoundary(); next > 0; next = finder.toNextBoundary())
        boundaries.push_back(next);
    if (boundaries.back() != text.size())
        boundaries.push_back(text.size());
    return boundaries;
}

} // namespace

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* lineEdit) : QAccessibleWidget(lineEdit, QAccessible::EditableText) {}

QAccessibleInterface* AccessibleLineEdit::Create(const QString& className, QObject* object)
{
    auto* lineEdit = qobject_cast<QLineEdit*>(object);
    if (className != QLatin1String("QLineEdit") || lineEdit == nullptr)
        return nullptr;
    return new AccessibleLineEdit(lineEdit);
}

QLineEdit* AccessibleLineEdit::lineEdit() const
{
    return qobject_cast<QLineEdit*>(widget());
}

QString AccessibleLineEdit::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return lineEdit()->displayText();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = lineEdit()->isReadOnly();
    state.editable = !lineEdit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void* AccessibleLineEdit::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void AccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !lineEdit()->hasSelectedText())
        return;
    *startOffset = lineEdit()->selectionStart();
    *endOffset = lineEdit()->selectionEnd();
}

int AccessibleLineEdit::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    const QString shown = lineEdit()->displayText();
    const qsizetype start = std::clamp<qsizetype>(startOffset, 0, shown.size());
    const qsizetype end = endOffset < 0 ? shown.size() : std::clamp<qsizetype>(endOffset, start, shown.size());
    return shown.mid(start, end - start);
}

QString AccessibleLineEdit::piece(int offset, QAccessible::TextBoundaryType boundaryType, int step, int* startOffset,
                                  int* endOffset) const
{
    const QString shown = lineEdit()->displayText();
    if (offset == -2) // the caret, by QAccessibleTextInterface's convention
        offset = cursorPosition();
    const qsizetype at = std::clamp<qsizetype>(offset, 0, shown.size());
    const std::vector<qsizetype> boundaries = Boundaries(shown, boundaryType);
    const auto pieces = static_cast<qsizetype>(boundaries.size()) - 1;

    // The piece holding `at`; at the very end, the last piece, except that there is no character there.
    qsizetype index = pieces;
    if (pieces > 0 && !(boundaryType == QAccessible::CharBoundary && at == shown.size()))
        index = std::upper_bound(boundaries.begin(), boundaries.end() - 1, at) - boundaries.begin() - 1;
    index += step;

    qsizetype start = index < 0 ? 0 : shown.size();
    qsizetype end = start;
    if (index >= 0 && index < pieces) {
        start = boundaries[static_cast<std::size_t>(index)];
        end = boundaries[static_cast<std::size_t>(index) + 1];
    }
    *startOffset = static_cast<int>(start);
    *endOffset = static_cast<int>(end);
    return shown.mid(start, end - start);
}

QString AccessibleLineEdit::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                             int* endOffset) const
{
    return piece(offset, boundaryType, -1, startOffset, endOffset);
}

QString AccessibleLineEdit::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                            int* endOffset) const
{
    return piece(offset, boundaryType, 1, startOffset, endOffset);
}

QString AccessibleLineEdit::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const
{
    return piece(offset, boundaryType, 0, startOffset, endOffset);
}

int AccessibleLineEdit::characterCount() const
{
    return static_cast<int>(lineEdit()->displayText().size());
}

QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QString shown = lineEdit()->displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // Measured from the caret (the middle of its rectangle), which the line edit places with its
    // scrolling taken into account.
    const QFontMetrics metrics(lineEdit()->font());
    const QRect caret = lineEdit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int left = caret.left() + caret.width() / 2 + metrics.horizontalAdvance(shown.left(offset)) -
                     metrics.horizontalAdvance(shown.left(lineEdit()->cursorPosition()));
    const QRect rect(left, caret.top(), metrics.horizontalAdvance(shown.mid(offset, 1)), caret.height());
    return { lineEdit()->mapToGlobal(rect.topLeft()), rect.size() };
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = lineEdit()->mapFromGlobal(point);
    return lineEdit()->rect().contains(local) ? lineEdit()->cursorPositionAt(local) : -1;
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

QString AccessibleLineEdit::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    // One font for the whole text: one run, from its start to its end, whatever the offset.
    *startOffset = 0;
    *endOffset = characterCount();
    const QFont font = lineEdit()->font();
    return QStringLiteral("font-family:%1;font-size:%2pt;").arg(font.family()).arg(font.pointSizeF());
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    lineEdit()->setText(lineEdit()->text().remove(startOffset, endOffset - startOffset));
}

void AccessibleLineEdit::insertText(int offset, const QString& text)
{
    lineEdit()->setText(lineEdit()->text().insert(offset, text));
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString& text)
{
    lineEdit()->setText(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace window
