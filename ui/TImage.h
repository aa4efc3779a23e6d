// TImage: a picture, drawn at its size or stretched to the control.
#pragma once

#include "TControl.h"

#include <QPixmap>
#include <QWidget>

class TImage : public QWidget, public TControl
{
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // False (picture unchanged) when the file cannot be read.
    bool LoadFromFile(const QString& path);
    void SetPicture(const QPixmap& p);
    const QPixmap& Picture() const { return picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool s);
    bool Center() const { return center_; }
    void SetCenter(bool c);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseMoveEvent OnMouseMove;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool autoSize_ = false;
};
