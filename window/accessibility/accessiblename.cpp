// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "accessiblename.h"

#include <QAccessible>
#include <QWidget>

// Qt before 6.5 sends the accessible-name PropertyChange of AT-SPI with the object's reference
// where the new name belongs, and Orca, which takes only a text there, speaks nothing. Qt 6.5 sends
// the name (its change "Send string to Atspi DBus interface on name/description changed",
// Change-Id Iaaa50678e7223951e0f3af99c5e04aa7458e4d0d, after GNOME's Orca issue 255; Debian 12's
// Qt 6.4.2 does not have it). Until then a notice of ours carries the name; from then on it would
// be a second one, and the screen-reader test, which wants exactly one per press, fails.
#if defined(TESSK_AT_SPI) && QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#define TESSK_NAME_NOTICE_OF_OUR_OWN
#endif

#ifdef TESSK_NAME_NOTICE_OF_OUR_OWN
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#endif

namespace window {
namespace {

#ifdef TESSK_NAME_NOTICE_OF_OUR_OWN

// The connection Qt's accessibility bridge opens to the accessibility bus, under this name. A
// notice must come from it to be taken as coming from the object at its path.
constexpr QLatin1StringView kBridgeConnection("a11y");

void AnnounceName(QWidget* widget, const QString& name)
{
    if (!QAccessible::isActive())
        return;
    const QDBusConnection bridge{ QString(kBridgeConnection) };
    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(widget);
    if (!bridge.isConnected() || accessible == nullptr)
        return;
    // The path and the signal are those of the bridge's own notice; the name goes where its
    // object reference went, and the trailing properties are left empty.
    QDBusMessage notice = QDBusMessage::createSignal(
        QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(accessible)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    notice << QStringLiteral("accessible-name") << 0 << 0 << QVariant::fromValue(QDBusVariant(name)) << QVariantMap();
    bridge.send(notice);
}

#elif defined(Q_OS_WIN)

// Qt 6.4's UI Automation provider raises the name-change event for combo boxes only, so a screen
// reader on Windows hears nothing when a square's piece changes. A value change with a text value,
// though, it raises as a UI Automation notification that carries the text, which Narrator and NVDA
// speak at once: the new name goes that way, for the control that has the focus, as a screen reader
// speaks a name change of the focused control only.
void AnnounceName(QWidget* widget, const QString& name)
{
    if (!QAccessible::isActive() || !widget->hasFocus())
        return;
    QAccessibleValueChangeEvent notice(widget, name);
    QAccessible::updateAccessibility(&notice);
}

#else

void AnnounceName(QWidget* /*widget*/, const QString& /*name*/) {}

#endif

} // namespace

void SetAccessibleName(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() == name)
        return;
    widget->setAccessibleName(name);
    AnnounceName(widget, name);
}

} // namespace window
