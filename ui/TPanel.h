// Containers: TPanel (bevels and border), TGroupBox, TScrollBox (scrolls its
// children) and TSplitter (drags the docked control before it).
#pragma once

#include "TControl.h"

#include <QFrame>
#include <QGroupBox>
#include <QScrollArea>

class TPanel : public QFrame, public TControl
{
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);
    ~TPanel() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& c);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut b);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut b);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    QRect ClientRect() const override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseMoveEvent OnMouseMove;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void UpdateMargins();
    QString caption_;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

class TGroupBox : public QGroupBox, public TControl
{
    Q_OBJECT
public:
    explicit TGroupBox(QWidget* parent = nullptr);
    ~TGroupBox() override;

    QString Caption() const { return title(); }
    void SetCaption(const QString& c) { setTitle(c); }
    QRect ClientRect() const override;

    TNotifyEvent OnClick;

protected:
    void resizeEvent(QResizeEvent* e) override;
};

class TScrollBox : public QScrollArea, public TControl
{
    Q_OBJECT
public:
    explicit TScrollBox(QWidget* parent = nullptr);
    ~TScrollBox() override;

    QWidget* ClientWidget() const override { return content_; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    QRect ClientRect() const override;
    // Resizes the scrolled area to the viewport or to its children, whichever is larger.
    void UpdateRange();
    int HorzPosition() const;
    int VertPosition() const;
    void ScrollInView(TControl* c);

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* content_;
    bool updating_ = false;
};

class TSplitter : public QWidget, public TControl
{
    Q_OBJECT
public:
    explicit TSplitter(QWidget* parent = nullptr);

    int MinSize() const { return minSize_; }
    void SetMinSize(int m) { minSize_ = m; }
    // The docked control that the splitter resizes (the one just before it).
    TControl* Control() const;

    TNotifyEvent OnMoved;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    int minSize_ = 30;
    bool dragging_ = false;
    QPoint start_;
    int startSize_ = 0;
};
