#pragma once
#include <QLabel>

// A clickable picture box of a control array: it knows its index and keeps a free text.
class ImageBox : public QLabel {
    Q_OBJECT
public:
    ImageBox(int index, QWidget* parent);

    QString Tag;

signals:
    void Click(int index);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
};
