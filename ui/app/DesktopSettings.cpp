#include "ui/app/DesktopSettings.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QTimer>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");

// A portal that does not answer costs nothing but this timer in the bus library: the look is
// already shown, and the answer would only change it.
constexpr int kReplyTimeoutMs = 5000;

constexpr int kListenAttempts = 20;
constexpr int kListenRetryMs = 250;

// One setting's key among the change counts.
QString SettingId(const QString& ANamespace, const QString& AKey) {
    return ANamespace + u'\n' + AKey;
}

// Read wraps the value in one variant more than ReadOne; a misbehaving service may nest deeper.
// Only a bounded number of layers is taken off.
QVariant Unwrapped(QVariant AValue) {
    for (int layer = 0; layer < 4 && AValue.metaType() == QMetaType::fromType<QDBusVariant>();
         ++layer)
        AValue = AValue.value<QDBusVariant>().variant();
    return AValue;
}

} // namespace

TDesktopSettings::TDesktopSettings(const QDBusConnection& AConnection, QObject* AParent)
    : QObject(AParent), FConnection(AConnection) {
    if (!FConnection.isConnected()) return;
    if (!Listen()) QTimer::singleShot(0, this, [this] { ListenLater(kListenAttempts); });
    AskAll();
}

// No service name: watching the portal's name would ask the bus for its owner and wait for the
// answer. Whoever sends this signal on the portal's path and interface is heard.
bool TDesktopSettings::Listen() {
    return FConnection.connect(QString(), kPath, kInterface, QStringLiteral("SettingChanged"), this,
                               SLOT(SettingChanged(QString, QString, QDBusVariant)));
}

// While the connection is still being set up (Qt's accessibility bridge may be making it at the
// same time), QtDBus can turn the subscription down without a reason; it is tried again from the
// event loop, and what changed meanwhile is asked again.
void TDesktopSettings::ListenLater(int AAttempts) {
    if (Listen()) {
        AskAll();
        return;
    }
    if (AAttempts > 1)
        QTimer::singleShot(kListenRetryMs, this, [this, AAttempts] { ListenLater(AAttempts - 1); });
}

void TDesktopSettings::AskAll() {
    const auto appearance = QString::fromLatin1(TDesktopLook::AppearanceNamespace);
    for (const char* key :
         {TDesktopLook::ColorSchemeKey, TDesktopLook::ContrastKey, TDesktopLook::ReducedMotionKey})
        Ask(appearance, QString::fromLatin1(key), true);
    Ask(QString::fromLatin1(TDesktopLook::GnomeInterfaceNamespace),
        QString::fromLatin1(TDesktopLook::EnableAnimationsKey), true);
}

void TDesktopSettings::Ask(const QString& ANamespace, const QString& AKey, bool AIsReadOne) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       AIsReadOne ? QStringLiteral("ReadOne")
                                                                  : QStringLiteral("Read"));
    call << ANamespace << AKey;
    auto* watcher = new QDBusPendingCallWatcher(FConnection.asyncCall(call, kReplyTimeoutMs), this);
    const quint64 changesBefore = FChangeCounts.value(SettingId(ANamespace, AKey));
    // QtDBus may hand on a change signal before the answer to a read the portal answered first.
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, ANamespace, AKey, AIsReadOne, changesBefore] {
                watcher->deleteLater();
                if (FChangeCounts.value(SettingId(ANamespace, AKey)) != changesBefore) return;
                const QDBusMessage reply = watcher->reply();
                if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                    TakeSetting(ANamespace, AKey, Unwrapped(reply.arguments().constFirst()));
                } else if (AIsReadOne &&
                           reply.errorName() == u"org.freedesktop.DBus.Error.UnknownMethod"_qs) {
                    Ask(ANamespace, AKey, false);
                }
                // Any other error (no portal, no such setting, no answer): no preference.
            });
}

void TDesktopSettings::TakeSetting(const QString& ANamespace, const QString& AKey,
                                   const QVariant& AValue) {
    const TLook look = FLook.Look();
    const bool isReduced = FLook.IsReducedMotion();
    if (!FLook.Take(ANamespace, AKey, AValue)) return;
    if (look != FLook.Look()) emit LookChanged(FLook.Look());
    if (isReduced != FLook.IsReducedMotion()) emit ReducedMotionChanged(FLook.IsReducedMotion());
}

void TDesktopSettings::SettingChanged(const QString& ANamespace, const QString& AKey,
                                      const QDBusVariant& AValue) {
    ++FChangeCounts[SettingId(ANamespace, AKey)];
    TakeSetting(ANamespace, AKey, Unwrapped(AValue.variant()));
}
