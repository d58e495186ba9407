#include "about_dialog.h"
#include "program_title.h"

#include "app_icons.h"
#include "editor/dialog_units.h"

#include <QLabel>
#include <QPushButton>

CAboutDialog::CAboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About"));
    setAccessibleName(windowTitle());
    setFont(QFont(QStringLiteral("Arial"), 8));
    const DialogUnits units(font());
    setFixedSize(units.size(222, 62));

    auto* icon = new QLabel(this);
    icon->setAccessibleName(ProgramTitle());
    const QRect iconRect = units.rect(11, 17, 21, 20);
    icon->setGeometry(iconRect);
    icon->setPixmap(AppIcon().pixmap(std::min(iconRect.width(), iconRect.height())));

    const auto addLine = [&](const QString& text, int y) {
        auto* line = new QLabel(text, this);
        line->setAccessibleName(text);
        line->setGeometry(units.rect(40, y, 132, 10));
    };
    addLine(tr("Version 1.0.1"), 10);
    addLine(tr("Made by the hmprog developers"), 24);
    addLine(tr("(C) 2026 the hmprog developers"), 38);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    ok->setGeometry(units.rect(176, 7, 40, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
