#include "picture.h"

#include <QImageReader>
#include <QPainter>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{}

void TImage::SetPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

bool TImage::LoadFromFile(const QString& path)
{
    // The reader looks at the content when the extension does not fit it, as photos copied from
    // elsewhere are sometimes misnamed.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return false;
    SetPicture(picture);
    return true;
}

void TImage::SetStretch(bool on)
{
    if (m_stretch == on)
        return;
    m_stretch = on;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_picture);
    } else {
        p.drawImage(QPoint(0, 0), m_picture);
    }
}
