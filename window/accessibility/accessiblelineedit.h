// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace window {

// What a screen reader meets in a line edit such as Text1, in place of Qt's own: every query by
// character, word, sentence or line answers from a fixed list of boundaries, so it always ends (at
// the end of the text too), and the attribute run at any offset covers the whole text, so a screen
// reader that reads run by run reads every character.
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* lineEdit);

    // For QAccessible::installFactory: our interface for every QLineEdit, nullptr for anything else.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    [[nodiscard]] QLineEdit* lineEdit() const;
    // The piece of the shown text `step` pieces away from the one at offset (-1 before, 0 at, 1 after).
    QString piece(int offset, QAccessible::TextBoundaryType boundaryType, int step, int* startOffset,
                  int* endOffset) const;
};

} // namespace window
