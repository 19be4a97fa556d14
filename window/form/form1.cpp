// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "form1.h"

#include "accessiblename.h"
#include "formdescription.h"
#include "formtexts.h"
#include "piecepictures.h"
#include "squarebutton.h"
#include "weightedsum.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPixmapCache>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

namespace window {
namespace {

// The plain picture a square shows before anything is read from a file: one
// colour of its shade, 8 bits per pixel with a palette, the size of the picture files.
QPixmap FirstPicture(board::Shade shade)
{
    QImage image(drawings::kPictureSide, drawings::kPictureSide, QImage::Format_Indexed8);
    image.setColorTable({ drawings::ShadeColour(shade) });
    image.fill(0);
    return QPixmap::fromImage(image);
}

QFont FontOfSize(double points, bool bold)
{
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The sum's text with the decimal separator of the user's locale.
QString LocalSumText(const board::Board& board)
{
    return QString::fromStdString(board::SumText(board)).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString SquareName(board::Index index, board::PieceCode code)
{
    return Form1::tr(texts::kSquareName)
        .arg(QString::number(index.Row() + 1), QString::number(index.Column() + 1),
             Form1::tr(texts::kPieceWords[board::Slot(code)]));
}

// The square an arrow key leads to from index; at an edge of the board, index itself.
board::Index Neighbour(board::Index index, Qt::Key key)
{
    switch (key) {
    case Qt::Key_Left: return board::Neighbour(index, 0, -1).value_or(index);
    case Qt::Key_Right: return board::Neighbour(index, 0, 1).value_or(index);
    case Qt::Key_Up: return board::Neighbour(index, -1, 0).value_or(index);
    case Qt::Key_Down: return board::Neighbour(index, 1, 0).value_or(index);
    default: return index;
    }
}

} // namespace

// What every square starts with, made once for all 64: the font, and one first
// picture of each shade that the squares of that shade share until they load their own.
struct Form1::SquareLook {
    QFont font = FontOfSize(kSquareFontPoints, true);
    std::array<QPixmap, 2> firstPictures{ FirstPicture(board::Shade::Light), FirstPicture(board::Shade::Dark) };
};

Form1::Form1(PictureSource pictures, QWidget* parent) : QWidget(parent), pictures_(std::move(pictures))
{
    setWindowTitle(QString::fromUtf8(kForm1Caption.data(), static_cast<qsizetype>(kForm1Caption.size())));
    // Opens at the client size, and the controls keep their places whatever size the window takes.
    // On Wayland it takes any size: a maximized or fullscreen window must match the size the
    // compositor configures (weston ends a client that does not), and Qt would clamp it to a
    // minimum size that a small screen's work area may not hold. An X11 window manager merely
    // resizes what it can, so there the window stays large enough to show all of its controls.
    resize(kForm1ClientSize);
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        setMinimumSize(kForm1ClientSize);

    // Built from the bottom of the stack up, so each control lies above those built before it.
    const SquareLook look;
    std::for_each(kForm1Controls.rbegin(), kForm1Controls.rend(), [this, &look](const ControlDescription& description) {
        switch (description.name) {
        case ControlName::C:
            squares_[static_cast<std::size_t>(description.index)] = createSquare(description, look);
            break;
        case ControlName::Command1: command1_ = createButton(description, &Form1::Command1_Click); break;
        case ControlName::Command2: command2_ = createButton(description, &Form1::Command2_Click); break;
        case ControlName::Text1: text1_ = createTextBox(description); break;
        }
    });
    setTabOrder();
}

SquareButton* Form1::C(board::Index index) const
{
    return squares_[static_cast<std::size_t>(index.Value())];
}

SquareButton* Form1::createSquare(const ControlDescription& description, const SquareLook& look)
{
    const board::Index index(description.index);
    auto* square = new SquareButton(this);
    square->setGeometry(description.Geometry());
    square->setFont(look.font);
    square->SetPicture(look.firstPictures[static_cast<std::size_t>(board::ShadeOf(index))]);
    square->setAccessibleName(SquareName(index, board::PieceCode::Empty));
    connect(square, &SquareButton::clicked, this, [this, index] { C_Click(index); });
    connect(square, &SquareButton::arrowPressed, this,
            [this, index](Qt::Key key) { C(Neighbour(index, key))->setFocus(Qt::OtherFocusReason); });
    return square;
}

QPushButton* Form1::createButton(const ControlDescription& description, void (Form1::*handler)())
{
    auto* button = new QPushButton(
        QString::fromUtf8(description.caption.data(), static_cast<qsizetype>(description.caption.size())), this);
    button->setGeometry(description.Geometry());
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QLineEdit* Form1::createTextBox(const ControlDescription& description)
{
    auto* text = new QLineEdit(this);
    text->setGeometry(description.Geometry());
    text->setFont(FontOfSize(kText1FontPoints, false));
    text->setAccessibleName(tr(texts::kSumBoxName));
    return text;
}

void Form1::setTabOrder()
{
    std::map<int, QWidget*> byTabIndex;
    for (const ControlDescription& description : kForm1Controls) {
        QWidget* control = nullptr;
        switch (description.name) {
        case ControlName::C: control = C(board::Index(description.index)); break;
        case ControlName::Command1: control = command1_; break;
        case ControlName::Command2: control = command2_; break;
        case ControlName::Text1: control = text1_; break;
        }
        byTabIndex.emplace(description.tabIndex, control);
    }
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, control] : byTabIndex) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    byTabIndex.begin()->second->setFocus();
}

void Form1::C_Click(board::Index index)
{
    text1_->setText(QString());
    const board::ClickPlan plan = board_.PlanClick(index);
    if (showPicture(index, plan.picture))
        storeCode(index, plan.next);
    Command1_Click();
}

void Form1::Command1_Click()
{
    text1_->setText(LocalSumText(board_));
    text1_->setCursorPosition(0); // a long sum shows its leading digits
}

void Form1::Command2_Click()
{
    for (const board::Index index : board::kAllSquares) {
        if (!showPicture(index, board::Board::ResetSquare(index)))
            break;
        storeCode(index, board::PieceCode::Empty);
    }
    Command1_Click();
}

bool Form1::showPicture(board::Index index, std::string_view fileName)
{
    std::variant<QImage, PictureLoadError> picture = pictures_(fileName);
    if (const auto* error = std::get_if<PictureLoadError>(&picture)) {
        reportFailure(*error);
        return false;
    }
    C(index)->SetPicture(QPixmap::fromImage(std::get<QImage>(std::move(picture))));
    return true;
}

void Form1::storeCode(board::Index index, board::PieceCode code)
{
    board_.StoreCode(index, code);
    SetAccessibleName(C(index), SquareName(index, code));
}

void Form1::reportFailure(const PictureLoadError& error)
{
    const QString message = error.Message();
    std::fprintf(stderr, "tessk-research: %s\n", message.toLocal8Bit().constData());
    // Not modal for the whole program: the handler finishes and the board stays usable.
    auto* box = new QMessageBox(QMessageBox::NoIcon, windowTitle(), message, QMessageBox::Ok, this);
    // The style makes a new icon for the warning sign and for the OK button of every box, and
    // each icon leaves its pixmap in QPixmapCache under a key of its own until the cache is full.
    // Both pixmaps are made once instead, at the size drawn, and kept under keys of ours.
    const qreal ratio = devicePixelRatioF();
    const auto sharedPixmap = [box, ratio](QStyle::StandardPixmap which, QStyle::PixelMetric size) {
        const QString key = QStringLiteral("tessk-research/failure-report/%1@%2").arg(which).arg(ratio);
        QPixmap pixmap;
        if (!QPixmapCache::find(key, &pixmap)) {
            const int side = box->style()->pixelMetric(size, nullptr, box);
            pixmap = box->style()->standardIcon(which, nullptr, box).pixmap(QSize(side, side), ratio);
            QPixmapCache::insert(key, pixmap);
        }
        return pixmap;
    };
    box->setIconPixmap(sharedPixmap(QStyle::SP_MessageBoxWarning, QStyle::PM_MessageBoxIconSize));
    if (QAbstractButton* ok = box->button(QMessageBox::Ok); ok && !ok->icon().isNull())
        ok->setIcon(QIcon(sharedPixmap(QStyle::SP_DialogOkButton, QStyle::PM_ButtonIconSize)));
    box->setObjectName(QStringLiteral("failureReport"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace window
