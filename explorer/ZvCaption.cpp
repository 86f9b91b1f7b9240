#include "explorer/ZvCaption.h"

#include <QFontMetrics>

#include "contracts/Check.h"

CZvCaption::CZvCaption(QWidget* parent) : QLabel(parent)
{
    // Face grey, text white, a magenta edge: the look of the explorer's captions.
    setStyleSheet("QLabel { background: rgb(150,150,150); color: white; "
                  "border: 1px solid rgb(255,0,255); padding-left: 3px; }");
    setFixedHeight(captionHeight());
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

bool CZvCaption::init(QWidget* parent, const QString& title)
{
    ZV_TRY
        REQUIRE_BARE(parent != NULL, "CZvCaption::init");
        m_title = title;
        setText(title);
        return true;
    ZV_CATCH("CZvCaption::init")
    return false;
}

void CZvCaption::setCount(int n)
{
    if (n < 0) return;
    setText(m_title + " ( " + QString::number(n) + " )");
}

int CZvCaption::captionHeight()
{
    const QFontMetrics metrics{QFont()};
    return std::max(17, metrics.height() + 4);
}
