#include "platform/Accessibility.h"

#include <QAccessibleInterface>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QRect>

namespace tessavo {

namespace {

QAccessible::UpdateHandler g_listener = nullptr;

// ---- News the desktop's bridge drops or garbles ------------------------------
//
// Qt 6.4's AT-SPI bridge sends nothing for a change of place, and tells of a
// new name with the object itself where a reader expects the name. These two
// go out here, as the signals AT-SPI defines, on the bridge's own connection
// and under the bridge's own object paths, so that a reader takes them for
// the program's like all the rest.

constexpr const char *kBridgeConnection = "a11y";
constexpr const char *kObjectPathPrefix = "/org/a11y/atspi/accessible/";
constexpr const char *kEventInterface = "org.a11y.atspi.Event.Object";

// An object as AT-SPI names it: the bus name of its program and its path.
struct SpiReference {
    QString service;
    QDBusObjectPath path;
};

// A box on the screen, as a bounds-changed signal carries it.
struct SpiRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

QDBusArgument &operator<<(QDBusArgument &argument, const SpiReference &reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SpiReference &reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const SpiRect &rect)
{
    argument.beginStructure();
    argument << rect.x << rect.y << rect.width << rect.height;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SpiRect &rect)
{
    argument.beginStructure();
    argument >> rect.x >> rect.y >> rect.width >> rect.height;
    argument.endStructure();
    return argument;
}

// Sends a change of name or of place as its AT-SPI signal; false when the
// bridge has no connection, and the news goes the usual way.
bool tellOverBridgeConnection(QAccessibleEvent *event)
{
    if (!QAccessible::isActive())
        return false;
    const QDBusConnection bus(QString::fromLatin1(kBridgeConnection));
    if (!bus.isConnected())
        return false;
    static const bool registered = [] {
        qDBusRegisterMetaType<SpiReference>();
        qDBusRegisterMetaType<SpiRect>();
        return true;
    }();
    (void)registered;
    QAccessibleInterface *about = event->accessibleInterface();
    if (!about || !about->isValid())
        return true;
    const QString path =
        QString::fromLatin1(kObjectPathPrefix) + QString::number(QAccessible::uniqueId(about));
    QString member;
    QString detail;
    QDBusVariant data;
    if (event->type() == QAccessible::NameChanged) {
        member = QStringLiteral("PropertyChange");
        detail = QStringLiteral("accessible-name");
        data.setVariant(about->text(QAccessible::Name));
    } else {
        member = QStringLiteral("BoundsChanged");
        const QRect box = about->rect();
        data.setVariant(QVariant::fromValue(SpiRect{box.x(), box.y(), box.width(), box.height()}));
    }
    QDBusMessage signal =
        QDBusMessage::createSignal(path, QString::fromLatin1(kEventInterface), member);
    const SpiReference application{
        bus.baseService(),
        QDBusObjectPath(QString::fromLatin1(kObjectPathPrefix) + QStringLiteral("root"))};
    signal << detail << 0 << 0 << QVariant::fromValue(data) << QVariant::fromValue(application);
    bus.send(signal);
    return true;
}

} // namespace

bool accessibilityActive()
{
    return g_listener != nullptr || QAccessible::isActive();
}

void announce(QAccessibleEvent *event)
{
    if (g_listener) {
        g_listener(event);
        return;
    }
    const bool garbled =
        event->type() == QAccessible::NameChanged || event->type() == QAccessible::LocationChanged;
    if (garbled && tellOverBridgeConnection(event))
        return;
    QAccessible::updateAccessibility(event);
}

AccessibilityListener::AccessibilityListener(QAccessible::UpdateHandler handler)
    : m_before(QAccessible::installUpdateHandler(handler)), m_listenerBefore(g_listener)
{
    g_listener = handler;
}

AccessibilityListener::~AccessibilityListener()
{
    g_listener = m_listenerBefore;
    QAccessible::installUpdateHandler(m_before);
}

} // namespace tessavo
