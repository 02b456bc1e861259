#include "ImageBox.h"

#include <QMouseEvent>

ImageBox::ImageBox(int index, QWidget* parent) : QLabel(parent), index_(index)
{
    setObjectName(QStringLiteral("Image1_") + QString::number(index));
    setFrameShape(QFrame::Box);
    setScaledContents(true);
    setCursor(Qt::PointingHandCursor);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click(index_);
}
