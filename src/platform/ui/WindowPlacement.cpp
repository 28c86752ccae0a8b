#include "platform/ui/WindowPlacement.h"

#include "platform/IniFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect keptWithin(QRect rect, const QRect& bounds) {
    rect.setWidth(std::min(rect.width(), bounds.width()));
    rect.setHeight(std::min(rect.height(), bounds.height()));
    rect.moveLeft(std::clamp(rect.left(), bounds.left(), bounds.right() + 1 - rect.width()));
    rect.moveTop(std::clamp(rect.top(), bounds.top(), bounds.bottom() + 1 - rect.height()));
    return rect;
}

void restorePlace(QWidget& dialog, const IniFile* settings, const QString& section) {
    const QString left = QStringLiteral("Left");
    const QString top = QStringLiteral("Top");
    if (!settings || !settings->hasKey(section, left) || !settings->hasKey(section, top))
        return;
    const QPoint place(settings->readInteger(section, left, 0),
                       settings->readInteger(section, top, 0));
    if (QGuiApplication::screenAt(place))
        dialog.move(place);
}
