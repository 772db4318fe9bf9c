#include "model/DesktopLook.h"

namespace {

// The portal's enumerations are unsigned 32-bit numbers; a signed or wider whole number in range
// is taken too, anything else is no preference (0).
unsigned EnumerationOf(const QVariant& AValue) {
    switch (AValue.metaType().id()) {
    case QMetaType::UInt:
    case QMetaType::Int:
    case QMetaType::UShort:
    case QMetaType::Short:
    case QMetaType::UChar:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool isNumber = false;
        const qlonglong value = AValue.toLongLong(&isNumber);
        return isNumber && value >= 0 && value <= 0xFFFF ? unsigned(value) : 0;
    }
    default: return 0;
    }
}

} // namespace

QString LookStyleName(TLook ALook) {
    switch (ALook) {
    case TLook::Dark: return QStringLiteral("DarkLook");
    case TLook::HighContrast: return QStringLiteral("HighContrastLook");
    case TLook::Light: break;
    }
    return QStringLiteral("LightLook");
}

QString LookStyleSheetResource(TLook ALook) {
    switch (ALook) {
    case TLook::Dark: return QStringLiteral(":/zemtrix/zemtrix-dark.qss");
    case TLook::HighContrast: return QStringLiteral(":/zemtrix/zemtrix-high-contrast.qss");
    case TLook::Light: break;
    }
    return {};
}

bool TDesktopLook::Take(const QString& ANamespace, const QString& AKey, const QVariant& AValue) {
    const TLook look = Look();
    const bool isReduced = IsReducedMotion();
    if (ANamespace == QLatin1StringView(AppearanceNamespace)) {
        if (AKey == QLatin1StringView(ColorSchemeKey)) FColorScheme = EnumerationOf(AValue);
        if (AKey == QLatin1StringView(ContrastKey)) FContrast = EnumerationOf(AValue);
        if (AKey == QLatin1StringView(ReducedMotionKey)) FReducedMotion = EnumerationOf(AValue);
    } else if (ANamespace == QLatin1StringView(GnomeInterfaceNamespace) &&
               AKey == QLatin1StringView(EnableAnimationsKey)) {
        FIsAnimationEnabled = AValue.metaType().id() != QMetaType::Bool || AValue.toBool();
    }
    return look != Look() || isReduced != IsReducedMotion();
}

TLook TDesktopLook::Look() const {
    if (FContrast == 1) return TLook::HighContrast;
    return FColorScheme == 1 ? TLook::Dark : TLook::Light;
}

bool TDesktopLook::IsReducedMotion() const { return !FIsAnimationEnabled || FReducedMotion == 1; }
