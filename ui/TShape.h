// TShape: a rectangle (or other simple figure) with a fill (Brush) and an
// outline (Pen) colour.
#pragma once

#include "TControl.h"

#include <QWidget>

class TShape;

class TBrush
{
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle s);

private:
    friend class TShape;
    explicit TBrush(TShape* s) : shape_(s) {}
    TShape* shape_;
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

class TPen
{
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    int Width() const { return width_; }
    void SetWidth(int w);

private:
    friend class TShape;
    explicit TPen(TShape* s) : shape_(s) {}
    TShape* shape_;
    TColor color_ = clBlack;
    int width_ = 1;
};

class TShape : public QWidget, public TControl
{
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType s);
    TBrush* Brush() { return &brush_; }
    TPen* Pen() { return &pen_; }

    TNotifyEvent OnClick;
    TMouseMoveEvent OnMouseMove;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    TShapeType shape_ = stRectangle;
    TBrush brush_{this};
    TPen pen_{this};
};
