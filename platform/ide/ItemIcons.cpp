#include "platform/ide/ItemIcons.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>

#include "contracts/ItemTypes.h"
#include "platform/outline/Classify.h"

namespace zv::ide {

namespace {

struct Kind {
    QChar letter;
    QColor colour;
};

Kind KindOf(int type, bool commented)
{
    using namespace ItemType;
    using namespace zv::outline;
    if (commented || type == Comment) return {'!', QColor(90, 150, 90)};
    if (type == Set || (type >= FirstStatement && type <= LastStatement)) return {'s', QColor(110, 110, 110)};
    if (type == Function || type == OnMessage) return {'f', QColor(40, 110, 200)};
    if (type == ExternalFunction) return {'x', QColor(40, 150, 170)};
    if (IsClassType(type)) return {'C', QColor(160, 80, 190)};
    if (IsTopLevelWindowType(type)) return {'W', QColor(200, 120, 30)};
    if (IsChildWindowType(type)) return {'w', QColor(210, 150, 60)};
    if ((type >= DeclNumber && type <= DeclOther) || (type >= ReceiveNumber && type <= ReceiveOther))
        return {'v', QColor(30, 140, 90)};
    if (type == Enumeration || type == EnumerationItem) return {'e', QColor(150, 120, 40)};
    if (type == FileInclude || type == Libraries) return {'L', QColor(120, 120, 160)};
    if (type == Application) return {'A', QColor(50, 70, 140)};
    return {'#', QColor(150, 150, 165)};
}

QIcon Draw(const Kind& kind, bool breakpoint)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kind.colour);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QString(kind.letter));
    if (breakpoint) {
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(QColor(220, 30, 30));
        painter.drawEllipse(QRectF(8.5, 8.5, 7, 7));
    }
    return QIcon(pixmap);
}

} // namespace

QIcon ItemIcon(int type, bool commented, bool breakpoint)
{
    static QHash<QString, QIcon> cache;
    const Kind kind = KindOf(type, commented);
    const QString key = QString(kind.letter) + kind.colour.name() + (breakpoint ? "b" : "");
    auto found = cache.constFind(key);
    if (found != cache.constEnd()) return *found;
    return cache.insert(key, Draw(kind, breakpoint)).value();
}

} // namespace zv::ide
