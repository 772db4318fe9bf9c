#include "ui/window/AboutWin.h"

#include "ui/widgets/Controls.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSize kClientSize(282, 183);

QLabel* CreateLabel(QWidget* AParent, const char* AName, const QString& AText, QPoint APosition,
                    int APixelSize, bool AIsBold) {
    auto* label = new QLabel(AText, AParent);
    label->setObjectName(QString::fromLatin1(AName));
    label->setFont(DesignFont({}, APixelSize, AIsBold));
    label->move(APosition);
    label->adjustSize(); // sized to its text
    return label;
}

} // namespace

const char* const TAboutForm::MakerLine = "Copyright © Orvelmont";

TAboutForm::TAboutForm(QWidget* AParent)
    : QDialog(AParent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("About Zemtrix"));
    setFixedSize(kClientSize);
    setModal(true);
    Label1 = CreateLabel(this, "Label1", QStringLiteral("Zemtrix"), {99, 24}, 22, true);
    Label2 = CreateLabel(this, "Label2", QStringLiteral("Ver.2"), {127, 64}, 16, false);
    Label3 = CreateLabel(this, "Label3", QString::fromUtf8(MakerLine), {56, 104}, 14, false);

    Button1 = new QPushButton(tr("Close"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(DesignFont({}, 12, false));
    Button1->setGeometry(101, 144, 80, 22);
    Button1->setDefault(true); // Enter presses it; Escape closes the dialog as a cancel would
    connect(Button1, &QPushButton::clicked, this, &TAboutForm::Button1Click);

    if (const QScreen* screen = AParent ? AParent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAboutForm::Button1Click() { close(); }
