#include "explorer/ZvImages.h"

#include <QString>

static void InitExplorerResources()
{
    // The resources live in this library; a static library user would need it too.
    Q_INIT_RESOURCE(explorer);
}

QPixmap ZvBitmap(int resource)
{
    static bool bInit = (InitExplorerResources(), true);
    (void)bInit;
    return QPixmap(QStringLiteral(":/icons/%1.png").arg(resource));
}

QIcon ZvIcon(int resource)
{
    const QPixmap pixmap = ZvBitmap(resource);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

const std::vector<int>& ZvResourceNumbers()
{
    static const std::vector<int> numbers = {
        // item icons
        7126, 7127, 7124, 7128, 7049, 7146, 7015, 7159, 7160, 7161, 7051, 7163, 7164, 7165, 7166, 7167,
        7050, 7147, 7048, 7045, 7046, 7148, 7149, 7053, 7129, 7047, 7044, 7011, 7058, 7162, 7061, 7059,
        // toolbar commands
        32788, 32786, 32781, 32787, 32793, 32794, 32803,
        // tabs, fold button, caption, Save, progress picture
        7174, 7021, 7156, 7111, 7112, 7008, 7138, 7178,
        // unreferenced filters: caption, save as, remove, new, default and other marks
        7055, 7137, 7141, 7142, 7150, 7151};
    return numbers;
}
