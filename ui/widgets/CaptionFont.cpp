#include "ui/widgets/CaptionFont.h"

#include <QFontDatabase>

QStringList CaptionFontFiles() {
    return {QStringLiteral(":/zemtrix/fonts/ZemtrixCaptions-Regular.otf"),
            QStringLiteral(":/zemtrix/fonts/ZemtrixCaptions-Bold.otf")};
}

// Registered before the first control measures its text: adding a font later would make every
// control resolve its font again.
bool RegisterCaptionFont() {
    static const bool isRegistered = [] {
        Q_INIT_RESOURCE(zemtrix_desktop); // the resources live in a static library
        bool isComplete = true;
        for (const QString& file : CaptionFontFiles())
            isComplete = QFontDatabase::addApplicationFont(file) >= 0 && isComplete;
        return isComplete;
    }();
    return isRegistered;
}
