#include "explorer/ZvCaption.h"

#include <QFontMetrics>

#include "contracts/Check.h"
#include "explorer/ZvImages.h"

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

void CZvCaption::setPicture(int number)
{
    // Inside the caption's border, without the caption's own frame.
    const int side = std::min(16, captionHeight() - 2);
    if (!m_picture) {
        m_picture = new QLabel(this);
        m_picture->setStyleSheet("QLabel { background: transparent; border: none; padding: 0px; }");
        m_picture->setFixedSize(side, side);
        m_picture->move(2, (captionHeight() - side) / 2);
        setContentsMargins(side + 2, 0, 0, 0);
    }
    m_picture->setPixmap(ZvBitmap(number).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

int CZvCaption::captionHeight()
{
    const QFontMetrics metrics{QFont()};
    return std::max(17, metrics.height() + 4);
}
